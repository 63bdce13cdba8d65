// What the dialog does: its buttons, keys, links and the controls of the sound page.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/startup_values.h"
#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "resources/resource_access.h"
#include "resources/resource_ids.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"

namespace {

void Open_Page(HWND owner, const std::string& target) {
    ShellExecuteA(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

}  // namespace

void TAdjustment_Form::Cancel_BitBtnClick(ui::Component&) {
    Hide();
}

void TAdjustment_Form::OK_BitBtnClick(ui::Component& Sender) {
    if (Apply_BitBtn->Enabled())
        Apply_BitBtnClick(Sender);
    Cancel_BitBtnClick(Sender);
}

void TAdjustment_Form::Apply_BitBtnClick(ui::Component&) {
    Apply_BitBtn->Set_Enabled(false);
    Apply_Settings(*this);
}

void TAdjustment_Form::Help_BitBtnClick(ui::Component&) {
    Open_Page(Handle(), Info_Dir + Load_Resource_String(IDS_HELP_PAGE));
}

void TAdjustment_Form::Restore_BitBtnClick(ui::Component&) {}

void TAdjustment_Form::FormKeyDown(ui::Component& Sender, WORD& Key, ui::Shift_State) {
    if (Key == VK_F1)
        Help_BitBtnClick(Sender);
    else if (Key == VK_ESCAPE)
        Cancel_BitBtnClick(Sender);
}

void TAdjustment_Form::FormCloseQuery(ui::Component& Sender, bool& CanClose) {
    Cancel_BitBtnClick(Sender);
    CanClose = true;
}

void TAdjustment_Form::FormHide(ui::Component& Sender) {
    // A save that fails is shown, and the dialog ends all the same: a process left running with
    // no window could never be ended by the user.
    try {
        Apply_BitBtnClick(Sender);
    } catch (const std::exception& error) {
        ui::The_Application().Handle_Exception(error);
    }
    ui::The_Application().Terminate();
    Release();
}

void TAdjustment_Form::Main_Logo_ImageMouseDown(ui::Component&, ui::Mouse_Button, ui::Shift_State,
                                                int, int) {}
void TAdjustment_Form::Label13Click(ui::Component&) {}
void TAdjustment_Form::Label14Click(ui::Component&) {}
void TAdjustment_Form::Label13MouseMove(ui::Component&, ui::Shift_State, int, int) {}
void TAdjustment_Form::Label14MouseMove(ui::Component&, ui::Shift_State, int, int) {}
void TAdjustment_Form::SpecialFX_GroupBoxMouseMove(ui::Component&, ui::Shift_State, int, int) {}
void TAdjustment_Form::CheckBox_ExitMouseEnter(ui::Component&) {}
void TAdjustment_Form::glGroupBox_MusicSelectEnter(ui::Component&) {}
void TAdjustment_Form::CheckBox_NoMusicClick(ui::Component&) {
    // Muted, the volume group gives way to the pictures beneath it.
    glGroupBox_Volume_Music->Set_Visible(!CheckBox_NoMusic->Checked());
}
void TAdjustment_Form::TrackBar_Volume_MusicChange(ui::Component&) {}
void TAdjustment_Form::Label22Click(ui::Component&) {}
void TAdjustment_Form::Page_ControlChange(ui::Component&) {}
void TAdjustment_Form::Current_TimerTimer(ui::Component&) {}
