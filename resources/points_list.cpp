#include "resources/points_list.h"

#include "ui/errors.h"
#include "ui/integer_text.h"

std::vector<std::string> Split_Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::int32_t> Parse_Points_List(std::string_view text) {
    std::vector<std::int32_t> values;
    for (const std::string& line : Split_Lines(text))
        values.push_back(ui::Str_To_Int(line));
    return values;
}

Outline Make_Outline(const std::vector<std::int32_t>& xs, const std::vector<std::int32_t>& ys,
                     std::string_view x_name, std::string_view y_name) {
    for (const auto* list : {&xs, &ys}) {
        if (list->size() > Outline_Capacity) {
            ui::Raise(ui::Outline_Error_Kind,
                      "Outline list " + std::string(list == &xs ? x_name : y_name) + " has " +
                          std::to_string(list->size()) + " points; at most " +
                          std::to_string(Outline_Capacity) + " fit");
        }
    }
    if (xs.size() != ys.size()) {
        ui::Raise(ui::Outline_Error_Kind, "Outline lists " + std::string(x_name) + " and " +
                                              std::string(y_name) + " differ in length (" +
                                              std::to_string(xs.size()) + " and " +
                                              std::to_string(ys.size()) + ")");
    }
    Outline outline;
    outline.points.reserve(ys.size());
    for (std::size_t i = 0; i < ys.size(); ++i)
        outline.points.push_back({xs[i], ys[i]});
    return outline;
}
