// The settings dialog driven by the keyboard through the application's loop: Tab order, Escape,
// Enter, accelerators, and every way out ending the loop with the settings saved. Also saves a
// picture of each page for review.

#include <gtest/gtest.h>

#include "app/startup_values.h"
#include "dialog/adjustment_form.h"
#include "form_test_support.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/track_bar.h"

namespace {

using namespace form_test;

bool Gave_Up = false;

// Ends a loop that should have ended by itself.
void CALLBACK Give_Up(HWND, UINT, UINT_PTR, DWORD) {
    Gave_Up = true;
    PostQuitMessage(0);
}

class Dialog_Navigation : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::The_Application().Initialize();
        ui::The_Application().Set_Title("Quelvar ScreenSaver");
    }

    void SetUp() override {
        Install_Dir = folder_.Path();
        form_ = &ui::The_Application().Create_Form<TAdjustment_Form>();
    }

    void TearDown() override { ui::The_Application().Destroy_Forms(); }

    // Runs the application's loop as the program does, at most for a few seconds; true when the
    // loop ended by itself.
    bool Run_Until_The_Dialog_Ends() {
        Gave_Up = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 8000, &Give_Up);
        ui::The_Application().Run();
        KillTimer(nullptr, timer);
        return !Gave_Up;
    }

    bool Settings_Saved() const {
        return GetFileAttributesA((folder_.Path() + "ControlsAdj.cfg").c_str()) !=
                   INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesA((folder_.Path() + "Controls.cfg").c_str()) !=
                   INVALID_FILE_ATTRIBUTES;
    }

    std::string Focused_Name() const {
        ui::Win_Control* focused = ui::Win_Control::From_Window(GetFocus());
        return focused ? focused->Name() : std::string("(none)");
    }

    TAdjustment_Form& Form() { return *form_; }

    Temporary_Folder folder_;
    Recorded_Errors errors_;
    TAdjustment_Form* form_ = nullptr;
};

TEST_F(Dialog_Navigation, Tab_Moves_Through_The_Buttons_In_Their_Order_Then_The_Pages) {
    Form().Show();
    Pump();
    Form().Apply_BitBtn->Set_Enabled(true);
    Form().Restore_BitBtn->Set_Enabled(true);
    Form().Cancel_BitBtn->Set_Focus();
    Pump();
    ASSERT_EQ(Focused_Name(), "Cancel_BitBtn");
    std::vector<std::string> visited;
    for (int i = 0; i < 9; ++i) {
        Press_Key(GetFocus(), VK_TAB);
        visited.push_back(Focused_Name());
    }
    const std::vector<std::string> expected = {
        "Apply_BitBtn",       "OK_BitBtn",     "Help_BitBtn",
        "Restore_BitBtn",     "Page_Control",  "CheckBox_FPS",
        "CheckBox_ExitMouse", "CheckBox_Time", "TrackBar_Scene_Speed"};
    EXPECT_EQ(visited, expected);
}

TEST_F(Dialog_Navigation, Disabled_Buttons_Are_Passed_Over) {
    Form().Show();
    Pump();
    Form().Cancel_BitBtn->Set_Focus();
    Pump();
    Press_Key(GetFocus(), VK_TAB);
    EXPECT_EQ(Focused_Name(), "OK_BitBtn");
    Press_Key(GetFocus(), VK_TAB);
    EXPECT_EQ(Focused_Name(), "Help_BitBtn");
    Press_Key(GetFocus(), VK_TAB);
    EXPECT_EQ(Focused_Name(), "Page_Control");
}

TEST_F(Dialog_Navigation, The_First_Showing_Focuses_The_First_Button) {
    Form().Show();
    Pump();
    EXPECT_EQ(Focused_Name(), "Cancel_BitBtn");
}

TEST_F(Dialog_Navigation, Enter_On_A_Check_Box_Presses_No_Button) {
    Form().Show();
    Pump();
    Form().CheckBox_FPS->Set_Focus();
    Pump();
    Press_Key(GetFocus(), VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
    EXPECT_FALSE(Settings_Saved());
}

// Every way out hides the dialog, saves, and ends the loop.
struct Way_Out {
    const char* name;
    void (*act)(TAdjustment_Form&);
};

class Dialog_Ways_Out : public Dialog_Navigation, public testing::WithParamInterface<Way_Out> {};

TEST_P(Dialog_Ways_Out, End_The_Loop_With_The_Settings_Saved) {
    // Open, so that the controls hold the settings; queued before the loop runs.
    Form().Show();
    Run_Idle_Work();
    GetParam().act(Form());
    EXPECT_TRUE(Run_Until_The_Dialog_Ends());
    EXPECT_EQ(Adjustment_Form, nullptr);
    EXPECT_TRUE(Settings_Saved());
    EXPECT_TRUE(errors_.Messages().empty());
}

void Post_Key(HWND window, UINT message, WPARAM key, LPARAM flags = 1) {
    PostMessageW(window, message, key, flags);
}

INSTANTIATE_TEST_SUITE_P(
    Keys_And_Buttons, Dialog_Ways_Out,
    testing::Values(
        Way_Out{"escape_on_a_button",
                [](TAdjustment_Form& form) {
                    Post_Key(form.OK_BitBtn->Handle(), WM_KEYDOWN, VK_ESCAPE);
                }},
        Way_Out{"escape_on_a_track_bar",
                [](TAdjustment_Form& form) {
                    Post_Key(form.TrackBar_Volume_Music->Handle(), WM_KEYDOWN, VK_ESCAPE);
                }},
        Way_Out{"enter_on_cancel",
                [](TAdjustment_Form& form) {
                    form.Cancel_BitBtn->Set_Focus();
                    Post_Key(form.Cancel_BitBtn->Handle(), WM_KEYDOWN, VK_RETURN);
                }},
        Way_Out{"alt_c",
                [](TAdjustment_Form& form) {
                    Post_Key(form.CheckBox_FPS->Handle(), WM_SYSCHAR, 'c', 1 | (1 << 29));
                }},
        Way_Out{"alt_k",
                [](TAdjustment_Form& form) {
                    Post_Key(form.CheckBox_FPS->Handle(), WM_SYSCHAR, 'k', 1 | (1 << 29));
                }},
        Way_Out{"cancel_clicked",
                [](TAdjustment_Form& form) {
                    PostMessageW(form.Cancel_BitBtn->Handle(), BM_CLICK, 0, 0);
                }},
        Way_Out{"close_request",
                [](TAdjustment_Form& form) { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); }}),
    [](const testing::TestParamInfo<Way_Out>& info) { return std::string(info.param.name); });

TEST_F(Dialog_Navigation, Repainting_And_Turning_Pages_Leaves_No_Objects_Behind) {
    Form().Show();
    Pump();
    auto turn_pages = [this] {
        for (int round = 0; round < 20; ++round) {
            for (ui::Tab_Sheet* page : Form().Page_Control->Sheets()) {
                Form().Page_Control->Set_Active_Page(*page);
                Form().Repaint();
                ui::The_Application().Process_Messages();
            }
        }
    };
    turn_pages();  // fonts and buffers are made in the first rounds
    Object_Counts before{};
    const bool counted = Read_Object_Counts(before);
    const unsigned high_water = Gdi_Slot_High_Water();
    turn_pages();
    if (counted) {
        Object_Counts after{};
        Read_Object_Counts(after);
        EXPECT_EQ(after.gdi, before.gdi);
        EXPECT_EQ(after.user, before.user);
    }
    EXPECT_LT(Gdi_Slot_High_Water(), high_water + 32);
}

TEST_F(Dialog_Navigation, Muted_The_Volume_Group_Gives_Way_To_The_Pictures_Beneath) {
    Form().Show();
    Pump();
    Form().Page_Control->Set_Active_Page(*Form().TabSheet_Sound);
    Pump();
    ui::Tab_Sheet& page = *Form().TabSheet_Sound;
    // Where the volume group lies over the large note and the lower loudspeaker.
    const POINT note{60, 150};
    const POINT loudspeaker{260, 250};
    HWND group = Form().glGroupBox_Volume_Music->Handle();
    auto window_at = [&page](POINT point) {
        return ChildWindowFromPointEx(page.Handle(), point, CWP_SKIPINVISIBLE);
    };
    EXPECT_EQ(window_at(note), group);

    Form().CheckBox_NoMusic->Set_Checked(true);
    Pump();
    EXPECT_FALSE(IsWindowVisible(group));
    EXPECT_EQ(window_at(note), page.Handle());
    EXPECT_EQ(page.Control_At(note), Form().Image_Music1);
    EXPECT_EQ(page.Control_At(loudspeaker), Form().Image_Music2);
    EXPECT_FALSE(Save_Window_Picture(Form().Handle(), "dialog_TabSheet_Sound_muted").empty());

    Form().CheckBox_NoMusic->Set_Checked(false);
    Pump();
    EXPECT_TRUE(IsWindowVisible(group));
}

TEST_F(Dialog_Navigation, Pictures_Of_Every_Page) {
    Form().Show();
    Pump(200ms);
    for (ui::Tab_Sheet* page : Form().Page_Control->Sheets()) {
        Form().Page_Control->Set_Active_Page(*page);
        Pump(200ms);
        EXPECT_FALSE(Save_Window_Picture(Form().Handle(), "dialog_" + page->Name()).empty());
    }
    // The speed group and its marks while the speed bar has the focus.
    Form().Page_Control->Set_Active_Page(*Form().TabSheet_Main);
    Form().TrackBar_Scene_Speed->Set_Focus();
    Pump(200ms);
    EXPECT_FALSE(Save_Window_Picture(Form().Handle(), "dialog_speed_focused").empty());
}

}  // namespace
