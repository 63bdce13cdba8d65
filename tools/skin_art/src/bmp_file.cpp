#include "bmp_file.hpp"

#include <stdexcept>

namespace skin_art {

namespace {

constexpr int file_header_size = 14;
constexpr int info_header_size = 40;
constexpr std::int32_t pixels_per_metre = 2835;  // 72 dots per inch

int row_stride(int width, int bits) {
    return (width * bits / 8 + 3) & ~3;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> headers(int width, int height, int bits, int colours) {
    const std::uint32_t image_size = std::uint32_t(row_stride(width, bits)) * height;
    const std::uint32_t offset = file_header_size + info_header_size + colours * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset + image_size);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + image_size);
    put32(out, 0);
    put32(out, offset);
    put32(out, info_header_size);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);  // no compression
    put32(out, image_size);
    put32(out, pixels_per_metre);
    put32(out, pixels_per_metre);
    put32(out, static_cast<std::uint32_t>(colours));
    put32(out, 0);
    return out;
}

std::uint32_t get(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
    if (at + bytes > b.size()) {
        throw std::runtime_error("bitmap file is truncated");
    }
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

}  // namespace

std::vector<std::uint8_t> encode_bmp(const IndexedImage& image) {
    std::vector<std::uint8_t> out = headers(image.width, image.height, 8, 256);
    for (const Rgb& c : image.palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const int pad = row_stride(image.width, 8) - image.width;
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.indices.begin() + std::ptrdiff_t(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.insert(out.end(), pad, 0);
    }
    return out;
}

std::vector<std::uint8_t> encode_bmp(const Image& image) {
    std::vector<std::uint8_t> out = headers(image.width, image.height, 24, 0);
    const int pad = row_stride(image.width, 24) - image.width * 3;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.insert(out.end(), pad, 0);
    }
    return out;
}

DecodedBmp decode_bmp(std::span<const std::uint8_t> b) {
    if (b.size() < file_header_size + info_header_size || b[0] != 'B' || b[1] != 'M') {
        throw std::runtime_error("not a bitmap file");
    }
    const std::uint32_t offset = get(b, 10, 4);
    if (get(b, 14, 4) != info_header_size) {
        throw std::runtime_error("unexpected bitmap header size");
    }
    const auto width = static_cast<std::int32_t>(get(b, 18, 4));
    const auto height = static_cast<std::int32_t>(get(b, 22, 4));
    const int bits = static_cast<int>(get(b, 28, 2));
    if (width <= 0 || height <= 0 || get(b, 26, 2) != 1 || get(b, 30, 4) != 0 ||
        (bits != 8 && bits != 24)) {
        throw std::runtime_error("unsupported bitmap layout");
    }
    DecodedBmp out;
    out.bits_per_pixel = bits;
    out.image = Image(width, height);
    if (bits == 8) {
        std::uint32_t colours = get(b, 46, 4);
        colours = colours == 0 ? 256 : colours;
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = file_header_size + info_header_size + i * 4;
            out.palette.push_back({static_cast<std::uint8_t>(get(b, at + 2, 1)),
                                   static_cast<std::uint8_t>(get(b, at + 1, 1)),
                                   static_cast<std::uint8_t>(get(b, at, 1))});
        }
    }
    const int stride = row_stride(width, bits);
    if (offset + std::size_t(stride) * height > b.size()) {
        throw std::runtime_error("bitmap pixel data is truncated");
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + std::size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                const std::uint8_t index = b[row + x];
                if (index >= out.palette.size()) {
                    throw std::runtime_error("bitmap index outside its colour table");
                }
                out.image.at(x, y) = out.palette[index];
            } else {
                const std::size_t at = row + std::size_t(x) * 3;
                out.image.at(x, y) = {b[at + 2], b[at + 1], b[at]};
            }
        }
    }
    return out;
}

}  // namespace skin_art
