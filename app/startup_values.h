#pragma once
// Process-wide values worked out once at start-up, before any window exists, and only read
// afterwards.

#include <cstdint>
#include <string>

inline std::string Install_Dir;       // always ends in a backslash
inline std::string Info_Dir;          // Install_Dir + "Info\"
inline std::string Product_Page_URL;  // the product's page on the maker's site
inline std::string Support_URL;       // the support page on the maker's site

inline std::string Run_Mode;          // "a", "p", "c", or empty for full screen
inline std::int32_t Host_Window = 0;  // window number from the command line, 0 when absent
