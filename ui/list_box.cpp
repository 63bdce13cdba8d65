#include "ui/list_box.h"

#include "ui/painting.h"

namespace ui {

HWND List_Box::Make_Window(HWND parent_window) {
    return Make_System_Window(
        parent_window, L"LISTBOX",
        Base_Style() | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
        WS_EX_CLIENTEDGE);
}

void List_Box::Set_Text(std::string_view text) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::wstring line = Wide(text.substr(start, end - start));
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        if (end == text.size())
            break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
}

int List_Box::Count() const {
    return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::vector<std::string> List_Box::Lines() const {
    std::vector<std::string> lines;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring line(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        lines.push_back(Utf8(line));
    }
    return lines;
}

}  // namespace ui
