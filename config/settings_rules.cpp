#include "config/settings_rules.h"

#include <algorithm>

#include "config/settings_names.h"
#include "ui/errors.h"
#include "ui/integer_text.h"

std::int32_t Clamp_Volume_Position(std::int32_t position) {
    return std::clamp(position, Volume_Position_Min, Volume_Position_Max);
}

std::int32_t Clamp_Speed_Position(std::int32_t position) {
    return std::clamp(position, Speed_Position_Min, Speed_Position_Max);
}

std::int32_t Volume_From_Position(std::int32_t position) {
    return Volume_Position_Max - Clamp_Volume_Position(position);
}

std::int32_t Engine_Volume(std::int32_t volume_position) {
    // In 64 bits: a position from a control that does not clamp must not overflow.
    const std::int64_t volume = std::int64_t{Volume_Position_Max} - volume_position;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(volume, Engine_Volume_Min, Engine_Volume_Max));
}

std::int32_t Stored_Integer(std::string_view text, std::int32_t fallback) {
    std::string converted(text);
    if (converted.size() > 2 && converted[0] == '0' && (converted[1] == 'x' || converted[1] == 'X'))
        converted.replace(0, 2, "$");
    return ui::Try_Str_To_Int(converted).value_or(fallback);
}

bool Stored_Boolean(std::string_view text, bool fallback) {
    return Stored_Integer(text, fallback ? 1 : 0) != 0;
}

std::string Settings_Write_Error_Message(std::string_view path) {
    // Put together around the placeholder rather than replaced in place: GCC's optimiser
    // warns (wrongly) about overlapping copies inside std::string::replace.
    const std::string_view format = Settings_Write_Error_Format;
    const std::size_t at = format.find("%s");
    std::string message(format.substr(0, at));
    message += path;
    message += format.substr(at + 2);
    return message;
}

void Raise_Settings_Write_Error(std::string_view path) {
    ui::Raise(ui::Ini_Error_Kind, Settings_Write_Error_Message(path));
}
