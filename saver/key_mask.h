#pragma once
// The one-bit mask of a picture's key colour, worked out once when the picture is loaded so
// that each paint is two raster operations.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "resources/jpeg_decoder.h"

struct Rgb_Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The layout a monochrome bitmap is created from: rows top-down, each padded to whole 16-bit
// words, the leftmost pixel in the highest bit of its byte.
struct Key_Mask {
    std::size_t row_bytes = 0;
    std::vector<std::uint8_t> bits;
    bool any_set = false;  // lets a picture without the key colour skip the mask step
};

// A bit set for every pixel of exactly `key`, and for no other.
Key_Mask Make_Key_Mask(const Rgb_Image& image, Rgb_Colour key);
