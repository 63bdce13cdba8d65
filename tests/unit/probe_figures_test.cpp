#include "sysinfo/probe_figures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Probe_Figures, Work_Area_Halves_Drop_The_Fraction_Toward_Zero) {
    struct Case {
        std::int32_t left, top, right, bottom;
        std::int32_t half_width, half_height;
    };
    const Case cases[] = {
        {0, 0, 1280, 994, 640, 497},
        {0, 0, 1023, 767, 511, 383},
        {0, 30, 1024, 768, 512, 369},   // taskbar at the top
        {-1280, 0, 0, 1024, 640, 512},  // monitor left of the primary
        {0, 0, 0, 0, 0, 0},
        {10, 10, 7, 5, -1, -2},  // upside down: still toward zero
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
    };
    for (const Case& c : cases) {
        const Work_Area_Halves halves = Halves_Of_Work_Area(c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(halves.half_width, c.half_width) << c.left << ' ' << c.right;
        EXPECT_EQ(halves.half_height, c.half_height) << c.top << ' ' << c.bottom;
    }
}

TEST(Probe_Figures, Video_Memory_In_Whole_Millions_Of_Bytes) {
    const std::pair<std::uint32_t, float> cases[] = {
        {0, 0.0f},
        {999'999, 0.0f},
        {1'000'000, 1.0f},
        {134'217'728, 134.0f},
        {268'435'456, 268.0f},
        {4'294'967'295u, 4294.0f},
    };
    for (auto [bytes, mb] : cases)
        EXPECT_EQ(Video_Memory_Mb(bytes), mb) << bytes;
}

TEST(Probe_Figures, Clock_From_Counter_Readings_Half_A_Second_Apart) {
    struct Case {
        std::uint64_t start, end;
        double mhz;
    };
    const Case cases[] = {
        {0, 1'500'000'000, 3000.0},
        {0, 1'234'567'891, 2469.135782},
        {1'000'000'000'000, 1'000'000'000'000 + 1'500'000'000, 3000.0},
        {0, 4'294'967'295u, 8589.93459},
        // Only the low 32 bits of the difference count.
        {7, 7 + (1ull << 32) + 500'000, 1.0},
        // A counter that wrapped around 2^64 still gives the difference.
        {UINT64_MAX - 99'999, 400'000, 1.0},
        {5, 5, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Cpu_MHz_From_Counts(c.start, c.end), c.mhz) << c.start << ' ' << c.end;
}

TEST(Probe_Figures, Physical_Memory_In_Whole_Millions_Of_Bytes) {
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {536'330'240, 536},
        {4'294'967'295u, 4294},
        {999'999, 0},
        {17'179'869'184ull, 17'179},
        {UINT64_MAX, 18'446'744'073'709ull},
    };
    for (auto [bytes, mb] : cases) {
        const Ram_Figures figures = Ram_Figures_From(37, bytes);
        EXPECT_EQ(figures.total_mb, mb) << bytes;
        EXPECT_EQ(figures.load_percent, 37u);
    }
}

}  // namespace
