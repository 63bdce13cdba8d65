#include "saver/engine_start.h"

#include <shellapi.h>

#include "app/startup_values.h"
#include "saver/saver_constants.h"

void Start_Scene_Engine(HWND owner) {
    ShellExecuteA(owner, Engine_Open_Verb, Engine_File_Name, nullptr, Install_Dir.c_str(),
                  SW_SHOWDEFAULT);
}
