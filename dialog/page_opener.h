#pragma once
// How the dialog opens its pages (help, support, product): the shell's open request, maximized,
// owned by the dialog. Whatever the shell makes of it is not examined.

#include <windows.h>

#include <string>

void Open_Page(HWND owner, const std::string& target);
