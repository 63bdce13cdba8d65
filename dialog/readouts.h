#pragma once
// The texts and figures the dialog shows: the About page's measurements and clock, and the
// volume read-outs under the volume bar.

#include <string>
#include <string_view>

// Whole numbers only: fractions are dropped, never rounded up.
std::string Cpu_Speed_Text(double mhz);          // "2992 MHz"
std::string Megabytes_Text(double millions);     // "134 Mb"
std::string Memory_Load_Text(unsigned percent);  // "7%"

// The clock label: the time text between two blanks.
std::string Clock_Caption(std::string_view time_text);

// The time text at which the date picker moves to the new day.
bool Is_Midnight_Text(std::string_view time_text);

// The figure under the volume bar: 0 with the thumb at the bottom, 100 at the top.
int Volume_Figure(int position);

// The volume bar's percentage: one more than the figure, so 1..101.
int Volume_Percent(int position);

// How much of the bar is filled for a percentage: 101 fills it and no more.
int Volume_Fill_Percent(int percent);
