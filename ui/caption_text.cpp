#include "ui/caption_text.h"

#include <cctype>

namespace ui {

std::optional<char> Accelerator_Of(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return std::nullopt;
}

std::string Format_Percent(std::string_view format, int percent) {
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 'd') {
                text += std::to_string(percent);
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                text += '%';
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

}  // namespace ui
