// The settings dialog's opening seen from outside: it grows from a sliver to its full size and
// stands at a place the opening's arithmetic allows for this screen. Pictures taken during and
// after the growth are saved for review.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <thread>
#include <vector>

#include "../win32/registry_fixture.h"
#include "dialog/opening_animation.h"
#include "driver.h"
#include "tests/support/opening_outcomes.h"
#include "sysinfo/probe_figures.h"

namespace {

using namespace e2e;

constexpr const char* Dialog_Title = "Quelvar ScreenSaver Settings";

// The figures the dialog measures when it is created, measured the same way here.
Screen_Figures This_Screen() {
    HDC screen = GetDC(nullptr);
    const int horz_res = GetDeviceCaps(screen, HORZRES);
    ReleaseDC(nullptr, screen);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Work_Area_Halves halves =
        Halves_Of_Work_Area(work.left, work.top, work.right, work.bottom);
    return {horz_res, halves.half_width, halves.half_height};
}

// What the screen shows of `area`, as a 24-bit BMP in the folder "screenshots" beside the test.
bool Save_Screen_Picture(const RECT& area, const std::string& name) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    const std::string folder = Build_Dir() + "screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    HDC screen = GetDC(nullptr);
    ui::Memory_Dc memory(CreateCompatibleDC(screen));
    ui::Gdi_Bitmap picture(CreateCompatibleBitmap(screen, width, height));
    HGDIOBJ previous = SelectObject(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory.get(), previous);
    ReleaseDC(nullptr, screen);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<unsigned char> pixels(stride * static_cast<std::size_t>(height));
    if (!GetDIBits(memory.get(), picture.get(), 0, static_cast<UINT>(height), pixels.data(), &info,
                   DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen((folder + name + ".bmp").c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

SIZE Size_Of(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST(Dialog_Opening_E2e, The_Dialog_Grows_To_Full_Size_At_A_Place_The_Opening_Allows) {
    Install_Key_Fixture registry;
    char base[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, base);
    const std::string folder =
        std::string(base, length) + "quelvar_opening_e2e_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    registry.Set_Text(folder);

    Saver_Process saver("/c");
    HWND dialog = saver.Find_Window(Dialog_Title, 20s);
    ASSERT_TRUE(dialog);

    // Sizes seen on the way; the pictures show the growth at a few moments.
    std::vector<SIZE> sizes;
    int pictures = 0;
    const auto give_up = std::chrono::steady_clock::now() + 20s;
    RECT rect{};
    for (;;) {
        GetWindowRect(dialog, &rect);
        const SIZE size = Size_Of(rect);
        if (sizes.empty() || size.cx != sizes.back().cx || size.cy != sizes.back().cy) {
            sizes.push_back(size);
            if (sizes.size() % 8 == 2 && pictures < 4)
                Save_Screen_Picture(rect, "dialog_opening_" + std::to_string(pictures++));
        }
        if ((size.cx == Dialog_Full_Width && size.cy == Dialog_Full_Height) ||
            std::chrono::steady_clock::now() > give_up)
            break;
        std::this_thread::sleep_for(2ms);
    }
    ASSERT_EQ(Size_Of(rect).cx, Dialog_Full_Width);
    ASSERT_EQ(Size_Of(rect).cy, Dialog_Full_Height);
    // It started narrower than it ended.
    EXPECT_LT(sizes.front().cx, Dialog_Full_Width);
    const auto places = Possible_Final_Places(This_Screen());
    EXPECT_TRUE(places.contains({rect.left, rect.top})) << rect.left << "," << rect.top;

    // Give the last paint a moment, then keep a picture of the open dialog.
    std::this_thread::sleep_for(700ms);
    EXPECT_TRUE(Save_Screen_Picture(rect, "dialog_opened"));

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(20s), 0u);
    for (const char* name : {"Controls.cfg", "ControlsAdj.cfg"})
        DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
