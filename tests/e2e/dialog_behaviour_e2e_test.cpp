// What the settings dialog of the real Quelvar.scr does when a user works it from outside: every
// way out saves what was changed, Restore Defaults brings back the defaults, and Help and the
// links ask the shell to open the right pages.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../win32/registry_fixture.h"
#include "app/links.h"
#include "app/startup_texts.h"
#include "config/settings_files_text.h"
#include "config/settings_rules.h"
#include "driver.h"
#include "shell_open_recorder.h"

namespace {

using namespace e2e;

constexpr const char* Dialog_Title = "Quelvar ScreenSaver Settings";

constexpr Control_States Defaults{Default_FPS_Checked,        Default_Time_Checked,
                                  Default_Exit_Mouse_Checked, Default_No_Music_Checked,
                                  Default_Volume_Position,    Default_Speed_Position};

std::string File_Text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void Write_File(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// An install directory of the test's own, with a help page, recorded where the installer
// records it.
class Dialog_Behaviour_E2e : public testing::Test {
  protected:
    void SetUp() override {
        char base[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathA(MAX_PATH, base);
        folder_ = std::string(base, length) + "quelvar_behaviour_e2e_" +
                  std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        CreateDirectoryA((folder_ + "\\Info").c_str(), nullptr);
        Write_File(Help_Page(), "<html><body>Help</body></html>");
        registry_.Set_Text(folder_);
    }

    void TearDown() override {
        for (const char* name : {"Controls.cfg", "ControlsAdj.cfg"})
            DeleteFileA((folder_ + "\\" + name).c_str());
        DeleteFileA(Help_Page().c_str());
        RemoveDirectoryA((folder_ + "\\Info").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string Help_Page() const { return folder_ + "\\Info\\help.html"; }
    std::string Engine_File() const { return File_Text(folder_ + "\\Controls.cfg"); }
    std::string Dialog_File() const { return File_Text(folder_ + "\\ControlsAdj.cfg"); }

    // The dialog once it is open: grown to its size, with the stored settings in its controls.
    HWND Open_Dialog(Saver_Process& saver) {
        HWND dialog = saver.Find_Window(Dialog_Title, 20s);
        if (!dialog)
            return nullptr;
        for (int i = 0; i < 200; ++i) {
            if (IsWindowVisible(Find_Child_By_Name(dialog, "Page_Control")))
                return dialog;
            Sleep(50);
        }
        return nullptr;
    }

    static HWND Child(HWND dialog, const char* name) {
        HWND child = Find_Child_By_Name(dialog, name);
        EXPECT_TRUE(child) << name;
        return child;
    }

    // A click handled before the call returns, as the user's click would be before the next.
    static void Click(HWND button) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
    }

    // A press and release of the left button at a point of a window, handled before return.
    static void Click_At(HWND window, int x, int y) {
        DWORD_PTR result = 0;
        const LPARAM point = MAKELPARAM(x, y);
        SendMessageTimeoutA(window, WM_MOUSEMOVE, 0, point, SMTO_NORMAL, 5000, &result);
        SendMessageTimeoutA(window, WM_LBUTTONDOWN, MK_LBUTTON, point, SMTO_NORMAL, 5000, &result);
        SendMessageTimeoutA(window, WM_LBUTTONUP, 0, point, SMTO_NORMAL, 5000, &result);
    }

    Install_Key_Fixture registry_;
    std::string folder_;
};

struct Way_Out {
    const char* name;
    void (*leave)(HWND dialog);
};

class Ways_Out : public Dialog_Behaviour_E2e, public testing::WithParamInterface<Way_Out> {};

TEST_P(Ways_Out, Save_The_Change_Exactly_As_Ok_Does) {
    Saver_Process saver("/c");
    HWND dialog = Open_Dialog(saver);
    ASSERT_TRUE(dialog);
    Click(Child(dialog, "CheckBox_FPS"));
    ASSERT_EQ(SendMessageA(Child(dialog, "CheckBox_FPS"), BM_GETCHECK, 0, 0), BST_CHECKED);
    GetParam().leave(dialog);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
    Control_States changed = Defaults;
    changed.fps_checked = true;
    EXPECT_EQ(Engine_File(), Engine_File_Text(changed));
    EXPECT_EQ(Dialog_File(), Dialog_File_Text(changed));
}

INSTANTIATE_TEST_SUITE_P(
    From_Outside, Ways_Out,
    testing::Values(
        Way_Out{"cancel",
                [](HWND dialog) {
                    PostMessageA(Find_Child_By_Name(dialog, "Cancel_BitBtn"), BM_CLICK, 0, 0);
                }},
        Way_Out{"ok",
                [](HWND dialog) {
                    PostMessageA(Find_Child_By_Name(dialog, "OK_BitBtn"), BM_CLICK, 0, 0);
                }},
        Way_Out{"escape",
                [](HWND dialog) {
                    PostMessageA(Find_Child_By_Name(dialog, "CheckBox_FPS"), WM_KEYDOWN, VK_ESCAPE,
                                 1);
                }},
        Way_Out{"close_request", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }},
        Way_Out{"alt_f4", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const testing::TestParamInfo<Way_Out>& info) { return std::string(info.param.name); });

TEST_F(Dialog_Behaviour_E2e, Restore_Defaults_Then_Ok_Stores_Exactly_The_Defaults) {
    const Control_States stored{true, false, true, true, 0, 15};
    Write_File(folder_ + "\\ControlsAdj.cfg", Dialog_File_Text(stored));
    Write_File(folder_ + "\\Controls.cfg", Engine_File_Text(stored));
    Saver_Process saver("/c");
    HWND dialog = Open_Dialog(saver);
    ASSERT_TRUE(dialog);
    // The stored settings are in the controls: muted, so the volume group is out of sight.
    EXPECT_FALSE(IsWindowVisible(Child(dialog, "glGroupBox_Volume_Music")));
    Click(Child(dialog, "CheckBox_Time"));  // reaching for a setting enables Restore
    Click(Child(dialog, "Restore_BitBtn"));
    EXPECT_FALSE(IsWindowEnabled(Child(dialog, "Apply_BitBtn")));
    EXPECT_FALSE(IsWindowEnabled(Child(dialog, "Restore_BitBtn")));
    EXPECT_TRUE(IsWindowVisible(Child(dialog, "Page_Control")));
    EXPECT_EQ(SendMessageA(Child(dialog, "CheckBox_FPS"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // Restore writes no values: the files are left without their section until the next apply.
    EXPECT_EQ(Engine_File().find("Controls"), std::string::npos) << Engine_File();
    EXPECT_EQ(Dialog_File().find("="), std::string::npos) << Dialog_File();
    PostMessageA(Child(dialog, "OK_BitBtn"), BM_CLICK, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
    EXPECT_EQ(Engine_File(), Engine_File_Text(Defaults));
    EXPECT_EQ(Dialog_File(), Dialog_File_Text(Defaults));
}

std::string Recorder_Path() {
    return Build_Dir() + "tests\\e2e\\open_recorder.exe";
}

TEST_F(Dialog_Behaviour_E2e, Help_F1_And_The_Links_Open_Their_Pages_Maximized) {
    Shell_Open_Recorder recorder(Recorder_Path(), folder_ + "\\opened.log");
    Saver_Process saver("/c");
    HWND dialog = Open_Dialog(saver);
    ASSERT_TRUE(dialog);
    const std::string support = Support_Page_For(Site_URL);
    const std::string product = Product_Page_For(Site_URL, Application_Title);
    // One at a time, so that the log keeps their order.
    std::vector<Shell_Open_Recorder::Opening> expected;
    auto expect_opening = [&](const std::string& target) {
        expected.push_back({target, SW_SHOWMAXIMIZED});
        EXPECT_EQ(recorder.Opened(expected.size()), expected);
    };
    Click(Child(dialog, "Help_BitBtn"));
    expect_opening(Help_Page());
    PostMessageA(Child(dialog, "TrackBar_Scene_Speed"), WM_KEYDOWN, VK_F1, 1);
    expect_opening(Help_Page());
    // The links are drawn by the strip that holds them: Label13 (support) below Label14.
    HWND links = Child(dialog, "glGroupBox_Links");
    Click_At(links, 80, 32);
    expect_opening(support);
    Click_At(links, 80, 14);
    expect_opening(product);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
}

}  // namespace
