#include "saver/fullscreen.h"

#include "saver/engine_start.h"
#include "saver/saver_constants.h"
#include "saver/saver_loop.h"

HWND Create_FullScreen_Window(const char* class_name) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class{};
    window_class.style = Saver_Class_Style;
    window_class.lpfnWndProc = &FullScreen_Window_Proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = class_name;
    // Fails harmlessly when an earlier run in this process left the class registered.
    RegisterClassA(&window_class);

    HWND window = CreateWindowExA(0, class_name, Saver_Window_Title, FullScreen_Window_Style, 0, 0,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    if (window)
        ShowWindow(window, SW_HIDE);
    return window;
}

LRESULT CALLBACK FullScreen_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return Saver_Window_Message(FullScreen_Window, FullScreen_Timer_Id, FullScreen_Class_Name,
                                window, message, wparam, lparam);
}

void Watch_Foreground_Tick() {
    // Only the flag: the loop sees it with the next tick, a second later, which is the pace
    // the engine's hand-over is designed around.
    if (GetForegroundWindow() != Start_Foreground)
        Saver_Quit = true;
}

void Run_FullScreen() {
    Saver_Quit = false;
    // The window stays until the process ends, which follows right after this mode. Destroying
    // it here would only add work: the close below has just shown it minimised, and taking a
    // shown window off the screen is slow on some displays (two seconds under Wine without a
    // window manager).
    FullScreen_Window = Create_FullScreen_Window(FullScreen_Class_Name);
    if (!FullScreen_Window)
        return;

    Start_Scene_Engine(FullScreen_Window);
    // Messages wait meanwhile: the engine is meant to own the foreground when the watch starts.
    Sleep(Engine_Start_Wait_Ms);
    Start_Foreground = GetForegroundWindow();
    if (!SetTimer(FullScreen_Window, FullScreen_Timer_Id, FullScreen_Timer_Period_Ms, nullptr))
        return;

    Run_Saver_Loop();
    SendMessageA(FullScreen_Window, WM_CLOSE, 0, 0);
}
