// Windows icon files holding several pictures of one icon.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bmp_file.hpp"
#include "raster.hpp"

namespace skin_art {

struct IconPicture {
    RgbaImage picture;   // square, straight (not premultiplied) alpha
    int bits_per_pixel;  // 8 (palette and a one-bit mask) or 32 (alpha channel and a mask)
};

std::vector<std::uint8_t> encode_icon(std::span<const IconPicture> pictures);

struct IconEntry {
    int width, height, bits_per_pixel;
    std::uint32_t size, offset;
};
// Lists the pictures of an icon file; throws std::runtime_error when it is malformed.
std::vector<IconEntry> list_icon(std::span<const std::uint8_t> bytes);

}  // namespace skin_art
