#pragma once
// Outline point lists: one decimal integer per line, an X list and a Y list per outline.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text, split on CR LF, lone CR or lone LF alike, in file order. A break after
// the last line adds no empty line.
std::vector<std::string> Split_Lines(std::string_view text);

// Each line as a 32-bit integer; a line that is not one (an empty line too) raises
// "'%s' is not a valid integer value".
std::vector<std::int32_t> Parse_Points_List(std::string_view text);

struct Outline_Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The most points an outline holds.
inline constexpr std::size_t Outline_Capacity = 5001;

struct Outline {
    std::vector<Outline_Point> points;  // never more than Outline_Capacity
    std::int32_t count() const { return static_cast<std::int32_t>(points.size()); }
};

// Pairs line i of the X list with line i of the Y list. Lists longer than the capacity, or of
// unequal length, are refused with an error naming the lists.
Outline Make_Outline(const std::vector<std::int32_t>& xs, const std::vector<std::int32_t>& ys,
                     std::string_view x_name, std::string_view y_name);
