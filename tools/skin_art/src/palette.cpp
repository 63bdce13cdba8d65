#include "palette.hpp"

#include <libimagequant.h>
#include <omp.h>

#include <limits>
#include <memory>
#include <stdexcept>

namespace skin_art {

namespace {

struct AttrRelease {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
};
struct ImageRelease {
    void operator()(liq_image* i) const { liq_image_destroy(i); }
};
struct HistogramRelease {
    void operator()(liq_histogram* h) const { liq_histogram_destroy(h); }
};
struct ResultRelease {
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};
using LiqImage = std::unique_ptr<liq_image, ImageRelease>;

// A pixel that counts must not land on an entry that stands for transparency.
std::uint8_t nearest_opaque(const liq_palette* pal, Rgba p) {
    int best = 0;
    long best_d = std::numeric_limits<long>::max();
    for (unsigned j = 0; j < pal->count; ++j) {
        if (pal->entries[j].a < 128) {
            continue;
        }
        const long dr = long(pal->entries[j].r) - p.r;
        const long dg = long(pal->entries[j].g) - p.g;
        const long db = long(pal->entries[j].b) - p.b;
        if (dr * dr + dg * dg + db * db < best_d) {
            best_d = dr * dr + dg * dg + db * db;
            best = static_cast<int>(j);
        }
    }
    return static_cast<std::uint8_t>(best);
}

// Quantises the pictures (alpha 0 where a pixel does not count) to one palette of at most
// 255 colours; entries 0..254 may be used, entry 255 is left for the caller.
std::vector<IndexedImage> quantise(const std::vector<RgbaImage>& pictures) {
    // One thread: the palette must not depend on how many cores the machine has.
    omp_set_num_threads(1);
    std::unique_ptr<liq_attr, AttrRelease> attr(liq_attr_create());
    liq_set_max_colors(attr.get(), 255);
    liq_set_speed(attr.get(), 3);
    std::unique_ptr<liq_histogram, HistogramRelease> histogram(liq_histogram_create(attr.get()));
    std::vector<LiqImage> images;
    for (const RgbaImage& p : pictures) {
        images.emplace_back(
            liq_image_create_rgba(attr.get(), p.pixels.data(), p.width, p.height, 0));
        if (!images.back() ||
            liq_histogram_add_image(histogram.get(), attr.get(), images.back().get()) != LIQ_OK) {
            throw std::runtime_error("palette reduction failed");
        }
    }
    liq_result* raw = nullptr;
    if (liq_histogram_quantize(histogram.get(), attr.get(), &raw) != LIQ_OK) {
        throw std::runtime_error("palette reduction failed");
    }
    std::unique_ptr<liq_result, ResultRelease> result(raw);
    liq_set_dithering_level(result.get(), 0.6f);
    std::vector<IndexedImage> out;
    for (std::size_t k = 0; k < pictures.size(); ++k) {
        const RgbaImage& p = pictures[k];
        IndexedImage indexed;
        indexed.width = p.width;
        indexed.height = p.height;
        indexed.indices.resize(p.pixels.size());
        if (liq_write_remapped_image(result.get(), images[k].get(), indexed.indices.data(),
                                     indexed.indices.size()) != LIQ_OK) {
            throw std::runtime_error("palette remapping failed");
        }
        const liq_palette* pal = liq_get_palette(result.get());
        for (unsigned i = 0; i < pal->count; ++i) {
            indexed.palette[i] = {pal->entries[i].r, pal->entries[i].g, pal->entries[i].b};
        }
        for (std::size_t i = 0; i < p.pixels.size(); ++i) {
            if (p.pixels[i].a >= 128 && pal->entries[indexed.indices[i]].a < 128) {
                indexed.indices[i] = nearest_opaque(pal, p.pixels[i]);
            }
        }
        out.push_back(std::move(indexed));
    }
    return out;
}

}  // namespace

std::vector<IndexedImage> reduce_with_shared_key(const std::vector<KeyedImage>& pictures) {
    std::vector<RgbaImage> rgba;
    for (const KeyedImage& picture : pictures) {
        const Image& c = picture.colours;
        RgbaImage r{c.width, c.height, std::vector<Rgba>(c.pixels.size())};
        for (std::size_t i = 0; i < c.pixels.size(); ++i) {
            r.pixels[i] = {c.pixels[i].r, c.pixels[i].g, c.pixels[i].b,
                           static_cast<std::uint8_t>(picture.drawn[i] ? 255 : 0)};
        }
        rgba.push_back(std::move(r));
    }
    std::vector<IndexedImage> out = quantise(rgba);
    constexpr std::uint8_t key = 255;
    for (std::size_t k = 0; k < out.size(); ++k) {
        for (int i = 0; i < key; ++i) {
            if (out[k].palette[i] == key_green) {
                out[k].palette[i].g = 254;  // a drawn colour must never read as the key
            }
        }
        out[k].palette[key] = key_green;
        for (std::size_t i = 0; i < out[k].indices.size(); ++i) {
            if (!pictures[k].drawn[i]) {
                out[k].indices[i] = key;
            }
        }
    }
    return out;
}

IndexedImage reduce_with_key(const KeyedImage& picture) {
    return std::move(reduce_with_shared_key({picture}).front());
}

IndexedImage reduce_with_alpha(const RgbaImage& picture) {
    IndexedImage out = std::move(quantise({picture}).front());
    constexpr std::uint8_t clear = 255;
    out.palette[clear] = {0, 0, 0};
    for (std::size_t i = 0; i < out.indices.size(); ++i) {
        if (picture.pixels[i].a < 128) {
            out.indices[i] = clear;
        }
    }
    return out;
}

}  // namespace skin_art
