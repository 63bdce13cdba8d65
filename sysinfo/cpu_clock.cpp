#include "sysinfo/cpu_clock.h"

#include <windows.h>
#include <x86intrin.h>

#include "sysinfo/probe_figures.h"

namespace {

// Raises the process and the thread to the top for a scope; the system may grant less, and
// whatever it grants is what the measurement runs at.
class Top_Priority {
  public:
    Top_Priority()
        : process_class_(GetPriorityClass(GetCurrentProcess())),
          thread_priority_(GetThreadPriority(GetCurrentThread())) {
        SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    }
    ~Top_Priority() {
        // The thread first: its priority is relative to the process's class.
        SetThreadPriority(GetCurrentThread(), thread_priority_);
        SetPriorityClass(GetCurrentProcess(), process_class_);
    }
    Top_Priority(const Top_Priority&) = delete;
    Top_Priority& operator=(const Top_Priority&) = delete;

  private:
    DWORD process_class_;
    int thread_priority_;
};

}  // namespace

double Measure_CPU_MHz() {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    {
        const Top_Priority priority;
        // Start at the beginning of a time slice, so that the count is not cut by another
        // thread's turn.
        Sleep(1);
        start = __rdtsc();
        Sleep(Cpu_Timing_Ms);
        end = __rdtsc();
    }
    return Cpu_MHz_From_Counts(start, end);
}
