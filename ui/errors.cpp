#include "ui/errors.h"

#include <cstdio>

namespace ui {

std::string Invalid_Integer_Message(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}

void Raise_Convert_Error(std::string_view text) {
    throw Error(std::string(Convert_Error_Kind), Invalid_Integer_Message(text),
                __builtin_return_address(0));
}

void Raise(std::string_view kind, const std::string& message) {
    throw Error(std::string(kind), message, __builtin_return_address(0));
}

std::string With_Full_Stop(std::string_view message) {
    std::string text(message);
    if (text.empty() || text.back() != '.') {
        text += '.';
    }
    return text;
}

std::string Format_Error_Report(std::string_view kind, std::string_view module_name,
                                unsigned long address, std::string_view message) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08lX", address & 0xFFFFFFFFul);
    std::string report = "Exception ";
    report += kind;
    report += " in module ";
    report += module_name;
    report += " at ";
    report += hex;
    report += ".\n";
    report += With_Full_Stop(message);
    return report;
}

}  // namespace ui
