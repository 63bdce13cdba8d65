#include "driver.h"

#include <cstdio>
#include <cstring>
#include <thread>

#include "ui/component_name.h"

namespace e2e {

std::string Build_Dir() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    // Test programs live in tests/<layer>/ below the build folder.
    for (int up = 0; up < 3; ++up)
        full = full.substr(0, full.find_last_of('\\'));
    return full + "\\";
}

std::string Saver_Path() {
    return Build_Dir() + "Quelvar.scr";
}

Saver_Process::Saver_Process(const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;

    std::string command(1, '"');
    command += Saver_Path();
    command += '"';
    if (!arguments.empty()) {
        command += ' ';
        command += arguments;
    }
    std::vector<char> mutable_command(command.begin(), command.end());
    mutable_command.push_back('\0');

    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, mutable_command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
        process_.reset(info.hProcess);
        CloseHandle(info.hThread);
        id_ = info.dwProcessId;
    }
}

Saver_Process::~Saver_Process() {
    if (Running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::optional<DWORD> Saver_Process::Wait_Exit(std::chrono::milliseconds timeout) {
    if (!process_)
        return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool Saver_Process::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

namespace {

struct Window_Search {
    DWORD process_id;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect_Process_Window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Window_Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process_id)
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> Saver_Process::Top_Level_Windows() const {
    Window_Search search{id_, {}};
    EnumWindows(&Collect_Process_Window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Saver_Process::Find_Window(const std::string& title, std::chrono::milliseconds timeout,
                                const char* class_name) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (HWND window : Top_Level_Windows()) {
            // Visible only once fully built: a dialog shows after its controls exist.
            if (IsWindowVisible(window) && Window_Text(window) == title &&
                (!class_name || Class_Name(window) == class_name)) {
                return window;
            }
        }
        std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

std::string Saver_Process::Wine_Debug_Output() const {
    char unix_path[MAX_PATH + 1] = {};
    DWORD length = GetEnvironmentVariableA("QUELVAR_WINE_STDERR", unix_path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string path = "Z:";
    path.append(unix_path, length);
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    ui::Kernel_Handle file(CreateFileA(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return {};
    std::string all;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        all.append(chunk, read);
    }
    // With the pid flag each line starts with the writing process id in hex and a colon.
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(id_));
    std::string mine;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        if (all.compare(start, std::strlen(prefix), prefix) == 0) {
            mine.append(all, start, end - start + 1);
        }
        start = end + 1;
    }
    return mine;
}

std::string Window_Text(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string Class_Name(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string Message_Box_Text(HWND box) {
    // The box's text is its static control with id 0xFFFF; the icon is a static too, untitled.
    if (HWND text = GetDlgItem(box, 0xFFFF))
        return Window_Text(text);
    std::string longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string candidate = Window_Text(child);
        if (Class_Name(child) == "Static" && candidate.size() > longest.size())
            longest = candidate;
    }
    return longest;
}

void Press_Ok(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

}  // namespace e2e

namespace e2e {

namespace {

struct Child_Search {
    const std::string* wanted;
    bool by_name;
    HWND found;
};

BOOL CALLBACK Match_Child(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Child_Search*>(data);
    const std::string have = search->by_name ? Component_Name(window) : Window_Text(window);
    if (have == *search->wanted) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Find_Child(HWND parent, const std::string& wanted, bool by_name) {
    Child_Search search{&wanted, by_name, nullptr};
    EnumChildWindows(parent, &Match_Child, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND Find_Child_By_Text(HWND parent, const std::string& text) {
    return Find_Child(parent, text, false);
}

HWND Find_Child_By_Name(HWND parent, const std::string& name) {
    return Find_Child(parent, name, true);
}

std::string Component_Name(HWND window) {
    return ui::Component_Name_Of(window);
}

bool Wait_For_Size(HWND window, int width, int height, std::chrono::milliseconds timeout) {
    const auto give_up = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        RECT rect{};
        if (!GetWindowRect(window, &rect))
            return false;
        if (rect.right - rect.left == width && rect.bottom - rect.top == height)
            return true;
        if (std::chrono::steady_clock::now() > give_up)
            return false;
        Sleep(10);
    }
}

}  // namespace e2e
