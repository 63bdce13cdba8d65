#include "app/entry.h"

#include <windows.h>

#include "app/command_line.h"
#include "app/error_report.h"
#include "app/install_location.h"
#include "app/password.h"
#include "app/startup_values.h"
#include "dialog/configuration.h"
#include "saver/fullscreen.h"
#include "saver/preview.h"

namespace {

void Run_Mode_Chosen(const std::vector<std::string>& arguments) {
    if (Run_Mode == "a") {
        Change_Password(arguments);
    } else if (Run_Mode == "p") {
        Run_Preview();
    } else if (Run_Mode != "c") {
        Run_FullScreen();
        ShowCursor(TRUE);
    } else {
        Run_Configuration();
    }
}

}  // namespace

int Run_Program(std::string_view command_line) {
    try {
        ShowCursor(TRUE);
        Set_Install_Dirs();
        Make_Links();
        const std::vector<std::string> arguments = Split_Command_Line(command_line);
        Command_Line_Choice choice = Parse_Command_Line(arguments);
        Host_Window = choice.host_window;
        Run_Mode = choice.run_mode;
        Run_Mode_Chosen(arguments);
        return 0;
    } catch (const std::exception& error) {
        Show_Error_Report(error);
        return 1;
    }
}
