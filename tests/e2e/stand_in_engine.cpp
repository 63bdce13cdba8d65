// A stand-in for the scene engine: takes the foreground with a window of its own for as long as
// its test plans, and reports what the launcher gave it. Tests only.

#include <windows.h>

#include <string>
#include <vector>

#include "stand_in_engine.h"

namespace {

std::string Working_Directory() {
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length < buffer.size())
            return {buffer.data(), length};
        buffer.resize(length + 1);
    }
}

std::string In_Directory(const std::string& directory, const char* name) {
    std::string path = directory;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + name;
}

std::string Profile_Text(const std::string& file, const char* section, const char* key) {
    std::vector<char> buffer(1024);
    const DWORD length = GetPrivateProfileStringA(section, key, stand_in::Missing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return {buffer.data(), length};
}

// The command line after the program's own path, which may be quoted.
std::string Arguments() {
    const std::string line = GetCommandLineA();
    std::size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        at = line.find('"', 1);
        at = at == std::string::npos ? line.size() : at + 1;
    } else {
        at = line.find(' ');
        if (at == std::string::npos)
            at = line.size();
    }
    const std::size_t first = line.find_first_not_of(' ', at);
    return first == std::string::npos ? std::string() : line.substr(first);
}

// Written whole under another name and then renamed, so a reader never sees half a report.
void Write_Report(const std::string& directory) {
    const std::string settings = In_Directory(directory, stand_in::Settings_File);
    std::string text = std::string("[") + stand_in::Report_Section + "]\r\n";
    text += "working_dir=" + directory + "\r\n";
    text += "arguments=" + Arguments() + "\r\n";
    text += std::string("[") + stand_in::Report_Controls_Section + "]\r\n";
    for (const char* key : stand_in::Settings_Keys)
        text += std::string(key) + "=" + Profile_Text(settings, stand_in::Settings_Section, key) +
                "\r\n";

    const std::string report = In_Directory(directory, stand_in::Report_File);
    const std::string partial = report + ".part";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExA(partial.c_str(), report.c_str(), MOVEFILE_REPLACE_EXISTING);
}

constexpr UINT_PTR Keep_Timer = 1;

LRESULT CALLBACK Engine_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER:
            if (wparam == Keep_Timer)
                DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::string directory = Working_Directory();
    const std::string plan = In_Directory(directory, stand_in::Plan_File);
    const UINT show_after =
        GetPrivateProfileIntA(stand_in::Plan_Section, stand_in::Show_After_Key, 0, plan.c_str());
    const UINT keep =
        GetPrivateProfileIntA(stand_in::Plan_Section, stand_in::Keep_Key, 3000, plan.c_str());

    Write_Report(directory);
    Sleep(show_after);

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &Engine_Window_Proc;
    window_class.hInstance = instance;
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = stand_in::Window_Class;
    RegisterClassA(&window_class);
    HWND window =
        CreateWindowExA(0, stand_in::Window_Class, stand_in::Window_Title, WS_POPUP | WS_VISIBLE, 0,
                        0, 320, 240, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    SetForegroundWindow(window);
    SetTimer(window, Keep_Timer, keep, nullptr);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
