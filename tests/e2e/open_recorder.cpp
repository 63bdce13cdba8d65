// Stands in for the browser and the help viewer in the tests: registered as the shell's handler
// for web addresses and .html files, it appends what it was asked to open, and the show command
// it was given, to a log file. Command line: recorder LOG TARGET.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3)
        return 2;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    // Several openings may finish at once; a retry keeps each line whole and in the file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE log = CreateFileA(__argv[1], FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            char line[2048];
            const int length = std::snprintf(line, sizeof line, "%s|%d\n", __argv[2], show);
            DWORD written = 0;
            if (length > 0)
                WriteFile(log, line, static_cast<DWORD>(length), &written, nullptr);
            CloseHandle(log);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
