#pragma once
// Drives the real Quelvar.scr from outside, as Windows or a user would: starts it with a command
// line, finds its windows, reads and presses message boxes, and collects its exit code and
// debug output.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ui/handles.h"

namespace e2e {

using namespace std::chrono_literals;

// The folder of the running test program, where the build puts Quelvar.scr as well.
std::string Build_Dir();
std::string Saver_Path();

class Saver_Process {
  public:
    // Starts Quelvar.scr with `arguments` (the text after the program path).
    explicit Saver_Process(const std::string& arguments);
    ~Saver_Process();
    Saver_Process(const Saver_Process&) = delete;
    Saver_Process& operator=(const Saver_Process&) = delete;

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }

    // The exit code, or nothing when the process is still running after `timeout`.
    std::optional<DWORD> Wait_Exit(std::chrono::milliseconds timeout);
    bool Running() const;

    // A top-level window of this process with this title (and class, when given).
    HWND Find_Window(const std::string& title, std::chrono::milliseconds timeout,
                     const char* class_name = nullptr) const;
    std::vector<HWND> Top_Level_Windows() const;

    // The lines of Wine's debug output that this process wrote so far. Needs the test to run
    // with QUELVAR_WINE_STDERR naming the file that collects the debug output and with the
    // "+pid" debug flag, which starts each line with the process id.
    std::string Wine_Debug_Output() const;

  private:
    ui::Kernel_Handle process_;
    DWORD id_ = 0;
};

std::string Window_Text(HWND window);
std::string Class_Name(HWND window);

// The text of a message box: its static text control.
std::string Message_Box_Text(HWND box);
// Presses the box's OK button.
void Press_Ok(HWND box);

// A window inside `parent`, at any depth, with this text; or null.
HWND Find_Child_By_Text(HWND parent, const std::string& text);
// A window inside `parent`, at any depth, carrying this component name (the window property
// of the program's form layer); or null.
HWND Find_Child_By_Name(HWND parent, const std::string& name);
// The component name a window carries, or the empty text.
std::string Component_Name(HWND window);

// Waits until the window has this size (the settings dialog once its opening has ended); false
// when it has not after `timeout`.
bool Wait_For_Size(HWND window, int width, int height, std::chrono::milliseconds timeout);

}  // namespace e2e
