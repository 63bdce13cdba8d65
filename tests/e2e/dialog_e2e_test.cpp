// The settings dialog of the real Quelvar.scr, found and closed from outside as a user or an
// automation tool would.

#include <gtest/gtest.h>

#include "../win32/registry_fixture.h"
#include "driver.h"

namespace {

using namespace e2e;

constexpr const char* Dialog_Title = "Quelvar ScreenSaver Settings";

// The settings reach the controls when the opening ends; a close before then saves nothing.
bool Open(HWND dialog) {
    return Wait_For_Size(dialog, 789, 554, 20s);
}

// An install directory of the test's own, recorded where the installer records it, so that the
// dialog's settings land there.
class Dialog_E2e : public testing::Test {
  protected:
    void SetUp() override {
        char base[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathA(MAX_PATH, base);
        folder_ = std::string(base, length) + "quelvar_dialog_e2e_" +
                  std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        registry_.Set_Text(folder_);
    }

    void TearDown() override {
        for (const char* name : {"Controls.cfg", "ControlsAdj.cfg"})
            DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    bool Saved() const {
        return GetFileAttributesA((folder_ + "\\ControlsAdj.cfg").c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }

    Install_Key_Fixture registry_;
    std::string folder_;
};

class Configuration_Lines : public Dialog_E2e, public testing::WithParamInterface<const char*> {};

TEST_P(Configuration_Lines, Open_The_Dialog_Which_Cancel_Closes_With_Code_0) {
    Saver_Process saver(GetParam());
    ASSERT_TRUE(saver.handle()) << "could not start " << Saver_Path();
    HWND dialog = saver.Find_Window(Dialog_Title, 20s);
    ASSERT_TRUE(dialog) << "no dialog for " << GetParam();
    ASSERT_TRUE(Open(dialog));
    HWND cancel = Find_Child_By_Text(dialog, "&Cancel");
    ASSERT_TRUE(cancel);
    PostMessageA(cancel, BM_CLICK, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
    EXPECT_TRUE(Saved());
}

INSTANTIATE_TEST_SUITE_P(Edge_Cases, Configuration_Lines,
                         testing::Values("/c", "/C", "r", "/r", "-R", "/c:4711", "/ca", "\"/c\""),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return "line_" + std::to_string(info.index);
                         });

TEST_F(Dialog_E2e, Controls_Are_Found_By_Caption_And_By_Name) {
    Saver_Process saver("/c");
    HWND dialog = saver.Find_Window(Dialog_Title, 20s);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Component_Name(dialog), "Adjustment_Form");
    const std::pair<const char*, const char*> buttons[] = {
        {"&Cancel", "Cancel_BitBtn"},
        {"&Apply", "Apply_BitBtn"},
        {"O&k", "OK_BitBtn"},
        {"&Help", "Help_BitBtn"},
        {"&Restore\rDefaults", "Restore_BitBtn"},
    };
    for (const auto& [caption, name] : buttons) {
        HWND by_caption = Find_Child_By_Text(dialog, caption);
        EXPECT_TRUE(by_caption) << caption;
        EXPECT_EQ(by_caption, Find_Child_By_Name(dialog, name)) << name;
        EXPECT_EQ(Class_Name(by_caption), "Button");
    }
    for (const char* name : {"Page_Control", "TabSheet_Main", "CheckBox_FPS",
                             "TrackBar_Volume_Music", "DateTimePicker1", "Xdata_ListBox"}) {
        EXPECT_TRUE(Find_Child_By_Name(dialog, name)) << name;
    }
    EXPECT_TRUE(Find_Child_By_Text(dialog, " Music FX Volume"));
    EXPECT_FALSE(IsWindowEnabled(Find_Child_By_Name(dialog, "Apply_BitBtn")));
    EXPECT_FALSE(IsWindowVisible(Find_Child_By_Name(dialog, "Xdata_ListBox")));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
}

TEST_F(Dialog_E2e, Escape_Closes_The_Dialog) {
    Saver_Process saver("/c");
    HWND dialog = saver.Find_Window(Dialog_Title, 20s);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(Open(dialog));
    PostMessageA(Find_Child_By_Name(dialog, "CheckBox_Time"), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
    EXPECT_TRUE(Saved());
}

TEST_F(Dialog_E2e, A_Save_That_Fails_Is_Shown_And_The_Dialog_Ends_All_The_Same) {
    const std::string missing = folder_ + "\\no such folder";
    registry_.Set_Text(missing);
    Saver_Process saver("/c");
    HWND dialog = saver.Find_Window(Dialog_Title, 20s);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(Open(dialog));
    PostMessageA(Find_Child_By_Text(dialog, "&Cancel"), BM_CLICK, 0, 0);
    // The application's error display: captioned with the application's title.
    HWND box = saver.Find_Window("Quelvar ScreenSaver", 20s);
    ASSERT_TRUE(box);
    EXPECT_EQ(Message_Box_Text(box), "Unable to write to " + missing + "\\Controls.cfg.");
    bool has_icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        has_icon = has_icon || (Class_Name(child) == "Static" &&
                                (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON);
    }
    EXPECT_TRUE(has_icon);
    EXPECT_TRUE(GetDlgItem(box, IDOK));
    EXPECT_FALSE(GetDlgItem(box, IDCANCEL));
    Press_Ok(box);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
}

}  // namespace
