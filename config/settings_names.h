#pragma once
// The sections and keys of the two settings files, exactly as the engine and earlier versions
// of the dialog expect them (the blank before the dot in the dialog's keys included).

#include <string_view>

// Controls.cfg, read by the scene engine, in the engine's terms.
inline constexpr std::string_view Engine_Section = "FullScreen behaviour Control";
inline constexpr std::string_view Engine_FPS_Key = "fpsch_on";
inline constexpr std::string_view Engine_Time_Key = "clock_on";
inline constexpr std::string_view Engine_Exit_Mouse_Key = "mouse_on";
inline constexpr std::string_view Engine_Music_Key = "music_on";
inline constexpr std::string_view Engine_Volume_Key = "music_vo";
inline constexpr std::string_view Engine_Speed_Key = "speed_mo";

// ControlsAdj.cfg, the dialog's own copy, in the controls' terms.
inline constexpr std::string_view Dialog_Section = "Adjustment Form Control Panel Settings";
inline constexpr std::string_view Dialog_Volume_Key = "TrackBar_Volume_Music .Position";
inline constexpr std::string_view Dialog_Speed_Key = "TrackBar_Scene_Speed .Position";
inline constexpr std::string_view Dialog_No_Music_Key = "CheckBox_NoMusic .Checked/UnChecked";
inline constexpr std::string_view Dialog_Exit_Mouse_Key = "CheckBox_ExitMouse .Checked/UnChecked";
inline constexpr std::string_view Dialog_FPS_Key = "CheckBox_FPS .Checked/UnChecked";
inline constexpr std::string_view Dialog_Time_Key = "CheckBox_Time .Checked/UnChecked";

// %s stands for the file's full path.
inline constexpr std::string_view Settings_Write_Error_Format = "Unable to write to %s";
