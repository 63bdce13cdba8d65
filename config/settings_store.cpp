#include "config/settings_store.h"

#include <windows.h>

#include <optional>

#include "app/startup_values.h"
#include "config/file_replacement.h"
#include "config/profile_file.h"
#include "config/settings_files_text.h"
#include "config/settings_load.h"
#include "config/settings_names.h"
#include "config/settings_rules.h"
#include "resources/resource_access.h"
#include "resources/resource_ids.h"

namespace {

bool File_Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A copy of the file without the section, ready to replace it; nothing when there is no file,
// whose section is then erased in place, since there is nothing there to lose.
std::optional<Replacement_File> Prepare_Erase(const std::string& path, std::string_view section) {
    if (!File_Exists(path)) {
        if (!Profile_File(path).Erase_Section(section))
            Raise_Settings_Write_Error(path);
        return std::nullopt;
    }
    std::optional<Replacement_File> replacement(std::in_place, path);
    replacement->Copy_From_Target();
    if (!Profile_File(replacement->Temporary()).Erase_Section(section))
        Raise_Settings_Write_Error(path);
    return replacement;
}

}  // namespace

std::string Engine_Settings_Path() {
    return Install_Dir + Load_Resource_String(IDS_ENGINE_SETTINGS_FILE);
}

std::string Dialog_Settings_Path() {
    return Install_Dir + Load_Resource_String(IDS_DIALOG_SETTINGS_FILE);
}

void Load_Config(Settings_Controls& controls) {
    const Profile_File dialog_file(Dialog_Settings_Path());
    Load_Settings(controls, [&dialog_file](std::string_view key) {
        return dialog_file.Read_Text(Dialog_Section, key);
    });
}

void Save_Config(const Settings_Controls& controls) {
    const Control_States states = Read_Control_States(controls);
    // Both new files are complete before either old one goes, so that a full disk or a folder
    // that refuses new files changes nothing at all.
    Replacement_File engine_file(Engine_Settings_Path());
    engine_file.Write_Text(Engine_File_Text(states));
    Replacement_File dialog_file(Dialog_Settings_Path());
    dialog_file.Write_Text(Dialog_File_Text(states));

    engine_file.Replace_Target();
    dialog_file.Replace_Target();
}

void Erase_Config() {
    std::optional<Replacement_File> engine_file =
        Prepare_Erase(Engine_Settings_Path(), Engine_Section);
    std::optional<Replacement_File> dialog_file =
        Prepare_Erase(Dialog_Settings_Path(), Dialog_Section);
    if (engine_file)
        engine_file->Replace_Target();
    if (dialog_file)
        dialog_file->Replace_Target();
}

void Apply_Settings(const Settings_Controls& controls) {
    Save_Config(controls);
}
