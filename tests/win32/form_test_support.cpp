#include "form_test_support.h"

#include <cstdint>
#include <cstdio>
#include <thread>

#include "ui/handles.h"
#include "ui/painting.h"

namespace form_test {

void Pump(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    do {
        Run_Idle_Work();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (std::chrono::steady_clock::now() < deadline);
    Run_Idle_Work();
}

void Run_Idle_Work() {
    // As the loop does: idle work that asks to go on is called again at once. The bound only
    // keeps a handler that never finishes from hanging the test.
    const auto give_up = std::chrono::steady_clock::now() + 30s;
    ui::The_Application().Process_Messages();
    while (!ui::The_Application().Raise_Idle() && std::chrono::steady_clock::now() < give_up)
        ui::The_Application().Process_Messages();
    ui::The_Application().Process_Messages();
}

void Press_Key(HWND window, WORD key) {
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageW(window, WM_KEYUP, key,
                 1 | (static_cast<LPARAM>(scan) << 16) | (1 << 30) | (1u << 31));
    Pump(30ms);
}

std::string Text_Of(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return ui::Utf8(text);
}

Recorded_Errors::Recorded_Errors() {
    ui::The_Application().Set_Error_Display(
        [this](const std::string& message) { messages_.push_back(message); });
}

Recorded_Errors::~Recorded_Errors() {
    ui::The_Application().Set_Error_Display(nullptr);
}

Temporary_Folder::Temporary_Folder() {
    char base[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    path_ = std::string(base, length) + "quelvar_form_test_" +
            std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
}

Temporary_Folder::~Temporary_Folder() {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                DeleteFileA((path_ + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

std::string Save_Window_Picture(HWND window, const std::string& name) {
    char program[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program, length);
    folder = folder.substr(0, folder.find_last_of('\\') + 1) + "screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + name + ".bmp";

    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return {};
    ui::Window_Dc screen(nullptr);
    ui::Memory_Dc memory(CreateCompatibleDC(screen.get()));
    ui::Gdi_Bitmap picture(CreateCompatibleBitmap(screen.get(), width, height));
    {
        ui::Selected_Object selected(memory.get(), picture.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<unsigned char> pixels(stride * static_cast<std::size_t>(height));
    if (!GetDIBits(memory.get(), picture.get(), 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)) {
        return {};
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return {};
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
    return path;
}

bool Read_Object_Counts(Object_Counts& counts) {
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return counts.gdi != 0 || counts.user != 0;
}

}  // namespace form_test

namespace form_test {

unsigned Gdi_Slot_High_Water() {
    std::vector<ui::Gdi_Brush> batch;
    unsigned highest = 0;
    for (int i = 0; i < 256; ++i) {
        batch.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
        const auto slot =
            static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(batch.back().get()) & 0xFFFF);
        highest = slot > highest ? slot : highest;
    }
    return highest;
}

}  // namespace form_test
