#pragma once
// The complete text of each settings file for a given state of the controls: one section, its
// six keys in the order the engine and the dialog have always written them.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Settings_Controls;

// The six controls' values at one moment.
struct Control_States {
    bool fps_checked;
    bool time_checked;
    bool exit_mouse_checked;
    bool no_music_checked;
    std::int32_t volume_position;
    std::int32_t speed_position;
};

Control_States Read_Control_States(const Settings_Controls& controls);

using Ini_Entries = std::vector<std::pair<std::string_view, std::string>>;

// Controls.cfg: flags as 0 or 1, the music flag inverted, the volume clamped for the engine.
Ini_Entries Engine_Entries(const Control_States& states);
// ControlsAdj.cfg: the raw positions and check-box states.
Ini_Entries Dialog_Entries(const Control_States& states);

// One section as the Windows profile writer lays it out: "[section]", then "key=value" lines,
// each line ended by CR LF.
std::string Ini_Section_Text(std::string_view section, const Ini_Entries& entries);

std::string Engine_File_Text(const Control_States& states);
std::string Dialog_File_Text(const Control_States& states);
