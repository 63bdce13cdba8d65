// Windows bitmap files: a file header, a 40-byte information header, the colour table and
// uncompressed rows stored bottom-up, each padded to four bytes. The resource compiler drops
// the file header and keeps the rest as the bitmap resource.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "raster.hpp"

namespace skin_art {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<Rgb, 256> palette{};
    std::vector<std::uint8_t> indices;  // row by row, top row first
};

std::vector<std::uint8_t> encode_bmp(const IndexedImage& image);  // 8 bits per pixel
std::vector<std::uint8_t> encode_bmp(const Image& image);         // 24 bits per pixel

struct DecodedBmp {
    int bits_per_pixel = 0;
    std::vector<Rgb> palette;  // empty for 24-bit files
    Image image;
};

// Reads an uncompressed 8- or 24-bit bitmap file; throws std::runtime_error on anything else.
DecodedBmp decode_bmp(std::span<const std::uint8_t> bytes);

}  // namespace skin_art
