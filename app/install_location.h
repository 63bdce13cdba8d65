#pragma once
// The install directory recorded by the installer, and the web addresses, set once at start-up.

#include <string>

// The registry value "Path" followed by a backslash, or the empty text when there is no usable
// value.
std::string Read_Install_Path();

// Sets Install_Dir and Info_Dir.
void Set_Install_Dirs();

// Sets Product_Page_URL and Support_URL.
void Make_Links();
