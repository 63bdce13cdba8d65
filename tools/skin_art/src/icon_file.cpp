#include "icon_file.hpp"

#include <stdexcept>

#include "palette.hpp"

namespace skin_art {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::uint32_t get(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
    if (at + bytes > b.size()) {
        throw std::runtime_error("icon file is truncated");
    }
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

// One picture as stored in an icon: information header (height doubled for the mask), colour
// table, colour rows and mask rows, both bottom-up.
std::vector<std::uint8_t> encode_picture(const IconPicture& icon) {
    const RgbaImage& p = icon.picture;
    const int bits = icon.bits_per_pixel;
    const int colour_stride = (p.width * bits / 8 + 3) & ~3;
    const int mask_stride = ((p.width + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(p.width));
    put32(out, static_cast<std::uint32_t>(p.height * 2));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>((colour_stride + mask_stride) * p.height));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    if (bits == 8) {
        const IndexedImage reduced = reduce_with_alpha(p);
        for (const Rgb& c : reduced.palette) {
            out.insert(out.end(), {c.b, c.g, c.r, 0});
        }
        for (int y = p.height - 1; y >= 0; --y) {
            const auto row = reduced.indices.begin() + std::ptrdiff_t(y) * p.width;
            out.insert(out.end(), row, row + p.width);
            out.insert(out.end(), colour_stride - p.width, 0);
        }
    } else if (bits == 32) {
        for (int y = p.height - 1; y >= 0; --y) {
            for (int x = 0; x < p.width; ++x) {
                const Rgba c = p.pixels[std::size_t(y) * p.width + x];
                out.insert(out.end(), {c.b, c.g, c.r, c.a});
            }
        }
    } else {
        throw std::invalid_argument("icons here hold 8- or 32-bit pictures");
    }
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_stride, 0);
        for (int x = 0; x < p.width; ++x) {
            if (p.pixels[std::size_t(y) * p.width + x].a < 128) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> encode_icon(std::span<const IconPicture> pictures) {
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const IconPicture& p : pictures) {
        bodies.push_back(encode_picture(p));
    }
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<std::uint32_t>(pictures.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const RgbaImage& p = pictures[i].picture;
        out.push_back(static_cast<std::uint8_t>(p.width >= 256 ? 0 : p.width));
        out.push_back(static_cast<std::uint8_t>(p.height >= 256 ? 0 : p.height));
        out.push_back(0);  // 256 colours or more
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<std::uint32_t>(pictures[i].bits_per_pixel));
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

std::vector<IconEntry> list_icon(std::span<const std::uint8_t> b) {
    if (get(b, 0, 2) != 0 || get(b, 2, 2) != 1) {
        throw std::runtime_error("not an icon file");
    }
    std::vector<IconEntry> entries;
    const std::uint32_t count = get(b, 4, 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * std::size_t(i);
        IconEntry e{};
        e.width = b.size() > at ? (b[at] == 0 ? 256 : b[at]) : 0;
        e.height = get(b, at + 1, 1) == 0 ? 256 : static_cast<int>(get(b, at + 1, 1));
        e.bits_per_pixel = static_cast<int>(get(b, at + 6, 2));
        e.size = get(b, at + 8, 4);
        e.offset = get(b, at + 12, 4);
        if (std::size_t(e.offset) + e.size > b.size() || get(b, e.offset, 4) != 40 ||
            get(b, e.offset + 4, 4) != std::uint32_t(e.width) ||
            get(b, e.offset + 8, 4) != std::uint32_t(e.height) * 2 ||
            get(b, e.offset + 14, 2) != std::uint32_t(e.bits_per_pixel)) {
            throw std::runtime_error("icon picture does not match its directory entry");
        }
        entries.push_back(e);
    }
    return entries;
}

}  // namespace skin_art
