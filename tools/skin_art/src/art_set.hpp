// Every file the resource script embeds, made from scratch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skin_art {

struct ArtFile {
    std::string name;  // file name, e.g. "TITLE_TOP_IMAGE.bmp"
    std::vector<std::uint8_t> bytes;
};

// All files, sorted by name. The result depends on nothing but this program and its libraries.
std::vector<ArtFile> make_art_set();

}  // namespace skin_art
