#pragma once
// The arithmetic of the system probes: units, and fractions dropped where the figures are shown.

#include <cstdint>

inline constexpr std::uint32_t Bytes_Per_Mb = 1'000'000;  // "Mb" means millions of bytes

// The processor is timed over this many milliseconds.
inline constexpr std::uint32_t Cpu_Timing_Ms = 500;

struct Work_Area_Halves {
    std::int32_t half_width;
    std::int32_t half_height;
};

// Half the width and height of a rectangle, each rounded toward 0.
Work_Area_Halves Halves_Of_Work_Area(std::int32_t left, std::int32_t top, std::int32_t right,
                                     std::int32_t bottom);

// Display memory in whole millions of bytes.
float Video_Memory_Mb(std::uint32_t total_bytes);

// The clock in MHz from two readings of the time-stamp counter Cpu_Timing_Ms apart. Only the low
// 32 bits of the difference count, so clocks above about 8589 MHz wrap.
double Cpu_MHz_From_Counts(std::uint64_t start, std::uint64_t end);

struct Ram_Figures {
    std::uint32_t load_percent;
    std::uint64_t total_mb;  // whole millions of bytes
};

Ram_Figures Ram_Figures_From(std::uint32_t load_percent, std::uint64_t total_bytes);
