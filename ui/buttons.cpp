#include "ui/buttons.h"

#include "ui/handler_table.h"

namespace ui {

void Push_Button::Load(const Component_Description& description, const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    cancel_ = description.Flag("cancel");
}

HWND Push_Button::Make_Window(HWND parent_window) {
    return Make_System_Window(
        parent_window, L"BUTTON",
        Base_Style() | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER);
}

LRESULT Push_Button::Reflected(UINT message, WPARAM w_param, LPARAM, bool& handled) {
    handled = message == WM_COMMAND && HIWORD(w_param) == BN_CLICKED;
    if (handled)
        Click();
    return 0;
}

void Check_Box::Load(const Component_Description& description, const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    checked_ = description.Flag("checked");
}

HWND Check_Box::Make_Window(HWND parent_window) {
    return Make_System_Window(parent_window, L"BUTTON",
                              Base_Style() | WS_TABSTOP | BS_AUTOCHECKBOX | BS_VCENTER);
}

void Check_Box::Window_Created() {
    System_Control::Window_Created();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Check_Box::Set_Checked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    if (Handle())
        SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

LRESULT Check_Box::Reflected(UINT message, WPARAM w_param, LPARAM, bool& handled) {
    handled = message == WM_COMMAND && HIWORD(w_param) == BN_CLICKED;
    if (handled) {
        checked_ = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        Click();
    }
    return 0;
}

}  // namespace ui
