// The settings dialog's skin and opening in process: where the pieces lie and how they stack,
// the window's outline, the growth to full size and what waits for its end, the close button's
// hover and the slideshow.

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <tuple>

#include "../unit/plain_settings_controls.h"
#include "app/startup_values.h"
#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "form_test_support.h"
#include "tests/support/opening_outcomes.h"
#include "sysinfo/screen_figures.h"
#include "ui/bevels.h"
#include "ui/bitmaps.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/page_control.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

using namespace form_test;

class Dialog_Skin : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::The_Application().Initialize();
        ui::The_Application().Set_Title("Quelvar ScreenSaver");
    }

    void SetUp() override {
        Install_Dir = folder_.Path();
        form_ = &ui::The_Application().Create_Form<TAdjustment_Form>();
    }

    void TearDown() override {
        ui::The_Application().Destroy_Forms();
        EXPECT_FALSE(ui::The_Application().Has_Idle_Handler());
        EXPECT_TRUE(errors_.Messages().empty()) << errors_.Messages().front();
    }

    TAdjustment_Form& Form() { return *form_; }

    RECT Window_Rect() const {
        RECT rect{};
        GetWindowRect(form_->Handle(), &rect);
        return rect;
    }

    Temporary_Folder folder_;
    Recorded_Errors errors_;
    TAdjustment_Form* form_ = nullptr;
};

std::tuple<int, int, int, int> Place(const ui::Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

TEST_F(Dialog_Skin, Pieces_Lie_Where_The_Artwork_Meets) {
    // With the artwork's sizes (left, top, width, height).
    struct Expected {
        ui::Control* control;
        std::tuple<int, int, int, int> place;
    };
    TAdjustment_Form& f = Form();
    const Expected pieces[] = {
        {f.Left_Image_top, {0, 0, 105, 372}},         {f.Top_Image, {33, 0, 716, 109}},
        {f.Left_Image_Middle, {105, 189, 302, 202}},  {f.Left_Image_bottom, {32, 372, 73, 174}},
        {f.Right_Image_top, {738, 35, 44, 287}},      {f.Right_Image_bottom, {738, 321, 52, 233}},
        {f.Bottom_Image, {100, 517, 638, 37}},        {f.Top_Exit_Image_passive, {708, 38, 35, 28}},
        {f.Top_Exit_Image_active, {708, 38, 35, 28}}, {f.Ball_Hide_Panel_Image, {320, 76, 72, 113}},
        {f.Ball_Shato_Image, {341, 81, 63, 85}},      {f.Main_TVOut_Panel, {49, 43, 285, 240}},
        {f.Main_TVOut_Image, {0, 0, 285, 240}},       {f.Page_Control, {412, 72, 325, 320}},
        {f.glBevel_onMainForm, {0, 0, 789, 517}},
    };
    for (const auto& [control, place] : pieces) {
        SCOPED_TRACE(control->Name());
        EXPECT_EQ(Place(*control), place);
    }
    EXPECT_EQ(std::make_pair(f.Main_Logo_Image->Left(), f.Main_Logo_Image->Top()),
              std::make_pair(64, 393));
    EXPECT_EQ(std::make_pair(f.glGroupBox_Channels_Monitoring->Left(),
                             f.glGroupBox_Channels_Monitoring->Top()),
              std::make_pair(43, 303));
    EXPECT_EQ(std::make_pair(f.glLabel_Slogan->Left(), f.glLabel_Slogan->Top()),
              std::make_pair(255, 528));
    // Until the dialog is open the TV screen and the pages wait out of sight.
    EXPECT_FALSE(f.Main_TVOut_Panel->Visible());
    EXPECT_FALSE(f.Page_Control->Visible());
    EXPECT_TRUE(f.Top_Exit_Image_passive->Visible());
    EXPECT_TRUE(f.Top_Exit_Image_active->Visible());
}

TEST_F(Dialog_Skin, Pieces_Stack_With_The_Ball_Behind_And_The_Rest_Close_Picture_On_Top) {
    std::vector<std::string> windowless;
    for (const ui::Control* child : Form().Children()) {
        if (!child->Is_Windowed())
            windowless.push_back(child->Name());
    }
    ASSERT_GE(windowless.size(), 6u);
    EXPECT_EQ(windowless[0], "glBevel_onMainForm");
    EXPECT_EQ(windowless[1], "Ball_Shato_Image");
    const std::vector<std::string> top(windowless.end() - 4, windowless.end());
    EXPECT_EQ(top, (std::vector<std::string>{"glLabel_Slogan", "Top_Image", "Ball_Hide_Panel_Image",
                                             "Top_Exit_Image_passive"}));
    // Pure green is left out of every piece but the ball, whose white corner is.
    EXPECT_EQ(Form().Top_Image->Key_Colour(), RGB(0, 255, 0));
    EXPECT_EQ(Form().Top_Exit_Image_active->Key_Colour(), RGB(0, 255, 0));
    EXPECT_EQ(Form().Ball_Shato_Image->Key_Colour(), RGB(255, 255, 255));
}

TEST_F(Dialog_Skin, The_Window_And_The_TV_Screen_Are_Cut_To_Their_Outlines) {
    struct Case {
        HWND window;
        POINT point;
        bool inside;
    };
    HWND dialog = Form().Handle();
    HWND tv = Form().Main_TVOut_Panel->Handle();
    const Case cases[] = {
        {dialog, {400, 300}, true},                        // the middle
        {dialog, {1, 552}, false},                         // below the left bars
        {dialog, {788, 1}, false},                         // above the right bar
        {dialog, {800, 300}, false},                       // beyond the outline's right edge
        {tv, {142, 120}, true},      {tv, {0, 0}, false},  // the screen's rounded corner
        {tv, {284, 239}, false},
    };
    for (const Case& c : cases) {
        ui::Gdi_Region region(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(c.window, region.get()), ERROR);
        EXPECT_EQ(PtInRegion(region.get(), c.point.x, c.point.y) != FALSE, c.inside)
            << c.point.x << "," << c.point.y;
    }
    EXPECT_EQ(Form().Form_Outline.count(), 410);
    EXPECT_EQ(Form().TVOut_Outline.count(), 135);
    EXPECT_EQ(Form().Form_Outline.points[0].x, 32);
    EXPECT_EQ(Form().Form_Outline.points[0].y, 501);
}

// Every place the opening can end at on this screen.
std::set<std::pair<int, int>> Possible_Final_Places() {
    return Possible_Final_Places(
        Screen_Figures{Screen_HorzRes, WorkArea_HalfWidth, WorkArea_HalfHeight});
}

TEST_F(Dialog_Skin, The_Opening_Grows_To_Full_Size_And_Loads_The_Settings_Only_Then) {
    // Stored settings unlike the layout's, so that their arrival shows.
    Plain_Settings_Controls stored;
    stored.fps = !Form().CheckBox_FPS->Checked();
    stored.speed = Form().TrackBar_Scene_Speed->Position() == 2 ? 3 : 2;
    Apply_Settings(stored);
    const bool layout_fps = Form().CheckBox_FPS->Checked();
    const int layout_speed = Form().TrackBar_Scene_Speed->Position();

    Form().Show();
    ASSERT_TRUE(ui::The_Application().Has_Idle_Handler());
    RECT previous = Window_Rect();
    int steps = 0;
    while (ui::The_Application().Has_Idle_Handler() && steps < 100) {
        EXPECT_EQ(Form().CheckBox_FPS->Checked(), layout_fps);
        EXPECT_EQ(Form().TrackBar_Scene_Speed->Position(), layout_speed);
        EXPECT_FALSE(Form().Settings_Loaded);
        ui::The_Application().Raise_Idle();
        ++steps;
        const RECT now = Window_Rect();
        // Each step widens the window, or holds it at full width.
        EXPECT_GE(now.right - now.left, previous.right - previous.left);
        previous = now;
    }
    // 20 to 50 steps by the variant and its step size.
    EXPECT_GE(steps, 20);
    EXPECT_LE(steps, 50);
    const RECT open = Window_Rect();
    EXPECT_EQ(open.right - open.left, 789);
    EXPECT_EQ(open.bottom - open.top, 554);
    EXPECT_TRUE(Possible_Final_Places().contains({open.left, open.top}))
        << open.left << "," << open.top;
    EXPECT_TRUE(Form().Settings_Loaded);
    EXPECT_EQ(Form().CheckBox_FPS->Checked(), stored.fps);
    EXPECT_EQ(Form().TrackBar_Scene_Speed->Position(), stored.speed);
    EXPECT_TRUE(Form().Main_TVOut_Panel->Visible());
    EXPECT_TRUE(Form().Page_Control->Visible());
    EXPECT_GE(Form().Screenshot_Index, 0);
    EXPECT_LE(Form().Screenshot_Index, 4);

    // A second showing does not grow the dialog again.
    Form().Show();
    EXPECT_FALSE(ui::The_Application().Has_Idle_Handler());
}

TEST_F(Dialog_Skin, A_Close_While_Growing_Ends_The_Steps_And_Keeps_The_Stored_Settings) {
    Plain_Settings_Controls stored;
    stored.fps = !Form().CheckBox_FPS->Checked();
    Apply_Settings(stored);
    const std::string path = Dialog_Settings_Path();
    auto contents = [&path] {
        std::string text;
        if (FILE* file = std::fopen(path.c_str(), "rb")) {
            char buffer[512];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                text.append(buffer, got);
            std::fclose(file);
        }
        return text;
    };
    const std::string before = contents();
    ASSERT_FALSE(before.empty());

    Form().Show();
    ui::The_Application().Raise_Idle();
    PostMessageW(Form().Cancel_BitBtn->Handle(), BM_CLICK, 0, 0);
    // The close is handled inside the next step, which then stops for good.
    EXPECT_TRUE(ui::The_Application().Raise_Idle());
    EXPECT_FALSE(ui::The_Application().Has_Idle_Handler());
    EXPECT_FALSE(IsWindowVisible(Form().Handle()));
    EXPECT_EQ(contents(), before);
    // The loop that the close ended tidies up as the program's would.
    ui::The_Application().Run();
}

TEST_F(Dialog_Skin, The_Idle_Step_Goes_With_A_Dialog_Released_While_Growing) {
    Form().Show();
    ui::The_Application().Raise_Idle();
    ASSERT_TRUE(ui::The_Application().Has_Idle_Handler());
    ui::The_Application().Destroy_Forms();
    EXPECT_FALSE(ui::The_Application().Has_Idle_Handler());
    EXPECT_TRUE(ui::The_Application().Raise_Idle());
}

TEST_F(Dialog_Skin, The_Close_Button_Darkens_Under_The_Mouse_And_Brightens_Beside_It) {
    Form().Show();
    Run_Idle_Work();
    HWND dialog = Form().Handle();
    const POINT button{720, 50};
    const POINT beside{760, 200};  // the right upper bar
    auto move_to = [dialog](POINT point) {
        SendMessageW(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    };
    EXPECT_EQ(Form().Control_At(button), Form().Top_Exit_Image_passive);
    move_to(button);
    EXPECT_TRUE(Form().Exit_Hover);
    EXPECT_EQ(Form().Control_At(button), Form().Top_Exit_Image_active);
    move_to(button);  // the hovered picture has no handler: nothing changes
    EXPECT_EQ(Form().Control_At(button), Form().Top_Exit_Image_active);
    EXPECT_FALSE(Save_Window_Picture(dialog, "dialog_exit_hovered").empty());
    move_to(beside);
    EXPECT_FALSE(Form().Exit_Hover);
    EXPECT_EQ(Form().Control_At(button), Form().Top_Exit_Image_passive);
    EXPECT_FALSE(Save_Window_Picture(dialog, "dialog_open").empty());
}

TEST_F(Dialog_Skin, The_Slideshow_Reaches_The_Sixth_Picture_Then_Starts_Over) {
    Form().Screenshot_Index = 4;
    const std::vector<int> expected = {5, 0, 1};
    for (int index : expected) {
        Form().Sshots_Changer_TimerTimer(*Form().Sshots_Changer_Timer);
        EXPECT_EQ(Form().Screenshot_Index, index);
        const SIZE size = ui::Bitmap_Size(Form().Main_TVOut_Image->Picture());
        EXPECT_EQ(size.cx, 286);
        EXPECT_EQ(size.cy, 215);
    }
}

}  // namespace
