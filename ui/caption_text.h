#pragma once
// Rules for captions that do not depend on Windows: the accelerator letter marked by '&', and the
// percentage text of a progress bar.

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The upper-case character after the first single '&' ("&&" stands for one '&'), or nothing.
std::optional<char> Accelerator_Of(std::string_view caption);

// The format with "%d" replaced by the percentage and "%%" by '%'; anything else stays.
std::string Format_Percent(std::string_view format, int percent);

}  // namespace ui
