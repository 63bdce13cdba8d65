#include "ui/integer_text.h"

#include "ui/errors.h"

namespace ui {
namespace {

int Hex_Digit_Value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Returns the length of the hexadecimal prefix at the start of `text` ("$", "x", "X", "0x",
// "0X"), or 0 when there is none.
std::size_t Hex_Prefix_Length(std::string_view text) {
    if (text.empty())
        return 0;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X')
        return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return 2;
    return 0;
}

}  // namespace

std::optional<std::int32_t> Try_Str_To_Int(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);

    if (std::size_t prefix = Hex_Prefix_Length(rest); prefix > 0) {
        std::string_view digits = rest.substr(prefix);
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        std::uint32_t pattern = 0;
        for (char c : digits) {
            int v = Hex_Digit_Value(c);
            if (v < 0)
                return std::nullopt;
            pattern = (pattern << 4) | static_cast<std::uint32_t>(v);
        }
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }

    if (rest.empty())
        return std::nullopt;
    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t Str_To_Int(std::string_view text) {
    if (auto value = Try_Str_To_Int(text))
        return *value;
    Raise_Convert_Error(text);
}

}  // namespace ui
