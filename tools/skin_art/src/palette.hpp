// Reduction of full-colour pictures to 256-colour palettes.
#pragma once

#include <vector>

#include "bmp_file.hpp"
#include "raster.hpp"

namespace skin_art {

// Reduces the drawn pixels of a skin picture to at most 255 colours; the last palette entry is
// pure green and every pixel that is not drawn takes it. No drawn pixel ever maps to pure green,
// and the palette holds pure green exactly once even when every pixel is drawn.
IndexedImage reduce_with_key(const KeyedImage& picture);

// The same for pictures that share one palette, so that pixels the pictures have in common
// come out alike in all of them.
std::vector<IndexedImage> reduce_with_shared_key(const std::vector<KeyedImage>& pictures);

// Reduces a picture with soft transparency (an icon) to 256 colours; pixels with alpha below
// one half map to the last entry, which is black.
IndexedImage reduce_with_alpha(const RgbaImage& picture);

}  // namespace skin_art
