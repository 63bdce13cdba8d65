#include "sysinfo/probe_figures.h"

Work_Area_Halves Halves_Of_Work_Area(std::int32_t left, std::int32_t top, std::int32_t right,
                                     std::int32_t bottom) {
    // In 64 bits: a rectangle spanning more than the 32-bit range must not overflow.
    return Work_Area_Halves{
        .half_width = static_cast<std::int32_t>((std::int64_t{right} - left) / 2),
        .half_height = static_cast<std::int32_t>((std::int64_t{bottom} - top) / 2),
    };
}

float Video_Memory_Mb(std::uint32_t total_bytes) {
    return static_cast<float>(total_bytes / Bytes_Per_Mb);
}

double Cpu_MHz_From_Counts(std::uint64_t start, std::uint64_t end) {
    const auto cycles = static_cast<std::uint32_t>(end - start);
    // Cycles per millisecond, over a thousand: cycles per microsecond.
    return cycles / (Cpu_Timing_Ms * 1000.0);
}

Ram_Figures Ram_Figures_From(std::uint32_t load_percent, std::uint64_t total_bytes) {
    return Ram_Figures{.load_percent = load_percent, .total_mb = total_bytes / Bytes_Per_Mb};
}
