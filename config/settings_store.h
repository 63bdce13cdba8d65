#pragma once
// The settings store: the six controls against the two settings files in the install directory.

#include <string>

class Settings_Controls;

// Install_Dir followed by the file names of the string table.
std::string Engine_Settings_Path();  // Controls.cfg, read by the scene engine
std::string Dialog_Settings_Path();  // ControlsAdj.cfg, the dialog's own copy

// Sets the controls from the dialog's file; missing or unreadable values give the defaults.
void Load_Config(Settings_Controls& controls);

// Writes both files from the controls, each made complete before it replaces the old one: the
// engine's file first, then the dialog's. A failure raises "Unable to write to <path>" naming
// the file that could not be written; a file not yet replaced then keeps its old content.
void Save_Config(const Settings_Controls& controls);

// Removes the settings section from both files, each file replaced whole in the same way.
void Erase_Config();

// The dialog's Apply: both files hold exactly the controls' settings afterwards. Each file is
// rewritten from nothing, as deleting it first would, but the old one stays until the new one
// is complete, so a failed save loses nothing.
void Apply_Settings(const Settings_Controls& controls);
