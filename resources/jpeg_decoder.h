#pragma once
// Decodes the JFIF screenshots carried as resources.

#include <cstdint>
#include <span>
#include <vector>

struct Rgb_Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // rows top-down, three bytes a pixel: red, green, blue
};

// Full size, full colour. A stream libjpeg cannot decode raises "JPEG error #%d" with libjpeg's
// message code.
Rgb_Image Decode_Jpeg(std::span<const std::uint8_t> jfif);
