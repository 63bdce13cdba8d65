#include "config/settings_files_text.h"

#include "config/settings_controls.h"
#include "config/settings_names.h"
#include "config/settings_rules.h"

namespace {

std::string Flag_Text(bool on) {
    return on ? "1" : "0";
}

}  // namespace

Control_States Read_Control_States(const Settings_Controls& controls) {
    return Control_States{
        .fps_checked = controls.FPS_Checked(),
        .time_checked = controls.Time_Checked(),
        .exit_mouse_checked = controls.Exit_Mouse_Checked(),
        .no_music_checked = controls.No_Music_Checked(),
        .volume_position = controls.Volume_Position(),
        .speed_position = controls.Speed_Position(),
    };
}

Ini_Entries Engine_Entries(const Control_States& states) {
    return {
        {Engine_FPS_Key, Flag_Text(states.fps_checked)},
        {Engine_Time_Key, Flag_Text(states.time_checked)},
        {Engine_Exit_Mouse_Key, Flag_Text(states.exit_mouse_checked)},
        {Engine_Music_Key, Flag_Text(!states.no_music_checked)},
        {Engine_Volume_Key, std::to_string(Engine_Volume(states.volume_position))},
        {Engine_Speed_Key, std::to_string(states.speed_position)},
    };
}

Ini_Entries Dialog_Entries(const Control_States& states) {
    return {
        {Dialog_Volume_Key, std::to_string(states.volume_position)},
        {Dialog_Speed_Key, std::to_string(states.speed_position)},
        {Dialog_No_Music_Key, Flag_Text(states.no_music_checked)},
        {Dialog_Exit_Mouse_Key, Flag_Text(states.exit_mouse_checked)},
        {Dialog_FPS_Key, Flag_Text(states.fps_checked)},
        {Dialog_Time_Key, Flag_Text(states.time_checked)},
    };
}

std::string Ini_Section_Text(std::string_view section, const Ini_Entries& entries) {
    std::string text = "[";
    text += section;
    text += "]\r\n";
    for (const auto& [key, value] : entries) {
        text += key;
        text += '=';
        text += value;
        text += "\r\n";
    }
    return text;
}

std::string Engine_File_Text(const Control_States& states) {
    return Ini_Section_Text(Engine_Section, Engine_Entries(states));
}

std::string Dialog_File_Text(const Control_States& states) {
    return Ini_Section_Text(Dialog_Section, Dialog_Entries(states));
}
