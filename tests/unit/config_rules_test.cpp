#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "config/settings_files_text.h"
#include "config/settings_load.h"
#include "config/settings_names.h"
#include "config/settings_rules.h"
#include "plain_settings_controls.h"
#include "ui/errors.h"

namespace {

TEST(Stored_Values, Integers_Read_By_The_Rules_Or_Fall_Back) {
    struct Case {
        std::string text;
        std::int32_t expected;
    };
    const std::int32_t fallback = 4;
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"0x0C", 12},
        {"0X1f", 31},
        {"0x0", 0},
        {"$FFFFFFFF", -1},
        {"0xFFFFFFFF", -1},
        {"-0x10", -16},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {std::string(100, '0') + "12", 12},
        {"", fallback},
        {"   ", fallback},
        {"0x", fallback},
        {"0X", fallback},
        {"fast", fallback},
        {"2147483648", fallback},
        {"-2147483649", fallback},
        {"0x123456789", fallback},
        {"0x0x5", fallback},
        {"12 5", fallback},
        {"1.5", fallback},
        {std::string("7\0", 2), fallback},
        {"\x01\xFE\x80", fallback},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Stored_Integer(c.text, fallback), c.expected) << '"' << c.text << '"';
}

TEST(Stored_Values, Any_Integer_But_Zero_Checks_A_Box) {
    struct Case {
        std::string text;
        bool fallback;
        bool expected;
    };
    const Case cases[] = {
        {"1", false, true},    {"7", false, true},    {"-1", false, true},
        {"0", true, false},    {"0x0", true, false},  {"$0", true, false},
        {"0x10", false, true}, {"", true, true},      {"", false, false},
        {"yes", true, true},   {"yes", false, false}, {"99999999999", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Stored_Boolean(c.text, c.fallback), c.expected)
            << '"' << c.text << "\" fallback " << c.fallback;
}

TEST(Track_Bars, Positions_Clamp_Into_The_Bars_Ranges) {
    const std::pair<std::int32_t, std::int32_t> volume[] = {
        {-5, 0}, {0, 0}, {50, 50}, {100, 100}, {250, 100}, {INT32_MIN, 0}, {INT32_MAX, 100}};
    for (auto [position, clamped] : volume)
        EXPECT_EQ(Clamp_Volume_Position(position), clamped) << position;

    const std::pair<std::int32_t, std::int32_t> speed[] = {
        {0, 1}, {1, 1}, {12, 12}, {15, 15}, {16, 15}, {INT32_MIN, 1}, {INT32_MAX, 15}};
    for (auto [position, clamped] : speed)
        EXPECT_EQ(Clamp_Speed_Position(position), clamped) << position;
}

TEST(Engine_Values, Volume_Is_The_Inverted_Position_Clamped_To_10_99) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 99},  {1, 99},  {2, 98},   {50, 50},        {89, 11},        {90, 10},
        {91, 10}, {95, 10}, {100, 10}, {INT32_MIN, 99}, {INT32_MAX, 10}, {-40, 99},
    };
    for (auto [position, volume] : cases)
        EXPECT_EQ(Engine_Volume(position), volume) << "position " << position;
}

const Control_States Default_States{
    .fps_checked = Default_FPS_Checked,
    .time_checked = Default_Time_Checked,
    .exit_mouse_checked = Default_Exit_Mouse_Checked,
    .no_music_checked = Default_No_Music_Checked,
    .volume_position = Default_Volume_Position,
    .speed_position = Default_Speed_Position,
};

TEST(Settings_Files_Text, Defaults_Give_The_Known_Files) {
    EXPECT_EQ(Engine_File_Text(Default_States),
              "[FullScreen behaviour Control]\r\n"
              "fpsch_on=0\r\n"
              "clock_on=1\r\n"
              "mouse_on=0\r\n"
              "music_on=1\r\n"
              "music_vo=50\r\n"
              "speed_mo=4\r\n");
    EXPECT_EQ(Dialog_File_Text(Default_States),
              "[Adjustment Form Control Panel Settings]\r\n"
              "TrackBar_Volume_Music .Position=50\r\n"
              "TrackBar_Scene_Speed .Position=4\r\n"
              "CheckBox_NoMusic .Checked/UnChecked=0\r\n"
              "CheckBox_ExitMouse .Checked/UnChecked=0\r\n"
              "CheckBox_FPS .Checked/UnChecked=0\r\n"
              "CheckBox_Time .Checked/UnChecked=1\r\n");
}

TEST(Settings_Files_Text, Every_Setting_Lands_On_Its_Own_Key) {
    // Every box the other way from its default, so that two keys swapped show.
    const Control_States states{
        .fps_checked = true,
        .time_checked = false,
        .exit_mouse_checked = true,
        .no_music_checked = true,
        .volume_position = 95,
        .speed_position = 12,
    };
    const Ini_Entries engine{{"fpsch_on", "1"}, {"clock_on", "0"},  {"mouse_on", "1"},
                             {"music_on", "0"}, {"music_vo", "10"}, {"speed_mo", "12"}};
    EXPECT_EQ(Engine_Entries(states), engine);
    const Ini_Entries dialog{{"TrackBar_Volume_Music .Position", "95"},
                             {"TrackBar_Scene_Speed .Position", "12"},
                             {"CheckBox_NoMusic .Checked/UnChecked", "1"},
                             {"CheckBox_ExitMouse .Checked/UnChecked", "1"},
                             {"CheckBox_FPS .Checked/UnChecked", "1"},
                             {"CheckBox_Time .Checked/UnChecked", "0"}};
    EXPECT_EQ(Dialog_Entries(states), dialog);
}

TEST(Settings_Files_Text, Controls_Are_Read_Into_The_Right_Fields) {
    Plain_Settings_Controls controls;
    controls.fps = true;
    controls.time = false;
    controls.exit_mouse = true;
    controls.no_music = false;
    controls.volume = 7;
    controls.speed = 13;
    const Control_States states = Read_Control_States(controls);
    EXPECT_EQ(std::tuple(states.fps_checked, states.time_checked, states.exit_mouse_checked,
                         states.no_music_checked, states.volume_position, states.speed_position),
              controls.Values());
}

// Loads from a dialog section given as key and text pairs.
Plain_Settings_Controls Loaded_From(const std::map<std::string, std::string, std::less<>>& stored) {
    Plain_Settings_Controls controls;
    // Start away from every default, so that a value left unset shows.
    controls.fps = true;
    controls.time = false;
    controls.exit_mouse = true;
    controls.no_music = true;
    controls.volume = 3;
    controls.speed = 9;
    Load_Settings(controls, [&stored](std::string_view key) {
        auto found = stored.find(key);
        return found == stored.end() ? std::string() : found->second;
    });
    return controls;
}

TEST(Load_Settings, Nothing_Stored_Gives_The_Defaults_In_The_Dialogs_Order) {
    const Plain_Settings_Controls controls = Loaded_From({});
    EXPECT_EQ(controls.Values(), std::tuple(false, true, false, false, 50, 4));
    const std::vector<std::string> calls{
        "volume 50",    "speed 4",        "caption 50", "repaint",
        "no_music off", "exit_mouse off", "fps off",    "time on",
    };
    EXPECT_EQ(controls.calls, calls);
}

TEST(Load_Settings, Stored_Values_Reach_Their_Controls) {
    struct Case {
        std::string key;
        std::string text;
        std::tuple<bool, bool, bool, bool, std::int32_t, std::int32_t> values;
        std::string caption;
    };
    const std::string volume(Dialog_Volume_Key);
    const std::string speed(Dialog_Speed_Key);
    const std::string time(Dialog_Time_Key);
    const Case cases[] = {
        {speed, "0x0C", {false, true, false, false, 50, 12}, "50"},
        {speed, "fast", {false, true, false, false, 50, 4}, "50"},
        {speed, "99", {false, true, false, false, 50, 15}, "50"},
        {volume, "250", {false, true, false, false, 100, 4}, "0"},
        {volume, "-5", {false, true, false, false, 0, 4}, "100"},
        {volume, "$14", {false, true, false, false, 20, 4}, "80"},
        {time, "7", {false, true, false, false, 50, 4}, "50"},
        {time, "0", {false, false, false, false, 50, 4}, "50"},
        {time, "", {false, true, false, false, 50, 4}, "50"},
        {std::string(Dialog_No_Music_Key), "1", {false, true, false, true, 50, 4}, "50"},
        {std::string(Dialog_Exit_Mouse_Key), "-1", {false, true, true, false, 50, 4}, "50"},
        {std::string(Dialog_FPS_Key), "0x1", {true, true, false, false, 50, 4}, "50"},
    };
    for (const Case& c : cases) {
        const Plain_Settings_Controls controls = Loaded_From({{c.key, c.text}});
        EXPECT_EQ(controls.Values(), c.values) << c.key << '=' << c.text;
        EXPECT_EQ(controls.volume_caption, c.caption) << c.key << '=' << c.text;
    }
}

TEST(Write_Error, Names_The_Files_Full_Path) {
    EXPECT_EQ(Settings_Write_Error_Message("C:\\Quelvar\\Controls.cfg"),
              "Unable to write to C:\\Quelvar\\Controls.cfg");
    EXPECT_EQ(Settings_Write_Error_Message("D:\\100%s\\Controls.cfg"),
              "Unable to write to D:\\100%s\\Controls.cfg");
    try {
        Raise_Settings_Write_Error("E:\\ControlsAdj.cfg");
        FAIL() << "no error raised";
    } catch (const ui::Error& error) {
        EXPECT_EQ(error.kind(), ui::Ini_Error_Kind);
        EXPECT_STREQ(error.what(), "Unable to write to E:\\ControlsAdj.cfg");
    }
}

}  // namespace
