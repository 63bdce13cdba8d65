#pragma once
// The install directories and web addresses worked out at start-up, as plain text functions.

#include <string>
#include <string_view>

// Blanks become hyphens (one for each) and A to Z become lower case; nothing else changes.
std::string Page_Slug(std::string_view text);

std::string Product_Page_For(std::string_view site_url, std::string_view title);
std::string Support_Page_For(std::string_view site_url);

// The registry's answer (already ending in a backslash, or empty) or the fall-back directory.
std::string Install_Dir_From(std::string_view registry_path);
std::string Info_Dir_For(std::string_view install_dir);

// The value of "Path" as the install directory: always one backslash more.
std::string Install_Path_From_Value(std::string_view value);
