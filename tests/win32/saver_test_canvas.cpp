#include "saver_test_canvas.h"

#include <cstdio>

namespace saver_test {

namespace {

constexpr const char* Frame_Class = "Quelvar Saver Test Frame";
constexpr const char* Canvas_Class = "Quelvar Saver Test Canvas";

void Register_Classes() {
    static const bool registered = [] {
        WNDCLASSA window_class{};
        window_class.lpfnWndProc = &DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        window_class.lpszClassName = Frame_Class;
        RegisterClassA(&window_class);
        // No background brush: a canvas keeps whatever was painted into it.
        window_class.hbrBackground = nullptr;
        window_class.lpszClassName = Canvas_Class;
        RegisterClassA(&window_class);
        return true;
    }();
    (void)registered;
}

HWND Frame() {
    Register_Classes();
    static const ui::Window frame(
        CreateWindowExA(0, Frame_Class, "Saver tests", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40,
                        40, 600, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    return frame.get();
}

}  // namespace

ui::Window Make_Canvas(int x, int y, int width, int height) {
    ui::Window canvas(CreateWindowExA(0, Canvas_Class, "", WS_CHILD | WS_VISIBLE, x, y, width,
                                      height, Frame(), nullptr, GetModuleHandleA(nullptr),
                                      nullptr));
    Flush_Events();
    return canvas;
}

void Flush_Events() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<COLORREF> Read_Pixels(HWND window, const std::vector<POINT>& points) {
    ui::Window_Dc dc(window);
    std::vector<COLORREF> colours;
    for (const POINT& point : points)
        colours.push_back(GetPixel(dc.get(), point.x, point.y));
    return colours;
}

std::string Describe(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "(%u,%u,%u)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

}  // namespace saver_test
