#include "dialog/page_opener.h"

#include <shellapi.h>

void Open_Page(HWND owner, const std::string& target) {
    // A missing browser or help file leaves the dialog as it was: nothing to tell the user.
    ShellExecuteA(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}
