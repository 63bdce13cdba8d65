#pragma once
// What the tests and the stand-in scene engine agree on. The stand-in is built as korun.exe
// into a test install directory of the build tree; it is never shipped.

namespace stand_in {

inline constexpr const char* Window_Class = "Quelvar Stand-In Engine";
inline constexpr const char* Window_Title = "Stand-in scene engine";

// Read from the engine's working directory: [Plan] show_after_ms, keep_ms.
inline constexpr const char* Plan_File = "engine_plan.ini";
inline constexpr const char* Plan_Section = "Plan";
inline constexpr const char* Show_After_Key = "show_after_ms";  // delay before the window
inline constexpr const char* Keep_Key = "keep_ms";              // how long the window stays

// Written into the working directory before the window shows: [Engine] working_dir,
// arguments, and [Controls] with each key as read from the settings file ("<missing>" if not).
inline constexpr const char* Report_File = "engine_report.ini";
inline constexpr const char* Report_Section = "Engine";
inline constexpr const char* Report_Controls_Section = "Controls";
inline constexpr const char* Missing = "<missing>";

inline constexpr const char* Settings_File = "Controls.cfg";
inline constexpr const char* Settings_Section = "FullScreen behaviour Control";
inline constexpr const char* Settings_Keys[] = {"fpsch_on", "clock_on", "mouse_on",
                                                "music_on", "music_vo", "speed_mo"};

}  // namespace stand_in
