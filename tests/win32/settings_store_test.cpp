#include "config/settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/startup_values.h"
#include "tests/unit/plain_settings_controls.h"
#include "ui/errors.h"
#include "ui/handles.h"

namespace {

const std::vector<std::string> Default_Engine_Lines{
    "[FullScreen behaviour Control]",
    "fpsch_on=0",
    "clock_on=1",
    "mouse_on=0",
    "music_on=1",
    "music_vo=50",
    "speed_mo=4",
};
const std::vector<std::string> Default_Dialog_Lines{
    "[Adjustment Form Control Panel Settings]", "TrackBar_Volume_Music .Position=50",
    "TrackBar_Scene_Speed .Position=4",         "CheckBox_NoMusic .Checked/UnChecked=0",
    "CheckBox_ExitMouse .Checked/UnChecked=0",  "CheckBox_FPS .Checked/UnChecked=0",
    "CheckBox_Time .Checked/UnChecked=1",
};
const auto Default_Values = std::tuple(false, true, false, false, 50, 4);

std::optional<std::string> Read_File(const std::string& path) {
    ui::Kernel_Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        text.append(chunk, read);
    return text;
}

void Write_File(const std::string& path, std::string_view text) {
    ui::Kernel_Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
    ASSERT_EQ(written, text.size());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// What the scene engine sees: the Windows profile reader's answer.
std::string Profile_Value(const std::string& path, const char* section, const char* key) {
    char value[256] = "";
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, path.c_str());
    return value;
}

std::vector<std::string> Folder_Entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Each test gets a fresh, empty install directory of its own.
class Settings_Store : public testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = "";
        ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
        static int counter = 0;
        folder_ = std::string(temp) + "quelvar-settings-" + std::to_string(GetCurrentProcessId()) +
                  "-" + std::to_string(++counter) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
        saved_install_dir_ = Install_Dir;
        Install_Dir = folder_;
    }

    void TearDown() override {
        Install_Dir = saved_install_dir_;
        for (const std::string& name : Folder_Entries(folder_)) {
            EXPECT_FALSE(name.ends_with(".tmp")) << "temporary file left: " << name;
            const std::string path = folder_ + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(path.c_str()))
                RemoveDirectoryA(path.c_str());
        }
        RemoveDirectoryA(folder_.c_str());
    }

    std::string Engine_File() const { return folder_ + "Controls.cfg"; }
    std::string Dialog_File() const { return folder_ + "ControlsAdj.cfg"; }

    static Plain_Settings_Controls Loaded() {
        Plain_Settings_Controls controls;
        // Away from every default, so that a control the load leaves alone shows.
        controls.fps = true;
        controls.time = false;
        controls.exit_mouse = true;
        controls.no_music = true;
        controls.volume = 3;
        controls.speed = 9;
        Load_Config(controls);
        return controls;
    }

    static Plain_Settings_Controls Controls_With(std::int32_t volume, std::int32_t speed) {
        Plain_Settings_Controls controls;
        controls.volume = volume;
        controls.speed = speed;
        return controls;
    }

    std::string folder_;
    std::string saved_install_dir_;
};

TEST_F(Settings_Store, Files_Are_Named_From_The_String_Table) {
    EXPECT_EQ(Engine_Settings_Path(), Engine_File());
    EXPECT_EQ(Dialog_Settings_Path(), Dialog_File());
}

TEST_F(Settings_Store, First_Run_Without_Files_Shows_The_Defaults) {
    const Plain_Settings_Controls controls = Loaded();
    EXPECT_EQ(controls.Values(), Default_Values);
    EXPECT_EQ(controls.volume_caption, "50");
    EXPECT_TRUE(Folder_Entries(folder_).empty()) << "loading wrote a file";
}

TEST_F(Settings_Store, Stored_Values_Load_By_The_Rules) {
    struct Case {
        std::string lines;
        std::tuple<bool, bool, bool, bool, std::int32_t, std::int32_t> values;
    };
    const std::string zeros(300, '0');
    const Case cases[] = {
        {"TrackBar_Scene_Speed .Position=0x0C", {false, true, false, false, 50, 12}},
        {"TrackBar_Scene_Speed .Position=fast", {false, true, false, false, 50, 4}},
        {"TrackBar_Volume_Music .Position=250", {false, true, false, false, 100, 4}},
        {"TrackBar_Volume_Music .Position=-5", {false, true, false, false, 0, 4}},
        {"CheckBox_Time .Checked/UnChecked=7", {false, true, false, false, 50, 4}},
        {"CheckBox_Time .Checked/UnChecked=0", {false, false, false, false, 50, 4}},
        // The clock stays on with its key absent.
        {"CheckBox_FPS .Checked/UnChecked=1", {true, true, false, false, 50, 4}},
        {"CheckBox_NoMusic .Checked/UnChecked=1\r\nCheckBox_ExitMouse .Checked/UnChecked=$1",
         {false, true, true, true, 50, 4}},
        {"TrackBar_Scene_Speed .Position=", {false, true, false, false, 50, 4}},
        {"TrackBar_Scene_Speed .Position=   ", {false, true, false, false, 50, 4}},
        {"TrackBar_Scene_Speed .Position=+3", {false, true, false, false, 50, 3}},
        {"TrackBar_Volume_Music .Position=$14", {false, true, false, false, 20, 4}},
        {"TrackBar_Volume_Music .Position=99999999999", {false, true, false, false, 50, 4}},
        {"TrackBar_Volume_Music .Position=0x123456789", {false, true, false, false, 50, 4}},
        // Longer than any first read: the whole text counts, not a prefix of it.
        {"TrackBar_Scene_Speed .Position=" + zeros + "12", {false, true, false, false, 50, 12}},
        {"TrackBar_Scene_Speed .Position=" + zeros + "12junk", {false, true, false, false, 50, 4}},
        {"TrackBar_Scene_Speed .Position=" + std::string(100'000, '7'),
         {false, true, false, false, 50, 4}},
    };
    for (const Case& c : cases) {
        Write_File(Dialog_File(),
                   "[Adjustment Form Control Panel Settings]\r\n" + c.lines + "\r\n");
        EXPECT_EQ(Loaded().Values(), c.values) << c.lines.substr(0, 80);
    }
}

TEST_F(Settings_Store, Values_Outside_The_Dialogs_Section_Are_Not_Read) {
    Write_File(Dialog_File(),
               "[FullScreen behaviour Control]\r\nTrackBar_Scene_Speed .Position=9\r\n");
    Write_File(Engine_File(),
               "[Adjustment Form Control Panel Settings]\r\n"
               "TrackBar_Scene_Speed .Position=11\r\n");
    EXPECT_EQ(Loaded().Values(), Default_Values);
}

TEST_F(Settings_Store, A_Megabyte_Of_Garbage_Loads_The_Defaults) {
    std::mt19937 random(20260101);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    Write_File(Dialog_File(), garbage);
    EXPECT_EQ(Loaded().Values(), Default_Values);

    // The same with the section header at the start, so that the garbage is read as its keys.
    Write_File(Dialog_File(), "[Adjustment Form Control Panel Settings]\r\n" + garbage);
    EXPECT_EQ(Loaded().Values(), Default_Values);
}

TEST_F(Settings_Store, Save_Writes_Both_Files_Exactly) {
    Save_Config(Plain_Settings_Controls{});

    const auto engine = Read_File(Engine_File());
    ASSERT_TRUE(engine);
    EXPECT_EQ(Lines(*engine), Default_Engine_Lines);
    const auto dialog = Read_File(Dialog_File());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Lines(*dialog), Default_Dialog_Lines);

    // The engine reads its file through the Windows profile reader.
    const char* section = "FullScreen behaviour Control";
    for (std::size_t i = 1; i < Default_Engine_Lines.size(); ++i) {
        const std::string& line = Default_Engine_Lines[i];
        const std::size_t equals = line.find('=');
        EXPECT_EQ(Profile_Value(Engine_File(), section, line.substr(0, equals).c_str()),
                  line.substr(equals + 1));
    }
}

TEST_F(Settings_Store, Volume_Reaches_The_Engine_Clamped_And_The_Dialog_Raw) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {0, "99"}, {95, "10"}, {91, "10"}, {50, "50"}, {1, "99"},
    };
    for (const auto& [position, volume] : cases) {
        Save_Config(Controls_With(position, 7));
        EXPECT_EQ(Profile_Value(Engine_File(), "FullScreen behaviour Control", "music_vo"), volume)
            << position;
        EXPECT_EQ(Profile_Value(Dialog_File(), "Adjustment Form Control Panel Settings",
                                "TrackBar_Volume_Music .Position"),
                  std::to_string(position));
        EXPECT_EQ(Profile_Value(Engine_File(), "FullScreen behaviour Control", "speed_mo"), "7");
    }
}

TEST_F(Settings_Store, Mute_Is_Stored_Inverted_For_The_Engine) {
    Plain_Settings_Controls controls;
    controls.no_music = true;
    Save_Config(controls);
    EXPECT_EQ(Profile_Value(Engine_File(), "FullScreen behaviour Control", "music_on"), "0");
    EXPECT_EQ(Profile_Value(Dialog_File(), "Adjustment Form Control Panel Settings",
                            "CheckBox_NoMusic .Checked/UnChecked"),
              "1");
}

TEST_F(Settings_Store, What_Is_Saved_Loads_Back) {
    Plain_Settings_Controls first;
    first.fps = true;
    first.time = false;
    first.exit_mouse = true;
    first.no_music = true;
    first.volume = 73;
    first.speed = 15;
    Save_Config(first);
    EXPECT_EQ(Loaded().Values(), first.Values());

    // Again over the files just read, which the system may still hold in its cache.
    Plain_Settings_Controls second;
    second.volume = 0;
    second.speed = 1;
    Save_Config(second);
    const Plain_Settings_Controls loaded = Loaded();
    EXPECT_EQ(loaded.Values(), second.Values());
    EXPECT_EQ(loaded.volume_caption, "100");
}

TEST_F(Settings_Store, Apply_Leaves_Only_The_New_Settings_In_Each_File) {
    Write_File(Engine_File(),
               "[Other]\r\nkept=1\r\n[FullScreen behaviour Control]\r\nextra=5\r\n"
               "speed_mo=9\r\n");
    Write_File(Dialog_File(), "junk without a section\r\n");
    Apply_Settings(Plain_Settings_Controls{});
    EXPECT_EQ(Lines(Read_File(Engine_File()).value_or("")), Default_Engine_Lines);
    EXPECT_EQ(Lines(Read_File(Dialog_File()).value_or("")), Default_Dialog_Lines);
}

TEST_F(Settings_Store, Restore_Erases_Both_Sections_Then_Loads_The_Defaults) {
    Plain_Settings_Controls changed;
    changed.fps = true;
    changed.volume = 10;
    changed.speed = 2;
    Save_Config(changed);
    // A section of someone else's in the engine's file is not ours to remove.
    Write_File(Engine_File(), *Read_File(Engine_File()) + "[Other]\r\nkept=1\r\n");

    Erase_Config();

    EXPECT_EQ(Profile_Value(Engine_File(), "FullScreen behaviour Control", "speed_mo"), "<none>");
    EXPECT_EQ(Profile_Value(Engine_File(), "Other", "kept"), "1");
    EXPECT_EQ(Read_File(Engine_File()).value_or("").find("[FullScreen"), std::string::npos);
    EXPECT_EQ(Read_File(Dialog_File()).value_or("").find("[Adjustment"), std::string::npos);
    const Plain_Settings_Controls restored = Loaded();
    EXPECT_EQ(restored.Values(), Default_Values);
    EXPECT_EQ(restored.volume_caption, "50");

    // Restore then Apply: the default files.
    Apply_Settings(restored);
    EXPECT_EQ(Lines(Read_File(Engine_File()).value_or("")), Default_Engine_Lines);
    EXPECT_EQ(Lines(Read_File(Dialog_File()).value_or("")), Default_Dialog_Lines);
}

TEST_F(Settings_Store, Restore_Without_Files_Is_Quiet) {
    EXPECT_NO_THROW(Erase_Config());
    EXPECT_EQ(Loaded().Values(), Default_Values);
}

// Runs `step`, expecting the settings write error that names `path`.
template <typename Step>
void Expect_Write_Error(Step step, const std::string& path) {
    try {
        step();
        ADD_FAILURE() << "no error raised";
    } catch (const ui::Error& error) {
        EXPECT_EQ(error.kind(), ui::Ini_Error_Kind);
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}

TEST_F(Settings_Store, Missing_Install_Folder_Raises_The_Error_Naming_The_Engine_File) {
    Install_Dir = folder_ + "missing\\";
    const std::string engine = Install_Dir + "Controls.cfg";
    Expect_Write_Error([] { Save_Config(Plain_Settings_Controls{}); }, engine);
    Expect_Write_Error([] { Erase_Config(); }, engine);
    EXPECT_TRUE(Folder_Entries(folder_).empty());
}

TEST_F(Settings_Store, Engine_File_That_Cannot_Be_Replaced_Leaves_The_Dialog_File_Untouched) {
    const std::string old_dialog =
        "[Adjustment Form Control Panel Settings]\r\n"
        "TrackBar_Scene_Speed .Position=13\r\n";
    Write_File(Dialog_File(), old_dialog);
    // Something that is no file holds the engine file's name.
    ASSERT_TRUE(CreateDirectoryA(Engine_File().c_str(), nullptr));

    Expect_Write_Error([] { Save_Config(Plain_Settings_Controls{}); }, Engine_File());
    EXPECT_EQ(Read_File(Dialog_File()), old_dialog);
}

TEST_F(Settings_Store, Save_Stopped_After_The_First_File_Keeps_The_Old_Second_File_Whole) {
    Save_Config(Controls_With(20, 3));
    const auto old_dialog = Read_File(Dialog_File());
    {
        // Another program reading the dialog's file, which may not go while it is open.
        ui::Kernel_Handle reader(CreateFileA(Dialog_File().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
        ASSERT_TRUE(reader);
        Expect_Write_Error([] { Apply_Settings(Controls_With(60, 8)); }, Dialog_File());
    }
    // The engine file is the new one, complete; the dialog file is the old one, complete.
    auto engine_lines = Default_Engine_Lines;
    engine_lines[5] = "music_vo=40";
    engine_lines[6] = "speed_mo=8";
    EXPECT_EQ(Lines(Read_File(Engine_File()).value_or("")), engine_lines);
    EXPECT_EQ(Read_File(Dialog_File()), old_dialog);
    EXPECT_EQ(Loaded().Values(), Controls_With(20, 3).Values());
}

TEST_F(Settings_Store, Read_Only_File_Stops_Save_And_Restore_Before_Anything_Changes) {
    Save_Config(Controls_With(20, 3));
    const auto old_engine = Read_File(Engine_File());
    const auto old_dialog = Read_File(Dialog_File());

    ASSERT_TRUE(SetFileAttributesA(Dialog_File().c_str(), FILE_ATTRIBUTE_READONLY));
    Expect_Write_Error([] { Apply_Settings(Controls_With(60, 8)); }, Dialog_File());
    Expect_Write_Error([] { Erase_Config(); }, Dialog_File());
    EXPECT_EQ(Read_File(Engine_File()), old_engine);
    EXPECT_EQ(Read_File(Dialog_File()), old_dialog);

    ASSERT_TRUE(SetFileAttributesA(Dialog_File().c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(SetFileAttributesA(Engine_File().c_str(), FILE_ATTRIBUTE_READONLY));
    Expect_Write_Error([] { Erase_Config(); }, Engine_File());
    EXPECT_EQ(Read_File(Engine_File()), old_engine);
    EXPECT_EQ(Read_File(Dialog_File()), old_dialog);
    EXPECT_EQ(Loaded().Values(), Controls_With(20, 3).Values());
}

}  // namespace
