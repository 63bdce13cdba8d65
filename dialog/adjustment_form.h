#pragma once
// The settings dialog, TAdjustment_Form: built from its layout (the resource TADJUSTMENT_FORM),
// its components reached by the names the layout gives them, its behaviour in the handlers the
// layout wires. The controls that hold the six settings are the settings' one home; the store
// reaches them through Settings_Controls.

#include "config/settings_controls.h"
#include "dialog/opening_animation.h"
#include "dialog/opening_idle.h"
#include "resources/points_list.h"
#include "ui/form.h"

namespace ui {
class Bevel;
class Check_Box;
class Date_Picker;
class Gradient_Bevel;
class Gradient_Group_Box;
class Gradient_Label;
class Gradient_Progress_Bar;
class Group_Box;
class Image;
class Label;
class List_Box;
class Marquee_Progress_Bar;
class Page_Control;
class Panel;
class Push_Button;
class Tab_Sheet;
class Timer;
class Track_Bar;
}  // namespace ui

class TAdjustment_Form : public ui::Form, public Settings_Controls {
  public:
    // Builds the dialog from its layout and runs FormCreate; the dialog starts hidden.
    TAdjustment_Form();
    ~TAdjustment_Form() override;

    // ---- Handlers, by the names the layout wires them to ----
    void FormCreate(ui::Component& Sender);
    void FormShow(ui::Component& Sender);
    void FormCloseQuery(ui::Component& Sender, bool& CanClose);
    void FormHide(ui::Component& Sender);
    void FormKeyDown(ui::Component& Sender, WORD& Key, ui::Shift_State Shift);
    void FormMouseDown(ui::Component& Sender, ui::Mouse_Button Button, ui::Shift_State Shift, int X,
                       int Y);
    void FormMouseMove(ui::Component& Sender, ui::Shift_State Shift, int X, int Y);
    void Top_Exit_Image_passiveMouseMove(ui::Component& Sender, ui::Shift_State Shift, int X,
                                         int Y);
    void Cancel_BitBtnClick(ui::Component& Sender);
    void OK_BitBtnClick(ui::Component& Sender);
    void Apply_BitBtnClick(ui::Component& Sender);
    void Help_BitBtnClick(ui::Component& Sender);
    void Restore_BitBtnClick(ui::Component& Sender);
    void Main_Logo_ImageMouseDown(ui::Component& Sender, ui::Mouse_Button Button,
                                  ui::Shift_State Shift, int X, int Y);
    void Label13Click(ui::Component& Sender);
    void Label14Click(ui::Component& Sender);
    void Label13MouseMove(ui::Component& Sender, ui::Shift_State Shift, int X, int Y);
    void Label14MouseMove(ui::Component& Sender, ui::Shift_State Shift, int X, int Y);
    void SpecialFX_GroupBoxMouseMove(ui::Component& Sender, ui::Shift_State Shift, int X, int Y);
    void CheckBox_ExitMouseEnter(ui::Component& Sender);
    void glGroupBox_MusicSelectEnter(ui::Component& Sender);
    void CheckBox_NoMusicClick(ui::Component& Sender);
    void TrackBar_Volume_MusicChange(ui::Component& Sender);
    void Label22Click(ui::Component& Sender);
    void Page_ControlChange(ui::Component& Sender);
    void Current_TimerTimer(ui::Component& Sender);
    void Sshots_Changer_TimerTimer(ui::Component& Sender);

    // ---- Settings_Controls ----
    bool FPS_Checked() const override;
    bool Time_Checked() const override;
    bool Exit_Mouse_Checked() const override;
    bool No_Music_Checked() const override;
    void Set_FPS_Checked(bool checked) override;
    void Set_Time_Checked(bool checked) override;
    void Set_Exit_Mouse_Checked(bool checked) override;
    void Set_No_Music_Checked(bool checked) override;
    std::int32_t Volume_Position() const override;
    std::int32_t Speed_Position() const override;
    void Set_Volume_Position(std::int32_t position) override;
    void Set_Speed_Position(std::int32_t position) override;
    void Set_Volume_Caption(const std::string& caption) override;
    void Repaint_Volume_Bar() override;

    // ---- The skin and the opening (one dialog per process, so these are the process's) ----
    void Build_Skin();
    void Apply_Window_Regions();
    void Load_Skin_Bitmaps();
    void Place_Skin_Images();
    void Apply_Colour_Scheme();
    // Puts screenshot `index` on the TV screen.
    void Show_Screenshot(int index);
    void Start_Opening_Rise();
    void Start_Opening_Curtain();
    void Start_Opening_Drop();
    // One step of the growth; the application's idle event while the dialog grows.
    void Opening_Step(bool& done);

    Outline Form_Outline;      // window coordinates
    Outline TVOut_Outline;     // Main_TVOut_Panel's coordinates
    int Screenshot_Index = 0;  // the screenshot the slideshow showed last, 0..5
    bool Exit_Hover = true;    // the close button shows, or may show, its hovered picture
    Opening_State Opening;
    // Set once the controls hold the stored settings: until then they hold the layout's values,
    // which must never be saved over the user's.
    bool Settings_Loaded = false;

    // ---- Components, by their layout names ----
    // Buttons
    ui::Push_Button* Cancel_BitBtn = nullptr;
    ui::Push_Button* Apply_BitBtn = nullptr;
    ui::Push_Button* OK_BitBtn = nullptr;
    ui::Push_Button* Help_BitBtn = nullptr;
    ui::Push_Button* Restore_BitBtn = nullptr;
    // Form level
    ui::Group_Box* SpecialFX_GroupBox = nullptr;
    ui::Panel* Panel1 = nullptr;
    ui::Image* Main_Logo_Image = nullptr;
    ui::Gradient_Label* glLabel_Slogan = nullptr;
    ui::Panel* Main_TVOut_Panel = nullptr;
    ui::Image* Main_TVOut_Image = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Channels_Monitoring = nullptr;
    ui::Marquee_Progress_Bar* MarqueeProgressBar1 = nullptr;
    ui::Label* Label13 = nullptr;
    ui::Label* Label14 = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Links = nullptr;
    // Skin pieces and background
    ui::Gradient_Bevel* glBevel_onMainForm = nullptr;
    ui::Image* Top_Image = nullptr;
    ui::Image* Left_Image_top = nullptr;
    ui::Image* Left_Image_Middle = nullptr;
    ui::Image* Left_Image_bottom = nullptr;
    ui::Image* Right_Image_top = nullptr;
    ui::Image* Right_Image_bottom = nullptr;
    ui::Image* Bottom_Image = nullptr;
    ui::Image* Ball_Hide_Panel_Image = nullptr;
    ui::Image* Ball_Shato_Image = nullptr;
    ui::Image* Top_Exit_Image_passive = nullptr;
    ui::Image* Top_Exit_Image_active = nullptr;
    ui::List_Box* Xdata_ListBox = nullptr;
    ui::List_Box* Ydata_ListBox = nullptr;
    // Pages
    ui::Page_Control* Page_Control = nullptr;
    ui::Tab_Sheet* TabSheet_Main = nullptr;
    ui::Tab_Sheet* TabSheet_Sound = nullptr;
    ui::Tab_Sheet* TabSheet_About = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Video_Options = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Camera_Speed = nullptr;
    ui::Check_Box* CheckBox_FPS = nullptr;
    ui::Check_Box* CheckBox_ExitMouse = nullptr;
    ui::Check_Box* CheckBox_Time = nullptr;
    ui::Track_Bar* TrackBar_Scene_Speed = nullptr;
    ui::Image* Image_Music1 = nullptr;
    ui::Image* Image_Music2 = nullptr;
    ui::Image* Image_Music3 = nullptr;
    ui::Image* Image_Music4 = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Preview_Control = nullptr;
    ui::Check_Box* CheckBox_NoMusic = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Volume_Music = nullptr;
    ui::Track_Bar* TrackBar_Volume_Music = nullptr;
    ui::Label* Label35 = nullptr;
    ui::Gradient_Progress_Bar* glProgressBar_Volume_Music = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Current_Time = nullptr;
    ui::Label* Time_Label = nullptr;
    ui::Gradient_Group_Box* glGroupBox_Today_NOW = nullptr;
    ui::Date_Picker* DateTimePicker1 = nullptr;
    ui::Image* Image_Molecule = nullptr;
    ui::Gradient_Group_Box* glGroupBox_CPU_Speed = nullptr;
    ui::Label* Label_Mashine_CPU_speed = nullptr;
    ui::Gradient_Group_Box* glGroupBox_VideoMEM = nullptr;
    ui::Label* Label_VideoCardMemo = nullptr;
    ui::Gradient_Group_Box* glGroupBox_GlobalMem = nullptr;
    ui::Label* Label_RAM_Load = nullptr;
    ui::Label* Label_RAM_Total = nullptr;
    // Timers
    ui::Timer* Current_Timer = nullptr;
    ui::Timer* Sshots_Changer_Timer = nullptr;

  protected:
    void Components_Made() override;

  private:
    ui::Handler_Table Handlers();
    // What happens once the dialog has its full size: TV panel, stored settings, final set-up.
    void Finish_Opening();
    void Post_Open_Setup();
    // The About page's measurements, made on its first visit.
    void Fill_About_Page();

    void Apply_Opening_Place(const Window_Place& place);
    void Start_Opening_Variant(Opening_Variant variant, int k);

    bool First_Show = true;
    // The dialog opens once per run, so this is also once per run of the program.
    bool About_First_Visit = true;
    Idle_Step_Owner Opening_Idle;
};

// The dialog's one instance while it exists.
inline TAdjustment_Form* Adjustment_Form = nullptr;
