#pragma once
// The standard track bar: range, position, ticks, a selection range and the thumb's length.

#include "ui/win_control.h"

namespace ui {

class Track_Bar : public System_Control {
  public:
    enum class Tick_Marks { Both, Top_Left, Bottom_Right };
    enum class Tick_Style { Auto, None };

    using System_Control::System_Control;
    std::string_view Kind() const override { return "Track_Bar"; }
    bool Is_Tab_Stop() const override { return true; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Clamped into the range; a change raises OnChange.
    void Set_Position(int position);
    bool Vertical() const { return vertical_; }
    Tick_Marks Marks() const { return marks_; }
    Tick_Style Ticks() const { return ticks_; }
    int Frequency() const { return frequency_; }
    int Selection_Start() const { return selection_start_; }
    int Selection_End() const { return selection_end_; }
    int Thumb_Length() const { return thumb_length_; }
    void Set_Thumb_Length(int length);

    Event<Notify_Handler> On_Change;

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    HWND Make_Window(HWND parent_window) override;
    void Window_Created() override;
    LRESULT Reflected(UINT message, WPARAM w_param, LPARAM l_param, bool& handled) override;

  private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    bool vertical_ = false;
    Tick_Marks marks_ = Tick_Marks::Bottom_Right;
    Tick_Style ticks_ = Tick_Style::Auto;
    int frequency_ = 1;
    bool selection_ = false;
    int selection_start_ = 0;
    int selection_end_ = 0;
    int thumb_length_ = 20;
};

}  // namespace ui
