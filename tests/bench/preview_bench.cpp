// Runs the preview in a host window for a while and prints its processor time per second and
// its peak memory, beside the same figures for the floor program. Figures only: timing depends
// on the machine, so nothing here passes or fails.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ui/handles.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double cpu_per_second = 0;
    double steady_cpu_per_second = 0;  // after the first seconds, without the start-up
    double peak_working_set_mb = 0;
    double peak_private_mb = 0;
    bool ran = false;
};

std::string Folder_Of_This_Program() {
    std::vector<char> path(MAX_PATH + 1);
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    std::string full(path.data(), length);
    return full.substr(0, full.find_last_of('\\') + 1);
}

void Pump_For(std::chrono::milliseconds duration) {
    const auto deadline = Clock::now() + duration;
    MSG message{};
    while (Clock::now() < deadline) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

// User and kernel time of the process so far.
double Cpu_Seconds(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}

LRESULT CALLBACK Plain_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

// A host like the Display Properties monitor: a child of a dialog-like frame, with the
// screenshots' size.
ui::Window Make_Host(HWND frame) {
    return ui::Window(CreateWindowExA(0, "Bench Window", "", WS_CHILD | WS_VISIBLE, 20, 20, 152,
                                      112, frame, nullptr, GetModuleHandleA(nullptr), nullptr));
}

Figures Measure(const std::string& program, const std::string& arguments_before_host, HWND frame,
                std::chrono::seconds run_time) {
    Figures figures;
    ui::Window host = Make_Host(frame);
    std::string command =
        "\"" + program + "\" " + arguments_before_host + std::to_string(HandleToLong(host.get()));
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", command.c_str());
        return figures;
    }
    const ui::Kernel_Handle process_handle(process.hProcess);
    const ui::Kernel_Handle thread_handle(process.hThread);
    const auto started = Clock::now();
    const auto settle = std::chrono::seconds(3);
    Pump_For(settle);
    const double settled_cpu = Cpu_Seconds(process.hProcess);
    const auto settled = Clock::now();
    Pump_For(run_time - settle);

    const double cpu = Cpu_Seconds(process.hProcess);
    const double wall = std::chrono::duration<double>(Clock::now() - started).count();
    figures.steady_cpu_per_second =
        (cpu - settled_cpu) / std::chrono::duration<double>(Clock::now() - settled).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    figures.cpu_per_second = cpu / wall;
    figures.peak_working_set_mb = static_cast<double>(memory.PeakWorkingSetSize) / 1e6;
    figures.peak_private_mb = static_cast<double>(memory.PeakPagefileUsage) / 1e6;
    figures.ran = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;

    host.reset();
    const auto waited = Clock::now();
    while (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT &&
           Clock::now() - waited < std::chrono::seconds(5)) {
        Pump_For(std::chrono::milliseconds(20));
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process.hProcess, 1);
    return figures;
}

void Print(const char* name, const Figures& figures) {
    std::printf("%-22s %12.4f %12.4f %14.1f %14.1f%s\n", name, figures.cpu_per_second,
                figures.steady_cpu_per_second, figures.peak_working_set_mb, figures.peak_private_mb,
                figures.ran ? "" : "   (ended early)");
}

}  // namespace

int main(int argc, char** argv) {
    // At least the settling time and a few seconds beyond it.
    const int seconds = std::max(argc > 1 ? std::atoi(argv[1]) : 10, 5);
    const std::string folder = Folder_Of_This_Program();
    // The build puts the saver two folders up, at the top of the build tree.
    const std::string saver = folder + "..\\..\\Quelvar.scr";
    const std::string floor = folder + "paint_floor.exe";

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &Plain_Window_Proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    window_class.lpszClassName = "Bench Window";
    RegisterClassA(&window_class);
    const ui::Window frame(CreateWindowExA(0, "Bench Window", "Display Properties",
                                           WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 240, 200,
                                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));

    std::printf("each program painting into a 152x112 host for %d s\n", seconds);
    const Figures floor_figures = Measure(floor, "", frame.get(), std::chrono::seconds(seconds));
    const Figures preview = Measure(saver, "/p ", frame.get(), std::chrono::seconds(seconds));
    std::printf("%-22s %12s %12s %14s %14s\n", "", "CPU s/s", "after 3 s", "peak WS MB",
                "peak priv MB");
    Print("floor (paint_floor)", floor_figures);
    Print("preview (Quelvar /p)", preview);
    if (floor_figures.cpu_per_second > 0 && floor_figures.peak_working_set_mb > 0) {
        std::printf("%-22s %12.2f %12.2f %14.2f %14.2f\n", "preview / floor",
                    preview.cpu_per_second / floor_figures.cpu_per_second,
                    preview.steady_cpu_per_second / floor_figures.steady_cpu_per_second,
                    preview.peak_working_set_mb / floor_figures.peak_working_set_mb,
                    preview.peak_private_mb / floor_figures.peak_private_mb);
    }
    return 0;
}
