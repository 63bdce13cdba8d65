#include "points_file.hpp"

#include <stdexcept>

namespace skin_art {

std::string encode_points(const std::vector<int>& values, FinalBreak final_break) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] < 0) {
            throw std::invalid_argument("point lists hold no negative values");
        }
        out += std::to_string(values[i]);
        if (i + 1 < values.size() || final_break == FinalBreak::crlf) {
            out += "\r\n";
        }
    }
    return out;
}

std::vector<int> decode_points(std::string_view text) {
    std::vector<int> values;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(at, end - at);
        if (line.empty() || line.size() > 9 || line.find_first_not_of("0123456789") != line.npos) {
            throw std::runtime_error("'" + std::string(line) + "' is not a valid integer value");
        }
        values.push_back(std::stoi(std::string(line)));
        at = end;
        if (at < text.size() && text[at] == '\r') {
            ++at;
            if (at < text.size() && text[at] == '\n') {
                ++at;
            }
        } else if (at < text.size()) {
            ++at;  // a lone LF
        }
    }
    return values;
}

std::vector<int> xs_of(const std::vector<Point>& polygon) {
    std::vector<int> v;
    for (const Point& p : polygon) {
        v.push_back(p.x);
    }
    return v;
}

std::vector<int> ys_of(const std::vector<Point>& polygon) {
    std::vector<int> v;
    for (const Point& p : polygon) {
        v.push_back(p.y);
    }
    return v;
}

}  // namespace skin_art
