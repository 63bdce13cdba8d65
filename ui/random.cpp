#include "ui/random.h"

#include <windows.h>

namespace ui {

Random_Generator& Process_Random() {
    static Random_Generator generator;
    return generator;
}

void Reseed() {
    LARGE_INTEGER counter{};
    if (QueryPerformanceCounter(&counter)) {
        Process_Random().Seed(static_cast<std::uint32_t>(counter.QuadPart & 0xFFFFFFFFu));
    } else {
        Process_Random().Seed(GetTickCount());
    }
}

}  // namespace ui
