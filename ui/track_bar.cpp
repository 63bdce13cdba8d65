#include "ui/track_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/handler_table.h"

namespace ui {

void Track_Bar::Load(const Component_Description& description, const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    min_ = description.Number("min", 0);
    max_ = description.Number("max", 10);
    if (max_ < min_)
        description.Fail(nullptr, "max is below min");
    position_ = std::clamp(description.Number("position", min_), min_, max_);
    const std::string orientation = description.Word("orientation", "horizontal");
    if (orientation != "horizontal" && orientation != "vertical")
        description.Fail(nullptr, "the orientation is horizontal or vertical");
    vertical_ = orientation == "vertical";
    const std::string marks = description.Word("tick_marks", "bottom_right");
    if (marks == "both")
        marks_ = Tick_Marks::Both;
    else if (marks == "top_left")
        marks_ = Tick_Marks::Top_Left;
    else if (marks == "bottom_right")
        marks_ = Tick_Marks::Bottom_Right;
    else
        description.Fail(nullptr, "tick_marks is both, top_left or bottom_right");
    const std::string ticks = description.Word("tick_style", "auto");
    if (ticks != "auto" && ticks != "none")
        description.Fail(nullptr, "tick_style is auto or none");
    ticks_ = ticks == "none" ? Tick_Style::None : Tick_Style::Auto;
    frequency_ = description.Number("frequency", 1);
    const std::vector<std::int32_t> selection = description.Numbers("selection");
    if (!selection.empty() && selection.size() != 2)
        description.Fail(nullptr, "a selection is a start and an end");
    selection_ = selection.size() == 2;
    if (selection_) {
        selection_start_ = selection[0];
        selection_end_ = selection[1];
    }
    thumb_length_ = description.Number("thumb_length", 20);
    handlers.Wire(On_Change, description, "on_change");
}

HWND Track_Bar::Make_Window(HWND parent_window) {
    DWORD style = Base_Style() | WS_TABSTOP | TBS_FIXEDLENGTH | (vertical_ ? TBS_VERT : TBS_HORZ);
    if (marks_ == Tick_Marks::Both)
        style |= TBS_BOTH;
    else if (marks_ == Tick_Marks::Top_Left)
        style |= TBS_TOP;
    style |= ticks_ == Tick_Style::None ? TBS_NOTICKS : TBS_AUTOTICKS;
    if (selection_)
        style |= TBS_ENABLESELRANGE;
    return Make_System_Window(parent_window, TRACKBAR_CLASSW, style);
}

void Track_Bar::Window_Created() {
    System_Control::Window_Created();
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageW(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumb_length_), 0);
    if (selection_) {
        SendMessageW(Handle(), TBM_SETSELSTART, FALSE, selection_start_);
        SendMessageW(Handle(), TBM_SETSELEND, FALSE, selection_end_);
    }
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void Track_Bar::Set_Position(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    if (Handle())
        SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
    On_Change(*this);
}

void Track_Bar::Set_Thumb_Length(int length) {
    thumb_length_ = length;
    if (Handle()) {
        SendMessageW(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(length), 0);
        Invalidate();
    }
}

LRESULT Track_Bar::Reflected(UINT message, WPARAM, LPARAM, bool& handled) {
    handled = message == WM_HSCROLL || message == WM_VSCROLL;
    if (!handled)
        return 0;
    const int position = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (position != position_) {
        position_ = position;
        On_Change(*this);
    }
    return 0;
}

}  // namespace ui
