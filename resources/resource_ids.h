#pragma once
// Numeric ids of the string-table entries, shared by the resource script and the code.

#define IDS_HELP_PAGE 65236
#define IDS_ENGINE_SETTINGS_FILE 65238
#define IDS_DIALOG_SETTINGS_FILE 65239
