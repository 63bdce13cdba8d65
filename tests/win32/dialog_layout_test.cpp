// The settings dialog as built from its layout: the component tree against the layout table,
// the wiring of every event, and the details a user sees.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>

#include "app/startup_values.h"
#include "dialog/adjustment_form.h"
#include "form_test_support.h"
#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "ui/buttons.h"
#include "ui/caption_text.h"
#include "ui/component_name.h"
#include "ui/containers.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

using namespace form_test;

std::vector<ui::Component_Description> Layout_Table() {
    const auto bytes = Resource_Bytes(RT_RCDATA, Adjustment_Form_Layout_Name);
    return ui::Parse_Layout(std::string(bytes.begin(), bytes.end()));
}

class Dialog_Test : public testing::Test {
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
        EXPECT_TRUE(errors_.Messages().empty()) << errors_.Messages().front();
    }

    void Show() {
        form_->Show();
        Pump(100ms);
    }

    TAdjustment_Form& Form() { return *form_; }

    Temporary_Folder folder_;
    Recorded_Errors errors_;
    TAdjustment_Form* form_ = nullptr;
};

// Values FormCreate gives: the layout does not hold them.
const std::set<std::string> Captions_Set_At_Creation = {"Restore_BitBtn", "TabSheet_Sound",
                                                        "Main_TVOut_Panel"};
// Placed and shown by the skin at creation (their places are checked with the skin's).
const std::set<std::string> Placed_By_The_Skin = {
    "glBevel_onMainForm", "Top_Image", "Left_Image_top", "Left_Image_Middle",
    "Left_Image_bottom", "Right_Image_top", "Right_Image_bottom", "Bottom_Image",
    "Ball_Shato_Image", "Ball_Hide_Panel_Image", "Top_Exit_Image_active",
    "Top_Exit_Image_passive", "Main_Logo_Image", "glGroupBox_Channels_Monitoring",
    "Main_TVOut_Panel", "Main_TVOut_Image", "glLabel_Slogan", "Page_Control"};

TEST_F(Dialog_Test, The_Tree_Matches_The_Layout_Table) {
    const auto table = Layout_Table();
    ASSERT_EQ(Form().Components().size() + 1, table.size());
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        if (row.kind == "Form") {
            EXPECT_EQ(row.name, Form().Name());
            continue;
        }
        ui::Component* component = Form().Find_Component(row.name);
        ASSERT_NE(component, nullptr);
        EXPECT_EQ(component->Kind(), row.kind);
        auto* control = dynamic_cast<ui::Control*>(component);
        if (!control)
            continue;
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(control->Parent()->Name(), row.parent);

        const ui::Layout_Rect bounds = row.Bounds();
        const auto* label = dynamic_cast<const ui::Label*>(control);
        if (row.kind == "Tab_Sheet" || Placed_By_The_Skin.contains(row.name)) {
            // Pages fill the page control's display area.
        } else if (label && label->Auto_Size()) {
            EXPECT_EQ(control->Left(), bounds.left);
            EXPECT_EQ(control->Top(), bounds.top);
        } else {
            EXPECT_EQ(control->Bounds(), bounds);
        }
        if (!Captions_Set_At_Creation.contains(row.name)) {
            EXPECT_EQ(control->Caption(), row.Text("caption"));
        }
        if (row.kind != "Tab_Sheet" && !Placed_By_The_Skin.contains(row.name)) {
            EXPECT_EQ(control->Visible(), row.Flag("visible", true));
        }

        if (auto* windowed = dynamic_cast<ui::Win_Control*>(control)) {
            ASSERT_TRUE(windowed->Handle());
            EXPECT_EQ(ui::Component_Name_Of(windowed->Handle()), row.name);
            // A date picker's window text is the date it shows.
            if (row.kind != "Date_Picker") {
                EXPECT_EQ(Text_Of(windowed->Handle()), control->Caption());
            }
            EXPECT_EQ(GetAncestor(windowed->Handle(), GA_PARENT), control->Parent()->Handle());
            EXPECT_EQ(IsWindowEnabled(windowed->Handle()) != FALSE, row.Flag("enabled", true));
        }
    }
}

TEST_F(Dialog_Test, The_Form_Is_A_Borderless_Hidden_Window_With_Its_Caption) {
    HWND window = Form().Handle();
    EXPECT_EQ(Text_Of(window), "Quelvar ScreenSaver Settings");
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
    EXPECT_FALSE(IsWindowVisible(window));
    // Created as the opening's sliver: two pixels wide, two or the full height high.
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 2);
    EXPECT_TRUE(client.bottom == 2 || client.bottom == 554) << client.bottom;
    EXPECT_EQ(Form().Font().face, "Verdana");
    EXPECT_EQ(Form().Font().points, 8);
    EXPECT_EQ(Form().Font().code_page, 1251);
    EXPECT_EQ(Form().Back_Colour(), ui::colours::Button_Face);
    EXPECT_EQ(Adjustment_Form, &Form());
}

TEST_F(Dialog_Test, The_Five_Buttons) {
    struct Expected {
        ui::Push_Button* button;
        const char* caption;
        char accelerator;
        bool enabled;
        ui::Layout_Rect bounds;
    };
    const Expected buttons[] = {
        {Form().Cancel_BitBtn, "&Cancel", 'C', true, {564, 490, 95, 25}},
        {Form().Apply_BitBtn, "&Apply", 'A', false, {664, 490, 95, 25}},
        {Form().OK_BitBtn, "O&k", 'K', true, {464, 490, 95, 25}},
        {Form().Help_BitBtn, "&Help", 'H', true, {664, 428, 95, 57}},
        {Form().Restore_BitBtn, "&Restore\rDefaults", 'R', false, {564, 428, 95, 57}},
    };
    std::vector<const ui::Push_Button*> in_tab_order;
    for (ui::Control* child : Form().Children()) {
        if (auto* button = dynamic_cast<const ui::Push_Button*>(child))
            in_tab_order.push_back(button);
    }
    ASSERT_EQ(in_tab_order.size(), std::size(buttons));
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const Expected& expected = buttons[i];
        SCOPED_TRACE(expected.button->Name());
        EXPECT_EQ(in_tab_order[i], expected.button);
        EXPECT_EQ(Text_Of(expected.button->Handle()), expected.caption);
        EXPECT_EQ(ui::Accelerator_Of(expected.button->Caption()), expected.accelerator);
        EXPECT_EQ(expected.button->Enabled(), expected.enabled);
        EXPECT_EQ(expected.button->Bounds(), expected.bounds);
        EXPECT_EQ(expected.button->Cancel_Role(), expected.button == Form().Cancel_BitBtn);
        EXPECT_TRUE(expected.button->Show_Hint());
        EXPECT_EQ(expected.button->Font().points, 10);
        // No default button: Enter presses only the focused one.
        EXPECT_EQ(GetWindowLongPtrW(expected.button->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    }
    const std::string restore = Form().Restore_BitBtn->Caption();
    EXPECT_EQ(restore.size(), 17u);
    EXPECT_EQ(std::count(restore.begin(), restore.end(), '\r'), 1);
    EXPECT_EQ(restore.find('\n'), std::string::npos);
}

TEST_F(Dialog_Test, The_Pages_In_Order_With_Their_Tab_Captions) {
    const auto sheets = Form().Page_Control->Sheets();
    const std::pair<const char*, const char*> expected[] = {
        {"TabSheet_Main", "Main Controls"},
        {"TabSheet_Sound", " Music FX Volume"},
        {"TabSheet_About", "About"},
    };
    ASSERT_EQ(sheets.size(), std::size(expected));
    HWND tabs = Form().Page_Control->Handle();
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sheets[static_cast<std::size_t>(i)]->Name(), expected[i].first);
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(ui::Utf8(text), expected[i].second);
        EXPECT_EQ(sheets[static_cast<std::size_t>(i)]->Caption(), expected[i].second);
    }
}

TEST_F(Dialog_Test, Group_Captions_Keep_Their_Blanks) {
    struct Expected {
        const char* name;
        const char* text;
        std::size_t length;
    };
    const Expected groups[] = {
        {"glGroupBox_Video_Options", " Options", 75},
        {"glGroupBox_Camera_Speed", "  Scene speed mode", 67},
        {"glGroupBox_Preview_Control", " Music Effects Control", 47},
        {"glGroupBox_Volume_Music", " Music Volume Control", 68},
        {"glGroupBox_Current_Time", " Current time", 31},
        {"glGroupBox_Today_NOW", " TODAY is", 36},
        {"glGroupBox_CPU_Speed", " Processor Speed info", 28},
        {"glGroupBox_VideoMEM", " Video Card Info", 66},
        {"glGroupBox_GlobalMem", " Global RAM info", 27},
        {"GroupBox8", " About and Useful info ", 23},
    };
    for (const Expected& group : groups) {
        SCOPED_TRACE(group.name);
        const std::string caption = Form().Find<ui::Control>(group.name).Caption();
        EXPECT_EQ(caption.size(), group.length);
        EXPECT_EQ(caption.rfind(group.text, 0), 0u);
        EXPECT_EQ(caption.find_first_not_of(' ', std::string_view(group.text).size()),
                  std::string::npos);
    }
}

TEST_F(Dialog_Test, Image_Music3_Shows_The_Loudspeaker_Of_Image_Music2) {
    ui::Image& copy = *Form().Image_Music3;
    ui::Image& original = *Form().Image_Music2;
    ASSERT_TRUE(copy.Picture());
    EXPECT_NE(copy.Picture(), original.Picture());
    EXPECT_EQ(copy.Picture_Size().cx, 80);
    EXPECT_EQ(copy.Picture_Size().cy, 87);
    EXPECT_EQ(copy.Key_Colour(), original.Key_Colour());

    auto pixels = [](HBITMAP bitmap) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 80;
        info.bmiHeader.biHeight = 87;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        std::vector<std::uint32_t> data(80 * 87);
        ui::Window_Dc screen(nullptr);
        GetDIBits(screen.get(), bitmap, 0, 87, data.data(), &info, DIB_RGB_COLORS);
        return data;
    };
    EXPECT_EQ(pixels(copy.Picture()), pixels(original.Picture()));
}

TEST_F(Dialog_Test, Pictures_Of_The_Fixed_Images) {
    struct Expected {
        const char* name;
        int width;
        int height;
        bool stretch;
    };
    const Expected images[] = {
        {"Main_Logo_Image", 81, 94, false}, {"Image_Music4", 80, 70, true},
        {"Image_Music1", 232, 233, false},  {"Image_Music2", 80, 87, false},
        {"Image4", 51, 56, true},           {"Image6", 50, 50, false},
        {"Image9", 62, 62, true},
    };
    for (const Expected& expected : images) {
        SCOPED_TRACE(expected.name);
        const auto& image = Form().Find<ui::Image>(expected.name);
        EXPECT_EQ(image.Picture_Size().cx, expected.width);
        EXPECT_EQ(image.Picture_Size().cy, expected.height);
        EXPECT_EQ(image.Stretch(), expected.stretch);
        EXPECT_TRUE(image.Transparent());
        // White background: the bottom-left pixel.
        EXPECT_EQ(image.Key_Colour(), RGB(255, 255, 255));
    }
    EXPECT_FALSE(Form().Image_Molecule->Picture());
}

// Every handler and what it is wired to, as the dialog's description lists them.
TEST_F(Dialog_Test, Every_Event_Is_Wired_To_Its_Handler) {
    using Wiring = std::map<std::pair<std::string, std::string>, std::set<std::string>>;
    Wiring found;
    auto note = [&found](const char* event, const std::string& handler, const std::string& name) {
        if (!handler.empty())
            found[{event, handler}].insert(name);
    };
    auto note_component = [&](const ui::Component& component) {
        const std::string& name = component.Name();
        if (auto* control = dynamic_cast<const ui::Control*>(&component)) {
            note("click", control->On_Click.handler, name);
            note("dbl_click", control->On_Dbl_Click.handler, name);
            note("mouse_down", control->On_Mouse_Down.handler, name);
            note("mouse_up", control->On_Mouse_Up.handler, name);
            note("mouse_move", control->On_Mouse_Move.handler, name);
        }
        if (auto* windowed = dynamic_cast<const ui::Win_Control*>(&component)) {
            note("enter", windowed->On_Enter.handler, name);
            note("key_down", windowed->On_Key_Down.handler, name);
        }
        if (auto* bar = dynamic_cast<const ui::Track_Bar*>(&component))
            note("change", bar->On_Change.handler, name);
        if (auto* pages = dynamic_cast<const ui::Page_Control*>(&component))
            note("change", pages->On_Change.handler, name);
        if (auto* timer = dynamic_cast<const ui::Timer*>(&component))
            note("timer", timer->On_Timer.handler, name);
    };
    note_component(Form());
    note("create", Form().On_Create.handler, Form().Name());
    note("show", Form().On_Show.handler, Form().Name());
    note("close_query", Form().On_Close_Query.handler, Form().Name());
    note("hide", Form().On_Hide.handler, Form().Name());
    for (const auto& component : Form().Components())
        note_component(*component);

    const std::set<std::string> drag = {"Adjustment_Form",
                                        "SpecialFX_GroupBox",
                                        "glGroupBox_Links",
                                        "Label12",
                                        "Label11",
                                        "Panel1",
                                        "Panel2",
                                        "glLabel10",
                                        "glLabel_Slogan",
                                        "Main_TVOut_Panel",
                                        "Main_TVOut_Image",
                                        "glGroupBox_Channels_Monitoring",
                                        "MarqueeProgressBar1",
                                        "TabSheet_Main",
                                        "TabSheet_Sound",
                                        "TabSheet_About",
                                        "glGroupBox_Video_Options",
                                        "glGroupBox_Camera_Speed",
                                        "glLabel1",
                                        "glLabel2",
                                        "glLabel3",
                                        "glLabel4",
                                        "glLabel5",
                                        "glLabel6",
                                        "Image_Music1",
                                        "Image_Music2",
                                        "Image_Music3",
                                        "Image_Music4",
                                        "glGroupBox_Preview_Control",
                                        "glGroupBox_Volume_Music",
                                        "Label23",
                                        "Label35",
                                        "glProgressBar_Volume_Music",
                                        "GroupBox8",
                                        "Panel_Major_Update",
                                        "Image4",
                                        "glBevel5",
                                        "Label19",
                                        "Label17",
                                        "glGroupBox_Current_Time",
                                        "Time_Label",
                                        "glGroupBox_Today_NOW",
                                        "glGroupBox_CPU_Speed",
                                        "Label7",
                                        "Label_Mashine_CPU_speed",
                                        "glGroupBox_VideoMEM",
                                        "Label18",
                                        "Label_VideoCardMemo",
                                        "glGroupBox_GlobalMem",
                                        "Label5",
                                        "Label_RAM_Load",
                                        "Label6",
                                        "Label_RAM_Total",
                                        "glBevel_onMainForm",
                                        "Top_Image",
                                        "Left_Image_top",
                                        "Left_Image_Middle",
                                        "Left_Image_bottom",
                                        "Right_Image_top",
                                        "Right_Image_bottom",
                                        "Bottom_Image",
                                        "Ball_Hide_Panel_Image",
                                        "Ball_Shato_Image"};
    EXPECT_EQ(drag.size(), 62u + 1u);
    const std::set<std::string> option_controls = {
        "CheckBox_FPS",          "CheckBox_ExitMouse", "CheckBox_Time",  "TrackBar_Scene_Speed",
        "TrackBar_Volume_Music", "CheckBox_NoMusic",   "DateTimePicker1"};
    std::set<std::string> keys = {"Adjustment_Form", "Cancel_BitBtn", "Apply_BitBtn",
                                  "OK_BitBtn",       "Help_BitBtn",   "Restore_BitBtn",
                                  "Xdata_ListBox",   "Ydata_ListBox", "CheckBox_NoMusic"};
    keys.insert(option_controls.begin(), option_controls.end());

    const Wiring expected = {
        {{"create", "FormCreate"}, {"Adjustment_Form"}},
        {{"show", "FormShow"}, {"Adjustment_Form"}},
        {{"close_query", "FormCloseQuery"}, {"Adjustment_Form"}},
        {{"hide", "FormHide"}, {"Adjustment_Form"}},
        {{"key_down", "FormKeyDown"}, keys},
        {{"mouse_down", "FormMouseDown"}, drag},
        {{"mouse_move", "FormMouseMove"},
         {"Adjustment_Form", "Top_Image", "Left_Image_top", "Left_Image_Middle",
          "Left_Image_bottom", "Right_Image_top", "Right_Image_bottom", "Bottom_Image",
          "Ball_Hide_Panel_Image", "Main_TVOut_Panel", "Main_TVOut_Image", "Page_Control"}},
        {{"mouse_move", "Top_Exit_Image_passiveMouseMove"}, {"Top_Exit_Image_passive"}},
        {{"click", "Cancel_BitBtnClick"},
         {"Cancel_BitBtn", "Top_Exit_Image_passive", "Top_Exit_Image_active"}},
        {{"dbl_click", "Cancel_BitBtnClick"},
         {"Top_Image", "Left_Image_top", "Right_Image_top", "Right_Image_bottom"}},
        {{"click", "OK_BitBtnClick"}, {"OK_BitBtn"}},
        {{"click", "Apply_BitBtnClick"}, {"Apply_BitBtn"}},
        {{"click", "Help_BitBtnClick"}, {"Help_BitBtn"}},
        {{"click", "Restore_BitBtnClick"}, {"Restore_BitBtn"}},
        {{"mouse_down", "Main_Logo_ImageMouseDown"},
         {"Main_Logo_Image", "Image6", "Image9", "Image_Molecule"}},
        {{"click", "Label13Click"}, {"Label13"}},
        {{"click", "Label14Click"}, {"Label14"}},
        {{"mouse_move", "Label13MouseMove"}, {"Label13"}},
        {{"mouse_move", "Label14MouseMove"}, {"Label14"}},
        {{"mouse_move", "SpecialFX_GroupBoxMouseMove"},
         {"SpecialFX_GroupBox", "glGroupBox_Links", "glGroupBox_Channels_Monitoring"}},
        {{"enter", "CheckBox_ExitMouseEnter"}, option_controls},
        {{"enter", "glGroupBox_MusicSelectEnter"}, {"glGroupBox_Volume_Music"}},
        {{"click", "CheckBox_NoMusicClick"}, {"CheckBox_NoMusic"}},
        {{"change", "TrackBar_Volume_MusicChange"}, {"TrackBar_Volume_Music"}},
        {{"click", "Label22Click"}, {"Label22"}},
        {{"change", "Page_ControlChange"}, {"Page_Control"}},
        {{"timer", "Current_TimerTimer"}, {"Current_Timer"}},
        {{"timer", "Sshots_Changer_TimerTimer"}, {"Sshots_Changer_Timer"}},
    };
    for (const auto& [event, names] : expected)
        EXPECT_EQ(found[event], names) << event.first << " " << event.second;
    for (const auto& [event, names] : found)
        EXPECT_TRUE(expected.contains(event))
            << "unexpected " << event.first << " " << event.second;
}

TEST_F(Dialog_Test, A_Press_On_A_Music_Picture_Drags_The_Window) {
    for (ui::Image* music :
         {Form().Image_Music1, Form().Image_Music2, Form().Image_Music3, Form().Image_Music4}) {
        EXPECT_EQ(music->On_Mouse_Down.handler, "FormMouseDown") << music->Name();
        EXPECT_TRUE(music->On_Mouse_Down);
    }
}

TEST_F(Dialog_Test, Hidden_Until_Shown_Then_The_Open_Set_Up) {
    EXPECT_FALSE(Form().Page_Control->Visible());
    EXPECT_FALSE(Form().Main_TVOut_Panel->Visible());
    EXPECT_FALSE(Form().MarqueeProgressBar1->Visible());
    EXPECT_FALSE(Form().Xdata_ListBox->Visible());
    EXPECT_EQ(Form().glProgressBar_Volume_Music->Caption(), "progress...[%d%%]");

    Show();
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
    EXPECT_TRUE(IsWindowVisible(Form().Page_Control->Handle()));
    EXPECT_EQ(Form().Page_Control->Active_Page(), Form().TabSheet_Main);
    EXPECT_TRUE(IsWindowVisible(Form().TabSheet_Main->Handle()));
    EXPECT_FALSE(IsWindowVisible(Form().TabSheet_Sound->Handle()));
    EXPECT_TRUE(Form().Main_TVOut_Panel->Visible());
    EXPECT_EQ(Form().MarqueeProgressBar1->Bounds(), (ui::Layout_Rect{44, 294, 241, 5}));
    EXPECT_TRUE(IsWindowVisible(Form().MarqueeProgressBar1->Handle()));
    EXPECT_EQ(Form().glProgressBar_Volume_Music->Caption(), "");
    EXPECT_TRUE(Form().glProgressBar_Volume_Music->Fill_Colours().reversed);
    EXPECT_EQ(Form().TrackBar_Scene_Speed->Width(), 52);
    EXPECT_EQ(Form().TrackBar_Scene_Speed->Thumb_Length(), 36);
    EXPECT_EQ(Form().TrackBar_Volume_Music->Thumb_Length(), 20);
    for (const ui::Track_Bar* bar : {Form().TrackBar_Scene_Speed, Form().TrackBar_Volume_Music}) {
        EXPECT_EQ(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBS_ENABLESELRANGE, 0)
            << bar->Name();
    }
    EXPECT_FALSE(Form().Xdata_ListBox->Visible());
    EXPECT_FALSE(Form().Ydata_ListBox->Visible());
}

TEST_F(Dialog_Test, The_Track_Bars_Read_From_Top_To_Bottom) {
    struct Expected {
        const ui::Track_Bar* bar;
        int min;
        int max;
        int position;
        ui::Track_Bar::Tick_Style ticks;
    };
    const Expected bars[] = {
        {Form().TrackBar_Scene_Speed, 1, 15, 4, ui::Track_Bar::Tick_Style::Auto},
        {Form().TrackBar_Volume_Music, 0, 100, 50, ui::Track_Bar::Tick_Style::None},
    };
    for (const Expected& expected : bars) {
        SCOPED_TRACE(expected.bar->Name());
        HWND window = expected.bar->Handle();
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_TRUE(style & TBS_VERT);
        EXPECT_TRUE(style & TBS_BOTH);
        EXPECT_EQ((style & TBS_NOTICKS) != 0, expected.ticks == ui::Track_Bar::Tick_Style::None);
        EXPECT_EQ(SendMessageW(window, TBM_GETRANGEMIN, 0, 0), expected.min);
        EXPECT_EQ(SendMessageW(window, TBM_GETRANGEMAX, 0, 0), expected.max);
        EXPECT_EQ(SendMessageW(window, TBM_GETPOS, 0, 0), expected.position);
        // The minimum lies at the top: the thumb of the lowest position is the highest.
        RECT at_min{}, at_max{};
        SendMessageW(window, TBM_SETPOS, TRUE, expected.min);
        SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&at_min));
        SendMessageW(window, TBM_SETPOS, TRUE, expected.max);
        SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&at_max));
        EXPECT_LT(at_min.top, at_max.top);
        SendMessageW(window, TBM_SETPOS, TRUE, expected.position);
    }
    EXPECT_EQ(SendMessageW(Form().TrackBar_Scene_Speed->Handle(), TBM_GETSELSTART, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Form().TrackBar_Scene_Speed->Handle(), TBM_GETSELEND, 0, 0), 5);

    // The marks "slow" to "extreme" read downwards beside the bar.
    int last_top = -1;
    for (const char* mark :
         {"glLabel5", "glLabel2", "glLabel3", "glLabel4", "glLabel1", "glLabel6"}) {
        const auto& label = Form().Find<ui::Gradient_Label>(mark);
        EXPECT_GT(label.Top(), last_top) << mark;
        last_top = label.Top();
    }
    EXPECT_LT(Form().Find<ui::Label>("Label23").Top(), Form().Label35->Top());
}

TEST_F(Dialog_Test, Hints_That_Are_Switched_On) {
    struct Expected {
        const char* name;
        const char* hint;
    };
    const Expected hints[] = {
        {"Cancel_BitBtn", " Discard All Settings and Exit "},
        {"Apply_BitBtn", " Apply All Settings and Save it ( not Exit )"},
        {"OK_BitBtn", " Apply and Exit Settings "},
        {"Help_BitBtn", " Click here to get Help "},
        {"Restore_BitBtn", " This is the most light way to Restore Defaults "},
        {"Main_Logo_Image", " Click to check out other super screen savers! "},
        {"Main_TVOut_Panel", " In FULL Screen use Key  -\" F1 \"- for operative Help ! "},
        {"Label22", " Click to Restore Defaults! "},
        {"Time_Label", "Текущее время"},
        {"DateTimePicker1", "Какой сегодня день ..."},
    };
    std::set<std::string> with_hints;
    for (const auto& component : Form().Components()) {
        auto* control = dynamic_cast<const ui::Control*>(component.get());
        if (control && control->Show_Hint())
            with_hints.insert(control->Name());
    }
    EXPECT_EQ(with_hints.size(), std::size(hints));
    for (const Expected& expected : hints) {
        const auto& control = Form().Find<ui::Control>(expected.name);
        EXPECT_TRUE(control.Show_Hint()) << expected.name;
        EXPECT_EQ(control.Hint(), expected.hint) << expected.name;
    }
}

TEST_F(Dialog_Test, Fonts_And_Colours_Of_The_Texts) {
    struct Expected {
        const char* name;
        int points;
        ui::Colour colour;
        int code_page;
    };
    const Expected texts[] = {
        {"CheckBox_FPS", 8, ui::colours::Black, 1252},
        {"CheckBox_NoMusic", 8, ui::Colour::System(ui::System_Colour::Active_Caption), 1251},
        {"Label23", 8, ui::colours::Blue, 1251},
        {"Label35", 8, ui::colours::Blue, 1251},
        {"Time_Label", 12, ui::colours::Purple, 1251},
        {"Label7", 8, ui::colours::Black, 1252},
        {"DateTimePicker1", 10, ui::colours::Teal, 1251},
        {"glLabel5", 8, ui::colours::Window_Text, 1252},
        {"Cancel_BitBtn", 10, ui::colours::Black, 1251},
    };
    for (const Expected& expected : texts) {
        SCOPED_TRACE(expected.name);
        const auto& font = Form().Find<ui::Control>(expected.name).Font();
        EXPECT_EQ(font.face, "Verdana");
        EXPECT_EQ(font.points, expected.points);
        EXPECT_EQ(font.colour, expected.colour);
        EXPECT_EQ(font.code_page, expected.code_page);
    }
    const auto& link = Form().Find<ui::Label>("Label22");
    EXPECT_TRUE(link.Font().underline);
    EXPECT_EQ(link.Cursor(), ui::Cursor_Shape::Hand);
}

}  // namespace
