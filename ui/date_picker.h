#pragma once
// The standard date picker: shows one date; its field's colour, the calendar's text colour and
// the right-to-left reading order come from the layout.

#include "ui/handles.h"
#include "ui/win_control.h"

namespace ui {

class Date_Picker : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "Date_Picker"; }
    bool Is_Tab_Stop() const override { return true; }

    SYSTEMTIME Date() const;
    void Set_Date(const SYSTEMTIME& date);
    bool Right_To_Left() const { return right_to_left_; }
    Colour Calendar_Text() const { return calendar_text_; }

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    HWND Make_Window(HWND parent_window) override;
    void Window_Created() override;
    HBRUSH Control_Colour(HDC dc) override;

  private:
    bool right_to_left_ = false;
    Colour calendar_text_ = colours::Window_Text;
    Gdi_Brush field_brush_;
};

}  // namespace ui
