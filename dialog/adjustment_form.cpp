#include "dialog/adjustment_form.h"

#include <string>

#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "ui/bevels.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/date_picker.h"
#include "ui/image.h"
#include "ui/labels.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace {

template <typename Kind>
void Bind(const ui::Form& form, Kind*& member, std::string_view name) {
    member = &form.Find<Kind>(name);
}

}  // namespace

TAdjustment_Form::TAdjustment_Form() : ui::Form("Adjustment_Form") {
    Adjustment_Form = this;
    try {
        const auto bytes = Resource_Bytes(RT_RCDATA, Adjustment_Form_Layout_Name);
        Create_From_Layout(ui::Parse_Layout(std::string(bytes.begin(), bytes.end())), Handlers());
    } catch (...) {
        Adjustment_Form = nullptr;
        throw;
    }
}

TAdjustment_Form::~TAdjustment_Form() {
    // The windows go while this object can still answer their last messages.
    Destroy_Windows();
    if (Adjustment_Form == this)
        Adjustment_Form = nullptr;
}

ui::Handler_Table TAdjustment_Form::Handlers() {
    ui::Handler_Table table;
#define QUELVAR_HANDLER(name) table.Add(#name, *this, &TAdjustment_Form::name)
    QUELVAR_HANDLER(FormCreate);
    QUELVAR_HANDLER(FormShow);
    QUELVAR_HANDLER(FormCloseQuery);
    QUELVAR_HANDLER(FormHide);
    QUELVAR_HANDLER(FormKeyDown);
    QUELVAR_HANDLER(FormMouseDown);
    QUELVAR_HANDLER(FormMouseMove);
    QUELVAR_HANDLER(Top_Exit_Image_passiveMouseMove);
    QUELVAR_HANDLER(Cancel_BitBtnClick);
    QUELVAR_HANDLER(OK_BitBtnClick);
    QUELVAR_HANDLER(Apply_BitBtnClick);
    QUELVAR_HANDLER(Help_BitBtnClick);
    QUELVAR_HANDLER(Restore_BitBtnClick);
    QUELVAR_HANDLER(Main_Logo_ImageMouseDown);
    QUELVAR_HANDLER(Label13Click);
    QUELVAR_HANDLER(Label14Click);
    QUELVAR_HANDLER(Label13MouseMove);
    QUELVAR_HANDLER(Label14MouseMove);
    QUELVAR_HANDLER(SpecialFX_GroupBoxMouseMove);
    QUELVAR_HANDLER(CheckBox_ExitMouseEnter);
    QUELVAR_HANDLER(glGroupBox_MusicSelectEnter);
    QUELVAR_HANDLER(CheckBox_NoMusicClick);
    QUELVAR_HANDLER(TrackBar_Volume_MusicChange);
    QUELVAR_HANDLER(Label22Click);
    QUELVAR_HANDLER(Page_ControlChange);
    QUELVAR_HANDLER(Current_TimerTimer);
    QUELVAR_HANDLER(Sshots_Changer_TimerTimer);
#undef QUELVAR_HANDLER
    return table;
}

void TAdjustment_Form::Components_Made() {
#define QUELVAR_BIND(name) Bind(*this, name, #name)
    QUELVAR_BIND(Cancel_BitBtn);
    QUELVAR_BIND(Apply_BitBtn);
    QUELVAR_BIND(OK_BitBtn);
    QUELVAR_BIND(Help_BitBtn);
    QUELVAR_BIND(Restore_BitBtn);
    QUELVAR_BIND(SpecialFX_GroupBox);
    QUELVAR_BIND(Panel1);
    QUELVAR_BIND(Main_Logo_Image);
    QUELVAR_BIND(glLabel_Slogan);
    QUELVAR_BIND(Main_TVOut_Panel);
    QUELVAR_BIND(Main_TVOut_Image);
    QUELVAR_BIND(glGroupBox_Channels_Monitoring);
    QUELVAR_BIND(MarqueeProgressBar1);
    QUELVAR_BIND(Label13);
    QUELVAR_BIND(Label14);
    QUELVAR_BIND(glGroupBox_Links);
    QUELVAR_BIND(glBevel_onMainForm);
    QUELVAR_BIND(Top_Image);
    QUELVAR_BIND(Left_Image_top);
    QUELVAR_BIND(Left_Image_Middle);
    QUELVAR_BIND(Left_Image_bottom);
    QUELVAR_BIND(Right_Image_top);
    QUELVAR_BIND(Right_Image_bottom);
    QUELVAR_BIND(Bottom_Image);
    QUELVAR_BIND(Ball_Hide_Panel_Image);
    QUELVAR_BIND(Ball_Shato_Image);
    QUELVAR_BIND(Top_Exit_Image_passive);
    QUELVAR_BIND(Top_Exit_Image_active);
    QUELVAR_BIND(Xdata_ListBox);
    QUELVAR_BIND(Ydata_ListBox);
    QUELVAR_BIND(Page_Control);
    QUELVAR_BIND(TabSheet_Main);
    QUELVAR_BIND(TabSheet_Sound);
    QUELVAR_BIND(TabSheet_About);
    QUELVAR_BIND(glGroupBox_Video_Options);
    QUELVAR_BIND(glGroupBox_Camera_Speed);
    QUELVAR_BIND(CheckBox_FPS);
    QUELVAR_BIND(CheckBox_ExitMouse);
    QUELVAR_BIND(CheckBox_Time);
    QUELVAR_BIND(TrackBar_Scene_Speed);
    QUELVAR_BIND(Image_Music1);
    QUELVAR_BIND(Image_Music2);
    QUELVAR_BIND(Image_Music3);
    QUELVAR_BIND(Image_Music4);
    QUELVAR_BIND(glGroupBox_Preview_Control);
    QUELVAR_BIND(CheckBox_NoMusic);
    QUELVAR_BIND(glGroupBox_Volume_Music);
    QUELVAR_BIND(TrackBar_Volume_Music);
    QUELVAR_BIND(Label35);
    QUELVAR_BIND(glProgressBar_Volume_Music);
    QUELVAR_BIND(glGroupBox_Current_Time);
    QUELVAR_BIND(Time_Label);
    QUELVAR_BIND(glGroupBox_Today_NOW);
    QUELVAR_BIND(DateTimePicker1);
    QUELVAR_BIND(Image_Molecule);
    QUELVAR_BIND(glGroupBox_CPU_Speed);
    QUELVAR_BIND(Label_Mashine_CPU_speed);
    QUELVAR_BIND(glGroupBox_VideoMEM);
    QUELVAR_BIND(Label_VideoCardMemo);
    QUELVAR_BIND(glGroupBox_GlobalMem);
    QUELVAR_BIND(Label_RAM_Load);
    QUELVAR_BIND(Label_RAM_Total);
    QUELVAR_BIND(Current_Timer);
    QUELVAR_BIND(Sshots_Changer_Timer);
#undef QUELVAR_BIND
}

// ---- Settings_Controls ----

bool TAdjustment_Form::FPS_Checked() const {
    return CheckBox_FPS->Checked();
}
bool TAdjustment_Form::Time_Checked() const {
    return CheckBox_Time->Checked();
}
bool TAdjustment_Form::Exit_Mouse_Checked() const {
    return CheckBox_ExitMouse->Checked();
}
bool TAdjustment_Form::No_Music_Checked() const {
    return CheckBox_NoMusic->Checked();
}
void TAdjustment_Form::Set_FPS_Checked(bool checked) {
    CheckBox_FPS->Set_Checked(checked);
}
void TAdjustment_Form::Set_Time_Checked(bool checked) {
    CheckBox_Time->Set_Checked(checked);
}
void TAdjustment_Form::Set_Exit_Mouse_Checked(bool checked) {
    CheckBox_ExitMouse->Set_Checked(checked);
}
void TAdjustment_Form::Set_No_Music_Checked(bool checked) {
    CheckBox_NoMusic->Set_Checked(checked);
}
std::int32_t TAdjustment_Form::Volume_Position() const {
    return TrackBar_Volume_Music->Position();
}
std::int32_t TAdjustment_Form::Speed_Position() const {
    return TrackBar_Scene_Speed->Position();
}
void TAdjustment_Form::Set_Volume_Position(std::int32_t position) {
    TrackBar_Volume_Music->Set_Position(position);
}
void TAdjustment_Form::Set_Speed_Position(std::int32_t position) {
    TrackBar_Scene_Speed->Set_Position(position);
}
void TAdjustment_Form::Set_Volume_Caption(const std::string& caption) {
    Label35->Set_Caption(caption);
}
void TAdjustment_Form::Repaint_Volume_Bar() {
    TrackBar_Volume_Music->Repaint();
}
