#include "ui/page_control.h"

#include <commctrl.h>

#include "ui/handler_table.h"

namespace ui {

Page_Control* Tab_Sheet::Pages() const {
    return dynamic_cast<Page_Control*>(Parent());
}

int Tab_Sheet::Page_Index() const {
    const Page_Control* pages = Pages();
    if (!pages)
        return -1;
    const std::vector<Tab_Sheet*> sheets = pages->Sheets();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i] == this)
            return static_cast<int>(i);
    }
    return -1;
}

void Tab_Sheet::Window_Created() {
    Custom_Control::Window_Created();
    if (Page_Control* pages = Pages())
        pages->Sheet_Created(*this);
}

void Tab_Sheet::Caption_Changed() {
    Custom_Control::Caption_Changed();
    if (Page_Control* pages = Pages())
        pages->Sheet_Caption_Changed(*this);
}

void Page_Control::Load(const Component_Description& description, const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    multi_line_ = description.Flag("multi_line");
    handlers.Wire(On_Change, description, "on_change");
}

HWND Page_Control::Make_Window(HWND parent_window) {
    return Make_System_Window(
        parent_window, WC_TABCONTROLW,
        Base_Style() | WS_TABSTOP | WS_CLIPCHILDREN | (multi_line_ ? TCS_MULTILINE : 0u));
}

std::vector<Tab_Sheet*> Page_Control::Sheets() const {
    std::vector<Tab_Sheet*> sheets;
    for (Control* child : Children()) {
        if (auto* sheet = dynamic_cast<Tab_Sheet*>(child))
            sheets.push_back(sheet);
    }
    return sheets;
}

Tab_Sheet* Page_Control::Active_Page() const {
    const int index = Handle() ? TabCtrl_GetCurSel(Handle()) : -1;
    const std::vector<Tab_Sheet*> sheets = Sheets();
    return index >= 0 && static_cast<std::size_t>(index) < sheets.size()
               ? sheets[static_cast<std::size_t>(index)]
               : nullptr;
}

void Page_Control::Set_Active_Page(Tab_Sheet& sheet) {
    const int index = sheet.Page_Index();
    if (index < 0 || !Handle())
        return;
    TabCtrl_SetCurSel(Handle(), index);
    Place_Sheets();
    Show_Only(index);
}

void Page_Control::Show_Only(int index) {
    const std::vector<Tab_Sheet*> sheets = Sheets();
    // The new page shows before the old one hides, so nothing blinks through.
    if (index >= 0 && static_cast<std::size_t>(index) < sheets.size())
        sheets[static_cast<std::size_t>(index)]->Show();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (static_cast<int>(i) != index)
            sheets[i]->Hide();
    }
}

void Page_Control::Sheet_Created(Tab_Sheet& sheet) {
    std::wstring text = Wide(sheet.Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = sheet.Page_Index();
    SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    Place_Sheets();
    const int active = TabCtrl_GetCurSel(Handle());
    Show_Only(active < 0 ? 0 : active);
}

void Page_Control::Sheet_Caption_Changed(Tab_Sheet& sheet) {
    if (!Handle())
        return;
    std::wstring text = Wide(sheet.Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Handle(), TCM_SETITEMW, static_cast<WPARAM>(sheet.Page_Index()),
                 reinterpret_cast<LPARAM>(&item));
    Place_Sheets();
}

void Page_Control::Place_Sheets() {
    if (!Handle())
        return;
    RECT display{0, 0, Width(), Height()};
    TabCtrl_AdjustRect(Handle(), FALSE, &display);
    for (Tab_Sheet* sheet : Sheets()) {
        sheet->Set_Bounds(display.left, display.top, display.right - display.left,
                          display.bottom - display.top);
    }
}

void Page_Control::Bounds_Changed(const Layout_Rect& old_bounds) {
    System_Control::Bounds_Changed(old_bounds);
    Place_Sheets();
}

LRESULT Page_Control::Reflected(UINT message, WPARAM, LPARAM l_param, bool& handled) {
    handled = message == WM_NOTIFY &&
              reinterpret_cast<const NMHDR*>(l_param)->code == static_cast<UINT>(TCN_SELCHANGE);
    if (handled) {
        Place_Sheets();
        Show_Only(TabCtrl_GetCurSel(Handle()));
        On_Change(*this);
    }
    return 0;
}

}  // namespace ui
