#pragma once
// The screen-saver command line: how it splits into arguments and what mode and window number
// it selects.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every character of code 32 or less separates arguments; double quotes group such characters
// into one argument and are themselves dropped. Argument 0 is the program path.
std::vector<std::string> Split_Command_Line(std::string_view raw);

// Argument `index`, or the empty text when there are fewer arguments.
std::string Argument(const std::vector<std::string>& arguments, std::size_t index);

struct Command_Line_Choice {
    std::string run_mode;  // "a", "p", "c" or empty
    std::int32_t host_window = 0;
};

// Argument 2 is converted first (when not empty), so a bad window number stops every mode;
// it raises "'%s' is not a valid integer value". Then argument 1 picks the mode: its second
// character when it is longer than one.
Command_Line_Choice Parse_Command_Line(const std::vector<std::string>& arguments);
