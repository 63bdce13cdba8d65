// Plain pixel buffers and their exchange with cairo surfaces.
#pragma once

#include <cstdint>
#include <vector>

#include "cairo_handles.hpp"

namespace skin_art {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pure green marks the skin pixels the dialog must not draw.
inline constexpr Rgb key_green{0, 255, 0};
inline constexpr Rgb white{255, 255, 255};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row, top row first

    Image() = default;
    Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    friend bool operator==(const Image&, const Image&) = default;
};

// Colours with a separate coverage flag per pixel (true where the picture is drawn).
struct KeyedImage {
    Image colours;
    std::vector<std::uint8_t> drawn;

    bool is_drawn(int x, int y) const { return drawn[std::size_t(y) * colours.width + x] != 0; }
};

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
};

// Reads an ARGB32 or RGB24 surface; colours are un-premultiplied.
RgbaImage read_surface(cairo_surface_t* surface);
// Opaque colours of a surface (alpha ignored after un-premultiplying).
Image read_opaque(cairo_surface_t* surface);
// Copies an image into a new RGB24 surface.
Surface surface_from(const Image& image);

// For pictures whose transparent parts take the colour of their bottom-left pixel: pixels at
// least half covered are drawn, their partial cover blended towards `edge` (never towards the
// background, which would show as a halo) and never equal to `background`; the rest become
// `background`.
Image flatten_on_key(const RgbaImage& picture, Rgb background, Rgb edge);

}  // namespace skin_art
