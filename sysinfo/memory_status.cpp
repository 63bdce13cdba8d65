#include "sysinfo/memory_status.h"

#include <windows.h>

#include "ui/handles.h"

Ram_Figures Read_RAM_Figures() {
    // Older systems lack the extended call; its plain sibling stops counting at 4 GB.
    using Memory_Status_Ex_Function = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
    const auto memory_status_ex = ui::Proc_Address<Memory_Status_Ex_Function>(
        GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx");
    if (memory_status_ex) {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        if (memory_status_ex(&status))
            return Ram_Figures_From(status.dwMemoryLoad, status.ullTotalPhys);
    }
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return Ram_Figures_From(status.dwMemoryLoad, status.dwTotalPhys);
}
