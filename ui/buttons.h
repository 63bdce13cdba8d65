#pragma once
// The standard push button and check box.

#include "ui/win_control.h"

namespace ui {

// A push button; its caption may carry an accelerator ('&') and a line break. The button with
// the cancel role is pressed by Escape. No button here is ever the default button.
class Push_Button : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "Push_Button"; }
    bool Is_Tab_Stop() const override { return true; }

    bool Cancel_Role() const { return cancel_; }

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    HWND Make_Window(HWND parent_window) override;
    LRESULT Reflected(UINT message, WPARAM w_param, LPARAM l_param, bool& handled) override;

  private:
    bool cancel_ = false;
};

class Check_Box : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "Check_Box"; }
    bool Is_Tab_Stop() const override { return true; }

    bool Checked() const { return checked_; }
    // A change of state raises OnClick, as a click by the user does.
    void Set_Checked(bool checked);

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    HWND Make_Window(HWND parent_window) override;
    void Window_Created() override;
    LRESULT Reflected(UINT message, WPARAM w_param, LPARAM l_param, bool& handled) override;

  private:
    bool checked_ = false;
};

}  // namespace ui
