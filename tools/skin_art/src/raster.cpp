#include "raster.hpp"

#include <algorithm>
#include <stdexcept>

namespace skin_art {

RgbaImage read_surface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) {
        throw std::invalid_argument("surface is not 32 bits per pixel");
    }
    RgbaImage out;
    out.width = cairo_image_surface_get_width(surface);
    out.height = cairo_image_surface_get_height(surface);
    out.pixels.resize(std::size_t(out.width) * out.height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            const std::uint32_t v = row[x];
            const unsigned a = format == CAIRO_FORMAT_ARGB32 ? v >> 24 : 255;
            auto channel = [&](unsigned shift) -> std::uint8_t {
                const unsigned c = (v >> shift) & 0xff;
                return a == 0 ? 0
                              : static_cast<std::uint8_t>(std::min(255u, (c * 255 + a / 2) / a));
            };
            out.pixels[std::size_t(y) * out.width + x] = {channel(16), channel(8), channel(0),
                                                          static_cast<std::uint8_t>(a)};
        }
    }
    return out;
}

Image read_opaque(cairo_surface_t* surface) {
    const RgbaImage rgba = read_surface(surface);
    Image out(rgba.width, rgba.height);
    for (std::size_t i = 0; i < rgba.pixels.size(); ++i) {
        out.pixels[i] = {rgba.pixels[i].r, rgba.pixels[i].g, rgba.pixels[i].b};
    }
    return out;
}

Surface surface_from(const Image& image) {
    Surface s = make_surface(image.width, image.height, CAIRO_FORMAT_RGB24);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            row[x] = 0xff000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

Image flatten_on_key(const RgbaImage& picture, Rgb background, Rgb edge) {
    Image out(picture.width, picture.height, background);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const Rgba p = picture.pixels[i];
        if (p.a < 128) {
            continue;
        }
        const double a = p.a / 255.0;
        auto blend = [a](std::uint8_t c, std::uint8_t e) {
            return static_cast<std::uint8_t>(c * a + e * (1 - a) + 0.5);
        };
        Rgb c{blend(p.r, edge.r), blend(p.g, edge.g), blend(p.b, edge.b)};
        if (c == background) {
            // Nudge one channel so that the pixel is not taken for the background.
            c.g = c.g > 0 ? c.g - 1 : 1;
        }
        out.pixels[i] = c;
    }
    return out;
}

}  // namespace skin_art
