#include "dialog/readouts.h"

#include "config/settings_rules.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Whole(double value) {
    // Toward zero, as the read-outs show whole units only.
    return std::to_string(static_cast<long long>(std::trunc(value)));
}

}  // namespace

std::string Cpu_Speed_Text(double mhz) {
    return Whole(mhz) + " MHz";
}

std::string Megabytes_Text(double millions) {
    return Whole(millions) + " Mb";
}

std::string Memory_Load_Text(unsigned percent) {
    return std::to_string(percent) + "%";
}

std::string Clock_Caption(std::string_view time_text) {
    std::string caption = " ";
    caption += time_text;
    caption += ' ';
    return caption;
}

bool Is_Midnight_Text(std::string_view time_text) {
    return time_text == "0:00:00";
}

int Volume_Figure(int position) {
    return Volume_From_Position(position);
}

int Volume_Percent(int position) {
    return Volume_From_Position(position) + 1;
}

int Volume_Fill_Percent(int percent) {
    return std::clamp(percent, 0, 100);
}
