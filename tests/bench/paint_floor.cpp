// The floor for the preview's costs: the least a program can do to show a picture in a host
// window ten times a second. A child window, one 32-bit bitmap of the screenshots' size, and a
// stretched copy on every 100 ms timer tick until the host goes. For the benchmark only.

#include <windows.h>

#include <cstdlib>

#include "ui/handles.h"

namespace {

constexpr int Picture_Width = 152;
constexpr int Picture_Height = 112;
constexpr UINT_PTR Paint_Timer = 1;

HWND Host = nullptr;
ui::Gdi_Bitmap Picture;
RECT Host_Size{};

LRESULT CALLBACK Floor_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER: {
            if (!IsWindow(Host)) {
                PostQuitMessage(0);
                return 0;
            }
            ui::Window_Dc dc(window);
            ui::Memory_Dc source(CreateCompatibleDC(dc.get()));
            ui::Selected_Object picked(source.get(), Picture.get());
            StretchBlt(dc.get(), 0, 0, Host_Size.right, Host_Size.bottom, source.get(), 0, 0,
                       Picture_Width, Picture_Height, SRCCOPY);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    Host =
        ui::Window_From_Number(static_cast<std::int32_t>(std::strtol(command_line, nullptr, 10)));
    if (!IsWindow(Host))
        return 0;
    GetWindowRect(Host, &Host_Size);
    Host_Size = {0, 0, Host_Size.right - Host_Size.left, Host_Size.bottom - Host_Size.top};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Picture_Width;
    info.bmiHeader.biHeight = -Picture_Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Picture.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!Picture || !bits)
        return 1;
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < Picture_Height; ++y) {
        for (int x = 0; x < Picture_Width; ++x)
            pixels[y * Picture_Width + x] = RGB(x, y, (x + y) / 2);
    }

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &Floor_Window_Proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = "Paint Floor";
    RegisterClassA(&window_class);
    ui::Window window(CreateWindowExA(0, "Paint Floor", "", WS_CHILD | WS_VISIBLE, 0, 0,
                                      Host_Size.right, Host_Size.bottom, Host, nullptr, instance,
                                      nullptr));
    if (!window)
        return 1;
    SetTimer(window.get(), Paint_Timer, 100, nullptr);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
