#pragma once
// The fixed names and texts of start-up: where the install directory is recorded, the web site,
// the password service.

#include <string_view>

inline constexpr std::string_view Application_Title = "Quelvar ScreenSaver";

inline constexpr std::string_view Install_Key_Path = "\\SOFTWARE\\Tarnwick\\Quelvar";
inline constexpr std::string_view Install_Value_Name = "Path";
inline constexpr std::string_view Fallback_Install_Dir = "h:\\all-Quelvar-inst\\";
inline constexpr std::string_view Info_Folder = "Info\\";

// The maker's web site; the product and support pages live directly below it.
inline constexpr std::string_view Site_URL = "https://www.tarnwick.example/";
inline constexpr std::string_view Product_Page_Extension = ".shtml";
inline constexpr std::string_view Support_Page_Name = "support.shtml";

inline constexpr std::string_view Password_Library = "MPR.DLL";
inline constexpr std::string_view Password_Function = "PwdChangePasswordA";
inline constexpr std::string_view Password_Provider = "SCRSAVE";

inline constexpr std::string_view Error_Report_Title = "Application Error";
