#include "test_files.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "points_file.hpp"

namespace skin_art::testing {

std::string committed_path(const std::string& file_name) {
    return std::string(SKIN_ART_COMMITTED_DIR) + "/" + file_name;
}

std::vector<std::uint8_t> read_committed(const std::string& file_name) {
    std::ifstream in(committed_path(file_name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("missing committed file " + file_name);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> committed_names() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SKIN_ART_COMMITTED_DIR)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const DecodedBmp& committed_bitmap(const std::string& name) {
    static std::map<std::string, DecodedBmp> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        it = cache.emplace(name, decode_bmp(read_committed(name + ".bmp"))).first;
    }
    return it->second;
}

std::vector<Point> committed_outline(const std::string& stem) {
    auto values = [&](const char* axis) {
        const std::vector<std::uint8_t> bytes = read_committed(stem + "_" + axis + ".txt");
        return decode_points(std::string(bytes.begin(), bytes.end()));
    };
    const std::vector<int> xs = values("X"), ys = values("Y");
    if (xs.size() != ys.size()) {
        throw std::runtime_error(stem + " lists differ in length");
    }
    std::vector<Point> outline;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        outline.push_back({xs[i], ys[i]});
    }
    return outline;
}

}  // namespace skin_art::testing
