#pragma once
// Errors raised the way the form library raises them: a kind name (shown by the default error
// report), a message, and the code address that raised it.

#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

class Error : public std::runtime_error {
  public:
    Error(std::string kind, const std::string& message, const void* address)
        : std::runtime_error(message), kind_(std::move(kind)), address_(address) {}

    const std::string& kind() const { return kind_; }
    const void* address() const { return address_; }

  private:
    std::string kind_;
    const void* address_;
};

// Error kinds, named as the default report shows them.
inline constexpr std::string_view Convert_Error_Kind = "EConvertError";
inline constexpr std::string_view Resource_Error_Kind = "EResNotFound";
inline constexpr std::string_view Ini_Error_Kind = "EIniFileException";
inline constexpr std::string_view Jpeg_Error_Kind = "EJPEG";
inline constexpr std::string_view Outline_Error_Kind = "EOutlineError";

// "'%s' is not a valid integer value"
std::string Invalid_Integer_Message(std::string_view text);

[[noreturn]] void Raise_Convert_Error(std::string_view text);
[[noreturn]] void Raise(std::string_view kind, const std::string& message);

// The text of the report for an error that nobody handled: the kind, the module and the code
// address, then the message, which always ends with a full stop.
std::string Format_Error_Report(std::string_view kind, std::string_view module_name,
                                unsigned long address, std::string_view message);

// The message as the dialog's error box shows it: with a full stop added when it has none.
std::string With_Full_Stop(std::string_view message);

}  // namespace ui
