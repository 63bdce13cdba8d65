// The settings dialog's behaviour in process, through the application's own loop: what enables
// Apply and Restore, the volume read-outs, Restore Defaults, the About page's figures and clock,
// F1, the links and the pictures that open pages, and the skin's ways out.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "../e2e/shell_open_recorder.h"
#include "app/links.h"
#include "app/startup_texts.h"
#include "app/startup_values.h"
#include "config/settings_files_text.h"
#include "config/settings_rules.h"
#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "dialog/readouts.h"
#include "form_test_support.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/date_picker.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

using namespace form_test;

std::string File_Text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A control's middle, in the client area of the window that receives its mouse input.
POINT Middle_Of(const ui::Control& control) {
    if (control.Is_Windowed())
        return {control.Width() / 2, control.Height() / 2};
    return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}

HWND Mouse_Window_Of(const ui::Control& control) {
    if (const auto* windowed = dynamic_cast<const ui::Win_Control*>(&control))
        return windowed->Handle();
    return control.Parent()->Handle();
}

void Post_Mouse(const ui::Control& control, UINT message, WPARAM keys = 0) {
    const POINT at = Middle_Of(control);
    PostMessageW(Mouse_Window_Of(control), message, keys, MAKELPARAM(at.x, at.y));
}

void Click(const ui::Control& control) {
    Post_Mouse(control, WM_MOUSEMOVE);
    Post_Mouse(control, WM_LBUTTONDOWN, MK_LBUTTON);
    Post_Mouse(control, WM_LBUTTONUP);
    Pump();
}

// The user clicks a page's tab.
void Click_Tab(const ui::Page_Control& pages, const ui::Tab_Sheet& page) {
    RECT tab{};
    SendMessageW(pages.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(page.Page_Index()),
                 reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    PostMessageW(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(pages.Handle(), WM_LBUTTONUP, 0, at);
    Pump();
}

std::string Help_Page() {
    return Info_Dir + "help.html";
}

class Dialog_Behaviour : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::The_Application().Initialize();
        ui::The_Application().Set_Title(std::string(Application_Title));
    }

    void SetUp() override {
        Install_Dir = folder_.Path();
        Info_Dir = Info_Dir_For(Install_Dir);
        Support_URL = Support_Page_For(Site_URL);
        Product_Page_URL = Product_Page_For(Site_URL, Application_Title);
        form_ = &ui::The_Application().Create_Form<TAdjustment_Form>();
    }

    void TearDown() override { ui::The_Application().Destroy_Forms(); }

    // Shown and grown to its size, with the stored settings in the controls.
    void Open() {
        Form().Show();
        for (int i = 0; i < 2000 && !Form().Page_Control->Visible(); ++i) {
            ui::The_Application().Process_Messages();
            if (ui::The_Application().Raise_Idle())
                Sleep(5);
        }
        ASSERT_TRUE(Form().Page_Control->Visible());
        Pump();
    }

    void Untouched() {
        Form().Apply_BitBtn->Set_Enabled(false);
        Form().Restore_BitBtn->Set_Enabled(false);
    }

    std::pair<bool, bool> Apply_And_Restore() {
        return {Form().Apply_BitBtn->Enabled(), Form().Restore_BitBtn->Enabled()};
    }

    TAdjustment_Form& Form() { return *form_; }

    Temporary_Folder folder_;
    Recorded_Errors errors_;
    TAdjustment_Form* form_ = nullptr;
};

// ---- Apply and Restore ----

struct Enabling_Case {
    const char* name;
    void (*before)(TAdjustment_Form&);  // while the buttons are still as they were
    void (*act)(TAdjustment_Form&);
    bool apply_enabled;
    bool restore_enabled;
    bool start_touched = false;
};

void Nothing(TAdjustment_Form&) {}
void Focus_Cancel(TAdjustment_Form& form) {
    form.Cancel_BitBtn->Set_Focus();
}

const Enabling_Case Enabling_Cases[] = {
    {"fps box clicked", Focus_Cancel, [](TAdjustment_Form& f) { Click(*f.CheckBox_FPS); }, true,
     true},
    {"exit box focused", Focus_Cancel,
     [](TAdjustment_Form& f) { f.CheckBox_ExitMouse->Set_Focus(); }, true, true},
    {"clock box focused", Focus_Cancel, [](TAdjustment_Form& f) { f.CheckBox_Time->Set_Focus(); },
     true, true},
    {"tab onto the speed bar", [](TAdjustment_Form& f) { f.CheckBox_Time->Set_Focus(); },
     [](TAdjustment_Form&) { Press_Key(GetFocus(), VK_TAB); }, true, true},
    {"mute box focused",
     [](TAdjustment_Form& f) {
         f.Page_Control->Set_Active_Page(*f.TabSheet_Sound);
         f.Cancel_BitBtn->Set_Focus();
     },
     [](TAdjustment_Form& f) { f.CheckBox_NoMusic->Set_Focus(); }, true, true},
    {"volume bar clicked", Focus_Cancel,
     [](TAdjustment_Form& f) { Click(*f.TrackBar_Volume_Music); }, true, true},
    {"date picker focused",
     [](TAdjustment_Form& f) {
         f.Page_Control->Set_Active_Page(*f.TabSheet_About);
         f.Cancel_BitBtn->Set_Focus();
     },
     [](TAdjustment_Form& f) { f.DateTimePicker1->Set_Focus(); }, true, true},
    {"page chosen by the user", Nothing,
     [](TAdjustment_Form& f) { Click_Tab(*f.Page_Control, *f.TabSheet_Sound); }, true, true},
    {"page chosen by a program step", Nothing,
     [](TAdjustment_Form& f) { f.Page_Control->Set_Active_Page(*f.TabSheet_Main); }, false, false},
    {"space on the focused fps box", [](TAdjustment_Form& f) { f.CheckBox_FPS->Set_Focus(); },
     [](TAdjustment_Form&) { Press_Key(GetFocus(), VK_SPACE); }, false, false},
    {"arrow on the focused speed bar",
     [](TAdjustment_Form& f) { f.TrackBar_Scene_Speed->Set_Focus(); },
     [](TAdjustment_Form&) { Press_Key(GetFocus(), VK_DOWN); }, false, false},
    {"music volume clicked",
     [](TAdjustment_Form& f) {
         f.Page_Control->Set_Active_Page(*f.TabSheet_Sound);
         f.Cancel_BitBtn->Set_Focus();
     },
     [](TAdjustment_Form& f) { Click(f.Find<ui::Label>("Label22")); }, false, false},
    {"apply pressed", Focus_Cancel, [](TAdjustment_Form& f) { Click(*f.Apply_BitBtn); }, false,
     true, true},
    {"restore pressed", Focus_Cancel, [](TAdjustment_Form& f) { Click(*f.Restore_BitBtn); }, false,
     false, true},
};

TEST_F(Dialog_Behaviour, Only_Focus_Entering_An_Option_Or_A_Page_Change_Enables_Apply_And_Restore) {
    Open();
    for (const Enabling_Case& row : Enabling_Cases) {
        Form().Page_Control->Set_Active_Page(*Form().TabSheet_Main);
        Pump();
        row.before(Form());
        Pump();
        Untouched();
        if (row.start_touched) {
            Form().Apply_BitBtn->Set_Enabled(true);
            Form().Restore_BitBtn->Set_Enabled(true);
        }
        row.act(Form());
        Pump();
        EXPECT_EQ(Apply_And_Restore(), std::make_pair(row.apply_enabled, row.restore_enabled))
            << row.name;
    }
    EXPECT_TRUE(errors_.Messages().empty());
}

// ---- The sound page ----

TEST_F(Dialog_Behaviour, The_Volume_Read_Outs_Follow_The_Bar_And_Restore_Brings_Back_The_Defaults) {
    Open();
    Form().Page_Control->Set_Active_Page(*Form().TabSheet_Sound);
    Pump();
    struct Reading {
        int position;
        const char* figure;
        int percent;
    };
    for (const Reading& reading : {Reading{100, "0", 1}, Reading{73, "27", 28},
                                   Reading{50, "50", 51}, Reading{0, "100", 101}}) {
        Form().TrackBar_Volume_Music->Set_Position(reading.position);
        EXPECT_EQ(Form().Label35->Caption(), reading.figure) << reading.position;
        EXPECT_EQ(Form().glProgressBar_Volume_Music->Percent(), reading.percent);
    }
    // The user's own keys: End takes the thumb to the bottom.
    Form().TrackBar_Volume_Music->Set_Focus();
    Press_Key(Form().TrackBar_Volume_Music->Handle(), VK_END);
    EXPECT_EQ(Form().Label35->Caption(), "0");
    EXPECT_EQ(Form().glProgressBar_Volume_Music->Percent(), 1);
    Press_Key(Form().TrackBar_Volume_Music->Handle(), VK_HOME);
    EXPECT_EQ(Form().glProgressBar_Volume_Music->Percent(), 101);
    Pump(200ms);
    EXPECT_FALSE(Save_Window_Picture(Form().Handle(), "dialog_volume_at_the_top").empty());

    // "Music volume" puts the thumb in the middle, and again changes nothing.
    ui::Label& music_volume = Form().Find<ui::Label>("Label22");
    for (int round = 0; round < 2; ++round) {
        Click(music_volume);
        EXPECT_EQ(Form().TrackBar_Volume_Music->Position(), 50);
        EXPECT_EQ(Form().Label35->Caption(), "50");
        EXPECT_EQ(Form().glProgressBar_Volume_Music->Percent(), 51);
    }

    // Restore Defaults: the page stays, the mute box clears and the volume group comes back.
    Form().CheckBox_NoMusic->Set_Checked(true);
    Form().CheckBox_FPS->Set_Checked(true);
    Form().TrackBar_Volume_Music->Set_Position(10);
    Apply_Settings(Form());
    Form().Restore_BitBtn->Set_Enabled(true);
    Click(*Form().Restore_BitBtn);
    EXPECT_EQ(Form().Page_Control->Active_Page(), Form().TabSheet_Sound);
    EXPECT_TRUE(Form().Page_Control->Visible());
    EXPECT_TRUE(Form().glGroupBox_Volume_Music->Visible());
    EXPECT_FALSE(Form().CheckBox_NoMusic->Checked());
    EXPECT_FALSE(Form().CheckBox_FPS->Checked());
    EXPECT_EQ(Form().TrackBar_Volume_Music->Position(), Default_Volume_Position);
    EXPECT_EQ(Form().Label35->Caption(), "50");
    EXPECT_EQ(Apply_And_Restore(), std::make_pair(false, false));
    EXPECT_EQ(File_Text(Dialog_Settings_Path()).find('='), std::string::npos);
    EXPECT_TRUE(errors_.Messages().empty());
}

// ---- The About page ----

// The time text, in the user's format, of now less some seconds.
std::string Time_Text_Seconds_Ago(int seconds) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= static_cast<ULONGLONG>(seconds) * 10'000'000;
    const FILETIME then{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    FileTimeToSystemTime(&then, &universal);
    SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
    char text[128] = {};
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &local, nullptr, text, 128);
    return std::string(text, static_cast<std::size_t>(length > 0 ? length - 1 : 0));
}

TEST_F(Dialog_Behaviour, The_About_Page_Measures_Once_And_Its_Clock_Runs_Only_In_Front) {
    Open();
    ui::Label* figures[] = {Form().Label_Mashine_CPU_speed, Form().Label_VideoCardMemo,
                            Form().Label_RAM_Load, Form().Label_RAM_Total};
    // Another page first: the About page stays as laid out.
    Click_Tab(*Form().Page_Control, *Form().TabSheet_Sound);
    EXPECT_FALSE(Form().Current_Timer->Enabled());
    for (ui::Label* figure : figures)
        EXPECT_EQ(figure->Caption(), "000") << figure->Name();
    EXPECT_EQ(Form().Image_Molecule->Picture(), nullptr);

    Click_Tab(*Form().Page_Control, *Form().TabSheet_About);
    EXPECT_TRUE(Form().Current_Timer->Enabled());
    const auto ends_with = [](const std::string& text, const std::string& end) {
        return text.size() > end.size() && text.ends_with(end) &&
               text.find_first_not_of("0123456789") == text.size() - end.size();
    };
    EXPECT_TRUE(ends_with(Form().Label_Mashine_CPU_speed->Caption(), " MHz"))
        << Form().Label_Mashine_CPU_speed->Caption();
    EXPECT_TRUE(ends_with(Form().Label_VideoCardMemo->Caption(), " Mb"))
        << Form().Label_VideoCardMemo->Caption();
    EXPECT_TRUE(ends_with(Form().Label_RAM_Load->Caption(), "%"))
        << Form().Label_RAM_Load->Caption();
    EXPECT_TRUE(ends_with(Form().Label_RAM_Total->Caption(), " Mb"))
        << Form().Label_RAM_Total->Caption();
    EXPECT_NE(Form().Image_Molecule->Picture(), nullptr);
    SYSTEMTIME today{};
    GetLocalTime(&today);
    const SYSTEMTIME shown = Form().DateTimePicker1->Date();
    EXPECT_EQ(std::make_tuple(shown.wYear, shown.wMonth, shown.wDay),
              std::make_tuple(today.wYear, today.wMonth, today.wDay));

    // The clock ticks while the page is in front.
    Pump(1300ms);
    const std::string caption = Form().Time_Label->Caption();
    // Written by the last tick, at most a second or two ago.
    EXPECT_TRUE(caption == Clock_Caption(Time_Text_Seconds_Ago(0)) ||
                caption == Clock_Caption(Time_Text_Seconds_Ago(1)) ||
                caption == Clock_Caption(Time_Text_Seconds_Ago(2)))
        << caption;
    Form().Repaint();
    Pump(100ms);
    EXPECT_FALSE(Save_Window_Picture(Form().Handle(), "dialog_about_filled").empty());

    // Away and back: the clock stops and starts again; nothing is measured twice.
    for (ui::Label* figure : figures)
        figure->Set_Caption("kept");
    Click_Tab(*Form().Page_Control, *Form().TabSheet_Main);
    EXPECT_FALSE(Form().Current_Timer->Enabled());
    Form().Time_Label->Set_Caption("stopped");
    Pump(1300ms);
    EXPECT_EQ(Form().Time_Label->Caption(), "stopped");
    Click_Tab(*Form().Page_Control, *Form().TabSheet_About);
    EXPECT_TRUE(Form().Current_Timer->Enabled());
    for (ui::Label* figure : figures)
        EXPECT_EQ(figure->Caption(), "kept") << figure->Name();
    EXPECT_TRUE(errors_.Messages().empty());
}

// ---- Pages opened through the shell ----

std::string Recorder_Path() {
    char path[MAX_PATH + 1] = {};
    std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    // This program lives in tests\win32 below the build folder, the recorder in tests\e2e.
    full = full.substr(0, full.find_last_of('\\'));
    full = full.substr(0, full.find_last_of('\\'));
    return full + "\\e2e\\open_recorder.exe";
}

TEST_F(Dialog_Behaviour, F1_The_Links_And_The_Pictures_Open_Their_Pages) {
    CreateDirectoryA(Info_Dir.c_str(), nullptr);
    std::ofstream(Help_Page()) << "<html></html>";
    Shell_Open_Recorder recorder(Recorder_Path(), folder_.Path() + "opened.log");
    recorder.Wait_A_Little = [] { Pump(100ms); };
    Open();
    Form().Apply_BitBtn->Set_Enabled(true);
    Form().Restore_BitBtn->Set_Enabled(true);

    // F1 from the tab strip does nothing; from every control wired to the form it opens help.
    Press_Key(Form().Page_Control->Handle(), VK_F1);
    std::vector<Shell_Open_Recorder::Opening> expected;
    const ui::Win_Control* wired[] = {
        Form().Cancel_BitBtn,        Form().Apply_BitBtn,          Form().OK_BitBtn,
        Form().Help_BitBtn,          Form().Restore_BitBtn,        Form().CheckBox_FPS,
        Form().CheckBox_ExitMouse,   Form().CheckBox_Time,         Form().CheckBox_NoMusic,
        Form().TrackBar_Scene_Speed, Form().TrackBar_Volume_Music, Form().DateTimePicker1};
    for (const ui::Win_Control* control : wired) {
        Press_Key(control->Handle(), VK_F1);
        expected.push_back({Help_Page(), SW_SHOWMAXIMIZED});
    }
    EXPECT_EQ(recorder.Opened(expected.size()), expected);
    Pump(1000ms);  // a late opening from the tab strip would show up now
    EXPECT_EQ(recorder.Opened().size(), expected.size());

    // The links: fuchsia under the mouse, blue when the mouse is on the other link or on the
    // strips, maroon once clicked.
    ui::Label& support = *Form().Label13;
    ui::Label& product = *Form().Label14;
    const auto colours = [&] {
        return std::make_pair(support.Font().colour, product.Font().colour);
    };
    using ui::colours::Blue;
    using ui::colours::Fuchsia;
    using ui::colours::Maroon;
    EXPECT_EQ(colours(), std::make_pair(Blue, Blue));
    Post_Mouse(support, WM_MOUSEMOVE);
    Pump();
    EXPECT_EQ(colours(), std::make_pair(Fuchsia, Blue));
    Post_Mouse(product, WM_MOUSEMOVE);
    Pump();
    EXPECT_EQ(colours(), std::make_pair(Blue, Fuchsia));
    PostMessageW(Form().SpecialFX_GroupBox->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    Pump();
    EXPECT_EQ(colours(), std::make_pair(Blue, Blue));

    Click(support);
    EXPECT_EQ(support.Font().colour, Maroon);
    expected.push_back({Support_URL, SW_SHOWMAXIMIZED});
    EXPECT_EQ(recorder.Opened(expected.size()), expected);
    Click(product);
    EXPECT_EQ(colours(), std::make_pair(Blue, Maroon));
    expected.push_back({Product_Page_URL, SW_SHOWMAXIMIZED});
    EXPECT_EQ(recorder.Opened(expected.size()), expected);

    // Any button on the logo and the three other pictures; the window stays where it is.
    Click_Tab(*Form().Page_Control, *Form().TabSheet_About);
    RECT before{};
    GetWindowRect(Form().Handle(), &before);
    Post_Mouse(*Form().Main_Logo_Image, WM_RBUTTONDOWN, MK_RBUTTON);
    Post_Mouse(*Form().Main_Logo_Image, WM_RBUTTONUP);
    for (const char* picture : {"Image6", "Image9", "Image_Molecule"}) {
        Post_Mouse(Form().Find<ui::Image>(picture), WM_LBUTTONDOWN, MK_LBUTTON);
        Post_Mouse(Form().Find<ui::Image>(picture), WM_LBUTTONUP);
    }
    Pump();
    for (int i = 0; i < 4; ++i)
        expected.push_back({Product_Page_URL, SW_SHOWMAXIMIZED});
    EXPECT_EQ(recorder.Opened(expected.size()), expected);
    RECT after{};
    GetWindowRect(Form().Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_TRUE(errors_.Messages().empty());
}

// ---- The skin's ways out ----

bool Gave_Up = false;

void CALLBACK Give_Up(HWND, UINT, UINT_PTR, DWORD) {
    Gave_Up = true;
    PostQuitMessage(0);
}

struct Skin_Way_Out {
    const char* name;
    void (*leave)(TAdjustment_Form&);
};

class Skin_Ways_Out : public Dialog_Behaviour, public testing::WithParamInterface<Skin_Way_Out> {};

TEST_P(Skin_Ways_Out, Save_The_Change_And_End_The_Loop) {
    Open();
    Form().CheckBox_FPS->Set_Checked(true);
    GetParam().leave(Form());
    Gave_Up = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 8000, &Give_Up);
    ui::The_Application().Run();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(Gave_Up);
    EXPECT_EQ(Adjustment_Form, nullptr);
    Control_States changed{true,
                           Default_Time_Checked,
                           Default_Exit_Mouse_Checked,
                           Default_No_Music_Checked,
                           Default_Volume_Position,
                           Default_Speed_Position};
    EXPECT_EQ(File_Text(Engine_Settings_Path()), Engine_File_Text(changed));
    EXPECT_EQ(File_Text(Dialog_Settings_Path()), Dialog_File_Text(changed));
}

INSTANTIATE_TEST_SUITE_P(
    Mouse, Skin_Ways_Out,
    testing::Values(
        Skin_Way_Out{"close_image_clicked",
                     [](TAdjustment_Form& form) {
                         Post_Mouse(*form.Top_Exit_Image_passive, WM_MOUSEMOVE);
                         Post_Mouse(*form.Top_Exit_Image_passive, WM_LBUTTONDOWN, MK_LBUTTON);
                         Post_Mouse(*form.Top_Exit_Image_passive, WM_LBUTTONUP);
                     }},
        // The second press of a double click, and its release, which ends the window drag
        // that every press on a skin piece starts.
        Skin_Way_Out{"top_piece_double_clicked",
                     [](TAdjustment_Form& form) {
                         Post_Mouse(*form.Top_Image, WM_LBUTTONDBLCLK, MK_LBUTTON);
                         Post_Mouse(*form.Top_Image, WM_LBUTTONUP);
                     }}),
    [](const testing::TestParamInfo<Skin_Way_Out>& info) { return std::string(info.param.name); });

}  // namespace
