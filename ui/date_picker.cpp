#include "ui/date_picker.h"

#include <commctrl.h>

#include "ui/handler_table.h"

namespace ui {

void Date_Picker::Load(const Component_Description& description, const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    right_to_left_ = description.Flag("right_to_left");
    calendar_text_ = description.Colour_Of("calendar_text").value_or(calendar_text_);
}

HWND Date_Picker::Make_Window(HWND parent_window) {
    return Make_System_Window(parent_window, DATETIMEPICK_CLASSW,
                              Base_Style() | WS_TABSTOP | DTS_SHORTDATEFORMAT,
                              WS_EX_CLIENTEDGE | (right_to_left_ ? WS_EX_RTLREADING : 0u));
}

void Date_Picker::Window_Created() {
    System_Control::Window_Created();
    SendMessageW(Handle(), DTM_SETMCCOLOR, MCSC_TEXT,
                 static_cast<LPARAM>(To_Colorref(calendar_text_)));
    SendMessageW(Handle(), DTM_SETMCFONT, reinterpret_cast<WPARAM>(Font_Handle()), FALSE);
}

HBRUSH Date_Picker::Control_Colour(HDC dc) {
    if (!field_brush_)
        field_brush_.reset(CreateSolidBrush(To_Colorref(Back_Colour())));
    SetTextColor(dc, To_Colorref(Font().colour));
    SetBkColor(dc, To_Colorref(Back_Colour()));
    return field_brush_.get();
}

SYSTEMTIME Date_Picker::Date() const {
    SYSTEMTIME date{};
    if (Handle())
        DateTime_GetSystemtime(Handle(), &date);
    return date;
}

void Date_Picker::Set_Date(const SYSTEMTIME& date) {
    if (Handle()) {
        SYSTEMTIME copy = date;
        DateTime_SetSystemtime(Handle(), GDT_VALID, &copy);
    }
}

}  // namespace ui
