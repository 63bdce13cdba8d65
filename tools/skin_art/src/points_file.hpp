// Outline point lists: ASCII text, one unsigned decimal number per line, lines separated by
// CR LF; a line break after the last value is optional and adds no line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "polygon.hpp"

namespace skin_art {

enum class FinalBreak { none, crlf };

std::string encode_points(const std::vector<int>& values, FinalBreak final_break);

// Splits on CR LF, lone CR or lone LF; throws std::runtime_error on a line that is not a
// decimal number (an empty line included).
std::vector<int> decode_points(std::string_view text);

std::vector<int> xs_of(const std::vector<Point>& polygon);
std::vector<int> ys_of(const std::vector<Point>& polygon);

}  // namespace skin_art
