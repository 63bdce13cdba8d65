#include "config/settings_load.h"

#include "config/settings_controls.h"
#include "config/settings_names.h"
#include "config/settings_rules.h"

void Load_Settings(Settings_Controls& controls, const Stored_Text_Reader& read) {
    controls.Set_Volume_Position(Stored_Integer(read(Dialog_Volume_Key), Default_Volume_Position));
    controls.Set_Speed_Position(Stored_Integer(read(Dialog_Speed_Key), Default_Speed_Position));
    // The figure follows the bar's own, already clamped, position.
    controls.Set_Volume_Caption(std::to_string(Volume_From_Position(controls.Volume_Position())));
    controls.Repaint_Volume_Bar();

    controls.Set_No_Music_Checked(
        Stored_Boolean(read(Dialog_No_Music_Key), Default_No_Music_Checked));
    controls.Set_Exit_Mouse_Checked(
        Stored_Boolean(read(Dialog_Exit_Mouse_Key), Default_Exit_Mouse_Checked));
    controls.Set_FPS_Checked(Stored_Boolean(read(Dialog_FPS_Key), Default_FPS_Checked));
    controls.Set_Time_Checked(Stored_Boolean(read(Dialog_Time_Key), Default_Time_Checked));
}
