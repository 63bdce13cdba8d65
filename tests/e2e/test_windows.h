#pragma once
// Windows of the test's own (a preview host, a window to take the foreground) and waits that
// keep them answering: a window whose child lives in another process must go on handling
// messages, or that process blocks on it.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

class Test_Window {
  public:
    // A window of `style` with its outer rectangle at `outer`, in the client coordinates of
    // `parent` when there is one.
    Test_Window(const char* title, DWORD style, RECT outer, HWND parent = nullptr,
                DWORD ex_style = 0);
    ~Test_Window();
    Test_Window(const Test_Window&) = delete;
    Test_Window& operator=(const Test_Window&) = delete;

    HWND get() const { return window_; }
    // Destroys the window now; the destructor then has nothing left to do.
    void Destroy();

  private:
    HWND window_ = nullptr;
};

// The window number a command line gives for `window` (user handles fit 32 bits everywhere).
std::string Window_Number(HWND window);

// Handles the test thread's messages for `duration`.
void Pump_Messages(std::chrono::milliseconds duration);

// Handles messages until `done` holds or `timeout` has passed; whether it held.
bool Pump_Until(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Like Saver_Process::Wait_Exit, handling messages meanwhile.
std::optional<DWORD> Wait_Exit_Pumping(Saver_Process& process, std::chrono::milliseconds timeout);

// Top-level windows of any process with this class, visible or not.
std::vector<HWND> Windows_Of_Class(const char* class_name);
// Top-level windows of `process_id` with this class, visible or not.
std::vector<HWND> Process_Windows_Of_Class(DWORD process_id, const char* class_name);

// Seconds since `start`, for messages and bounds.
double Seconds_Since(std::chrono::steady_clock::time_point start);

}  // namespace e2e
