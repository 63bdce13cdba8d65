#include "dialog/readouts.h"

#include <gtest/gtest.h>

namespace {

TEST(About_Readouts, Figures_Drop_Their_Fractions) {
    EXPECT_EQ(Cpu_Speed_Text(2992.4), "2992 MHz");
    EXPECT_EQ(Cpu_Speed_Text(2992.99), "2992 MHz");
    EXPECT_EQ(Cpu_Speed_Text(2469.135782), "2469 MHz");
    EXPECT_EQ(Cpu_Speed_Text(0.0), "0 MHz");
    EXPECT_EQ(Megabytes_Text(134.0), "134 Mb");
    EXPECT_EQ(Megabytes_Text(4294.0), "4294 Mb");
    EXPECT_EQ(Memory_Load_Text(7), "7%");
    EXPECT_EQ(Memory_Load_Text(100), "100%");
}

TEST(About_Readouts, Clock_And_Midnight) {
    EXPECT_EQ(Clock_Caption("9:05:07"), " 9:05:07 ");
    EXPECT_TRUE(Is_Midnight_Text("0:00:00"));
    EXPECT_FALSE(Is_Midnight_Text("00:00:00"));
    EXPECT_FALSE(Is_Midnight_Text("12:00:00 AM"));
    EXPECT_FALSE(Is_Midnight_Text("0:00:01"));
}

TEST(Volume_Readouts, Figure_And_Percentage_Grow_Towards_The_Top) {
    struct Case {
        int position, figure, percent, fill;
    };
    for (const Case& c : {Case{100, 0, 1, 1}, Case{50, 50, 51, 51}, Case{0, 100, 101, 100},
                          Case{1, 99, 100, 100}}) {
        EXPECT_EQ(Volume_Figure(c.position), c.figure) << c.position;
        EXPECT_EQ(Volume_Percent(c.position), c.percent) << c.position;
        EXPECT_EQ(Volume_Fill_Percent(Volume_Percent(c.position)), c.fill) << c.position;
    }
}

}  // namespace
