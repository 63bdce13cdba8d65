#pragma once
// The settings' defaults and ranges, how stored text reads back, and how the controls' values
// become the engine's.

#include <cstdint>
#include <string>
#include <string_view>

// What a fresh dialog shows, and what every missing or unreadable stored value falls back to.
inline constexpr bool Default_FPS_Checked = false;
inline constexpr bool Default_Time_Checked = true;
inline constexpr bool Default_Exit_Mouse_Checked = false;
inline constexpr bool Default_No_Music_Checked = false;
inline constexpr std::int32_t Default_Volume_Position = 50;
inline constexpr std::int32_t Default_Speed_Position = 4;

// The track bars' ranges. The volume bar's minimum is at the top and means the loudest.
inline constexpr std::int32_t Volume_Position_Min = 0;
inline constexpr std::int32_t Volume_Position_Max = 100;
inline constexpr std::int32_t Speed_Position_Min = 1;
inline constexpr std::int32_t Speed_Position_Max = 15;

// The engine plays nothing below this volume and treats 100 as out of range.
inline constexpr std::int32_t Engine_Volume_Min = 10;
inline constexpr std::int32_t Engine_Volume_Max = 99;

std::int32_t Clamp_Volume_Position(std::int32_t position);
std::int32_t Clamp_Speed_Position(std::int32_t position);

// The volume figure the dialog shows: the bar's maximum less its position.
std::int32_t Volume_From_Position(std::int32_t position);

// "music_vo": the volume clamped into the engine's range.
std::int32_t Engine_Volume(std::int32_t volume_position);

// A stored value as an integer: "0x" or "0X" at the start of a text longer than two characters
// reads as "$", then decimal with an optional sign or hexadecimal after "$"; anything else (an
// empty text included) gives the fallback.
std::int32_t Stored_Integer(std::string_view text, std::int32_t fallback);

// A stored check box: any integer but 0 is checked; text that is no integer gives the fallback.
bool Stored_Boolean(std::string_view text, bool fallback);

// The message of a failed write: "Unable to write to " and the file's full path.
std::string Settings_Write_Error_Message(std::string_view path);

// Raises the failed write as the settings dialog reports it (ui::Ini_Error_Kind).
[[noreturn]] void Raise_Settings_Write_Error(std::string_view path);
