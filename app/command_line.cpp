#include "app/command_line.h"

#include "ui/integer_text.h"

namespace {

bool Is_Separator(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string Mode_For(char c) {
    switch (c) {
        case 'a':
        case 'A':
            return "a";
        case 'c':
        case 'C':
        case 'r':
        case 'R':
            return "c";
        case 'p':
        case 'P':
            return "p";
        default:
            return "";
    }
}

}  // namespace

std::vector<std::string> Split_Command_Line(std::string_view raw) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (true) {
        while (i < raw.size() && Is_Separator(raw[i]))
            ++i;
        if (i >= raw.size())
            break;
        std::string argument;
        bool quoted = false;
        for (; i < raw.size() && (quoted || !Is_Separator(raw[i])); ++i) {
            if (raw[i] == '"') {
                quoted = !quoted;
            } else {
                argument += raw[i];
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

std::string Argument(const std::vector<std::string>& arguments, std::size_t index) {
    return index < arguments.size() ? arguments[index] : std::string();
}

Command_Line_Choice Parse_Command_Line(const std::vector<std::string>& arguments) {
    Command_Line_Choice choice;
    const std::string window = Argument(arguments, 2);
    choice.host_window = window.empty() ? 0 : ui::Str_To_Int(window);

    std::string mode = Argument(arguments, 1);
    if (mode.size() > 1)
        mode = mode.substr(1, 1);
    if (!mode.empty())
        choice.run_mode = Mode_For(mode[0]);
    return choice;
}
