#include "saver/preview.h"

#include "app/startup_values.h"
#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "saver/saver_constants.h"
#include "saver/saver_loop.h"
#include "ui/random.h"

namespace {

HWND Host() {
    return ui::Window_From_Number(Host_Window);
}

}  // namespace

Preview_Picture Load_Preview_Screenshot() {
    ui::Reseed();
    const int choice = ui::Random_Below(Preview_Screenshot_Choices);
    return Make_Preview_Picture(
        Load_Jpeg_Resource(Screenshot_Name(Preview_Screenshot_Prefix, choice)));
}

HWND Create_Preview_Window(HWND parent, const char* class_name) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class{};
    window_class.style = Saver_Class_Style;
    window_class.lpfnWndProc = &Preview_Window_Proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = class_name;
    // Fails harmlessly when an earlier run in this process left the class registered.
    RegisterClassA(&window_class);

    HWND window = CreateWindowExA(0, class_name, Saver_Window_Title, Preview_Window_Style, 0, 0, 0,
                                  0, parent, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    const auto ex_style = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(ex_style | Preview_Added_Ex_Style));
    // Maximised, a child fills its parent's client area.
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    return window;
}

LRESULT CALLBACK Preview_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return Saver_Window_Message(Preview_Window, Preview_Timer_Id, Preview_Class_Name, window,
                                message, wparam, lparam);
}

void Paint_Preview_Tick() {
    // Nothing promises that the child hears of its host's end (a host whose process has gone,
    // for one), so each tick looks: the mode then ends within a tick.
    if (!IsWindow(Host())) {
        Stop_Saver_Loop();
        return;
    }
    // GetDC of no window is the whole screen's.
    if (!Preview_Window)
        return;
    ui::Window_Dc dc(Preview_Window);
    Paint_Preview_Picture(dc.get(), Preview_Bitmap, Preview_Dest_Rect, Preview_Source_Rect);
}

void Run_Preview() {
    const HWND host = Host();
    // No number, or a window already gone: there is nothing to paint into and nothing that
    // would ever end the mode.
    if (!IsWindow(host))
        return;
    Saver_Quit = false;

    Preview_Bitmap = Load_Preview_Screenshot();
    RECT host_rect{};
    GetWindowRect(host, &host_rect);
    Preview_Dest_Rect = {0, 0, host_rect.right - host_rect.left, host_rect.bottom - host_rect.top};
    Preview_Source_Rect = {0, 0, Preview_Bitmap.size.cx, Preview_Bitmap.size.cy};

    ui::Window window(Create_Preview_Window(host, Preview_Class_Name));
    Preview_Window = window.get();
    if (window && SetTimer(Preview_Window, Preview_Timer_Id, Preview_Timer_Period_Ms, nullptr))
        Run_Saver_Loop();

    // The host may have taken its child along already.
    if (!IsWindow(window.get()))
        window.release();
}
