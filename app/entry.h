#pragma once

#include <string_view>

// The whole program for one command line: start-up, one mode, and the exit code (0 when the
// mode ran to its end, 1 after the error report).
int Run_Program(std::string_view command_line);
