// What the dialog does: its buttons, keys, the close request and the hide step that ends
// everything, what enables Apply and Restore, and the controls of the sound page.

#include <windows.h>

#include <string>

#include "app/startup_values.h"
#include "config/settings_store.h"
#include "dialog/adjustment_form.h"
#include "dialog/page_opener.h"
#include "dialog/readouts.h"
#include "resources/resource_access.h"
#include "resources/resource_ids.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/labels.h"
#include "ui/page_control.h"
#include "ui/progress_bars.h"
#include "ui/track_bar.h"

void TAdjustment_Form::Cancel_BitBtnClick(ui::Component&) {
    // Hiding is what ends the dialog: the hide step saves and closes.
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

void TAdjustment_Form::Restore_BitBtnClick(ui::Component&) {
    // The pages stay out of sight while the controls jump to their defaults one by one.
    Page_Control->Hide();
    Apply_BitBtn->Set_Enabled(false);
    Restore_BitBtn->Set_Enabled(false);
    Erase_Config();
    Load_Config(*this);
    Page_Control->Show();
}

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
    // A close while the dialog still grows finds the layout's values in the controls, not the
    // user's: those are left stored as they are.
    try {
        if (Settings_Loaded)
            Apply_BitBtnClick(Sender);
    } catch (const std::exception& error) {
        ui::The_Application().Handle_Exception(error);
    }
    ui::The_Application().Terminate();
    Release();
}

// ---- Apply and Restore become available when the user reaches for a setting ----

void TAdjustment_Form::CheckBox_ExitMouseEnter(ui::Component&) {
    Restore_BitBtn->Set_Enabled(true);
    Apply_BitBtn->Set_Enabled(true);
}

void TAdjustment_Form::glGroupBox_MusicSelectEnter(ui::Component& Sender) {
    CheckBox_ExitMouseEnter(Sender);
}

// ---- The sound page ----

void TAdjustment_Form::CheckBox_NoMusicClick(ui::Component&) {
    // Muted, the volume group gives way to the pictures beneath it.
    glGroupBox_Volume_Music->Set_Visible(!CheckBox_NoMusic->Checked());
}

void TAdjustment_Form::TrackBar_Volume_MusicChange(ui::Component&) {
    const int position = TrackBar_Volume_Music->Position();
    glProgressBar_Volume_Music->Set_Percent(Volume_Percent(position));
    Label35->Set_Caption(std::to_string(Volume_Figure(position)));
    Label35->Repaint();
}

void TAdjustment_Form::Label22Click(ui::Component&) {
    // The track bar raises its change handler itself when the position really moves.
    TrackBar_Volume_Music->Set_Position(TrackBar_Volume_Music->Max() / 2);
    Label35->Set_Caption(std::to_string(Volume_Figure(TrackBar_Volume_Music->Position())));
    TrackBar_Volume_Music->Repaint();
}
