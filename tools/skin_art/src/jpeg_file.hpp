// Baseline JFIF files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster.hpp"

namespace skin_art {

// Encodes a baseline, three-component JFIF file at the given quality (1..100).
std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality);

// Encodes at the quality whose file size comes nearest the middle of [min_bytes, max_bytes];
// throws std::runtime_error when no quality lands inside the range.
std::vector<std::uint8_t> encode_jpeg_sized(const Image& image, std::size_t min_bytes,
                                            std::size_t max_bytes);

}  // namespace skin_art
