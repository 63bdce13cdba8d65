#include "saver/saver_loop.h"

#include <exception>
#include <utility>

#include "saver/fullscreen.h"
#include "saver/preview.h"
#include "saver/saver_constants.h"

namespace {

// An error caught inside a window procedure waits here until the loop is over, so that it ends
// in the program's error report instead of unwinding through the system.
std::exception_ptr Pending_Error;

}  // namespace

void Stop_Saver_Loop() {
    Saver_Quit = true;
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Run_Saver_Loop() {
    MSG message{};
    // GetMessageA gives -1 only for a bad window filter; there is none, but it would end too.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (Saver_Quit)
            break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (Pending_Error)
        std::rethrow_exception(std::exchange(Pending_Error, nullptr));
}

void Saver_Timer_Tick(UINT_PTR timer_id) {
    if (timer_id == Preview_Timer_Id) {
        Paint_Preview_Tick();
    } else if (timer_id == FullScreen_Timer_Id) {
        Watch_Foreground_Tick();
    }
}

LRESULT Saver_Window_Message(HWND own, UINT_PTR timer_id, const char* class_name, HWND window,
                             UINT message, WPARAM wparam, LPARAM lparam) {
    try {
        switch (message) {
            case WM_DESTROY:
            case WM_CLOSE:
            case WM_QUIT:
                Stop_Saver_Loop();
                KillTimer(own, timer_id);
                // Refused while the window exists; it then goes with the process.
                UnregisterClassA(class_name, GetModuleHandleA(nullptr));
                CloseWindow(own);
                return 0;
            case WM_TIMER:
                Saver_Timer_Tick(wparam);
                return 0;
            default:
                return DefWindowProcA(window, message, wparam, lparam);
        }
    } catch (...) {
        Pending_Error = std::current_exception();
        Stop_Saver_Loop();
        return 0;
    }
}
