#pragma once
// Text to 32-bit integer, by the rules the program uses everywhere it reads a number: leading
// blanks, an optional sign, then decimal digits within the signed 32-bit range, or "$", "x", "X",
// "0x" or "0X" and at most eight hexadecimal digits taken as a 32-bit pattern. Nothing may follow.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

std::optional<std::int32_t> Try_Str_To_Int(std::string_view text);

// As above; a text that does not convert raises "'%s' is not a valid integer value".
std::int32_t Str_To_Int(std::string_view text);

}  // namespace ui
