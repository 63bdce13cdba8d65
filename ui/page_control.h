#pragma once
// The page control (the standard tab control) and its pages, which are windows of this layer
// laid over the tab control's display area. Only the page in front is visible.

#include <vector>

#include "ui/win_control.h"

namespace ui {

class Page_Control;

class Tab_Sheet : public Custom_Control {
  public:
    using Custom_Control::Custom_Control;
    std::string_view Kind() const override { return "Tab_Sheet"; }

    Page_Control* Pages() const;
    // Its place among the pages.
    int Page_Index() const;

  protected:
    void Window_Created() override;
    void Caption_Changed() override;
    bool Visible_By_Default() const override { return false; }
};

class Page_Control : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "Page_Control"; }
    bool Is_Tab_Stop() const override { return true; }

    std::vector<Tab_Sheet*> Sheets() const;
    Tab_Sheet* Active_Page() const;
    // Brings a page to the front without raising OnChange, as a program step does.
    void Set_Active_Page(Tab_Sheet& sheet);
    bool Multi_Line() const { return multi_line_; }

    // Raised after the user has brought another page to the front.
    Event<Notify_Handler> On_Change;

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

    // Called by the pages.
    void Sheet_Created(Tab_Sheet& sheet);
    void Sheet_Caption_Changed(Tab_Sheet& sheet);

  protected:
    HWND Make_Window(HWND parent_window) override;
    LRESULT Reflected(UINT message, WPARAM w_param, LPARAM l_param, bool& handled) override;
    void Bounds_Changed(const Layout_Rect& old_bounds) override;

  private:
    void Place_Sheets();
    void Show_Only(int index);

    bool multi_line_ = false;
};

}  // namespace ui
