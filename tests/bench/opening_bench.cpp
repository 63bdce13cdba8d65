// How long the settings dialog takes to open, step by step, and what it costs, beside a plain
// window of the same size (the floor). Prints figures; nothing here passes or fails.
//   opening_bench          the dialog
//   opening_bench floor    a plain 789 x 554 window, created and shown

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/startup_values.h"
#include "dialog/adjustment_form.h"
#include "dialog/opening_animation.h"
#include "ui/application.h"
#include "ui/page_control.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Time since the process was created, as the system counts it.
double Milliseconds_Since_Process_Start() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto as_100ns = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(as_100ns(now) - as_100ns(created)) / 10000.0;
}

void Print_Costs(const char* what) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf(
        "%-8s peak working set %.1f MB, peak private %.1f MB, GDI objects %lu, USER objects %lu\n",
        what, static_cast<double>(memory.PeakWorkingSetSize) / 1e6,
        static_cast<double>(memory.PeakPagefileUsage) / 1e6,
        GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
        GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
}

void Drain_Messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Run_Floor() {
    const auto start = Clock::now();
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = L"Opening_Floor";
    RegisterClassW(&window_class);
    HWND window =
        CreateWindowExW(0, L"Opening_Floor", L"floor", WS_POPUP, 100, 100, Dialog_Full_Width,
                        Dialog_Full_Height, nullptr, nullptr, window_class.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    Drain_Messages();
    std::printf("floor    shown in %.1f ms; %.1f ms after process start\n",
                Milliseconds(Clock::now() - start), Milliseconds_Since_Process_Start());
    Print_Costs("floor");
    DestroyWindow(window);
    return 0;
}

int Run_Dialog() {
    // A folder that does not exist: the settings load their defaults and nothing is written.
    Install_Dir = "Z:\\nonexistent-quelvar-bench\\";
    ui::Application& application = ui::The_Application();
    application.Initialize();
    application.Set_Title("Quelvar ScreenSaver");

    const auto start = Clock::now();
    TAdjustment_Form& form = application.Create_Form<TAdjustment_Form>();
    const auto created = Clock::now();
    form.Show();

    // One opening step per idle pass, as the message loop gives them.
    std::vector<double> steps;
    while (!form.Page_Control->Visible() && steps.size() < 5000) {
        const auto before = Clock::now();
        application.Process_Messages();
        application.Raise_Idle();
        steps.push_back(Milliseconds(Clock::now() - before));
    }
    const auto opened = Clock::now();
    Drain_Messages();

    double total = 0;
    for (double step : steps)
        total += step;
    const double longest = steps.empty() ? 0 : *std::max_element(steps.begin(), steps.end());
    std::printf("dialog   created (skin built) in %.1f ms\n", Milliseconds(created - start));
    std::printf("dialog   %zu opening steps: mean %.2f ms, longest %.2f ms, all %.1f ms\n",
                steps.size(), steps.empty() ? 0.0 : total / static_cast<double>(steps.size()),
                longest, total);
    std::printf("dialog   fully open %.1f ms after creation began; %.1f ms after process start\n",
                Milliseconds(opened - start), Milliseconds_Since_Process_Start());
    Print_Costs("dialog");
    application.Destroy_Forms();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "floor") == 0)
        return Run_Floor();
    return Run_Dialog();
}
