#include "test_windows.h"

#include <algorithm>

namespace e2e {

namespace {

constexpr const char* Test_Window_Class = "Quelvar Test Window";

void Register_Test_Window_Class() {
    static const bool registered = [] {
        WNDCLASSA window_class{};
        window_class.lpfnWndProc = &DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        window_class.lpszClassName = Test_Window_Class;
        return RegisterClassA(&window_class) != 0;
    }();
    (void)registered;
}

void Handle_Pending_Messages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

DWORD Remaining_Ms(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<DWORD>(std::max<long long>(0, left.count()));
}

struct Class_Search {
    DWORD process_id;  // 0: any process
    std::string class_name;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect_Window_Of_Class(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Class_Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->process_id == 0 || owner == search->process_id) &&
        Class_Name(window) == search->class_name) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

Test_Window::Test_Window(const char* title, DWORD style, RECT outer, HWND parent, DWORD ex_style) {
    Register_Test_Window_Class();
    window_ = CreateWindowExA(ex_style, Test_Window_Class, title, style, outer.left, outer.top,
                              outer.right - outer.left, outer.bottom - outer.top, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    Handle_Pending_Messages();
}

Test_Window::~Test_Window() {
    Destroy();
}

void Test_Window::Destroy() {
    if (window_)
        DestroyWindow(window_);
    window_ = nullptr;
}

std::string Window_Number(HWND window) {
    return std::to_string(HandleToLong(window));
}

void Pump_Messages(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    do {
        Handle_Pending_Messages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(Remaining_Ms(deadline), 20),
                                  QS_ALLINPUT);
    } while (std::chrono::steady_clock::now() < deadline);
    Handle_Pending_Messages();
}

bool Pump_Until(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        Handle_Pending_Messages();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(Remaining_Ms(deadline), 20),
                                  QS_ALLINPUT);
    }
}

std::optional<DWORD> Wait_Exit_Pumping(Saver_Process& process, std::chrono::milliseconds timeout) {
    if (!process.handle())
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    HANDLE handle = process.handle();
    for (;;) {
        Handle_Pending_Messages();
        const DWORD woke =
            MsgWaitForMultipleObjects(1, &handle, FALSE, Remaining_Ms(deadline), QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            return process.Wait_Exit(std::chrono::milliseconds(0));
        if (woke != WAIT_OBJECT_0 + 1)
            return std::nullopt;
    }
}

std::vector<HWND> Windows_Of_Class(const char* class_name) {
    return Process_Windows_Of_Class(0, class_name);
}

std::vector<HWND> Process_Windows_Of_Class(DWORD process_id, const char* class_name) {
    Class_Search search{process_id, class_name, {}};
    EnumWindows(&Collect_Window_Of_Class, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Seconds_Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace e2e
