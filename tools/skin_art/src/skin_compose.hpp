// The skin as the dialog stacks it: its pictures placed on the window, each drawn except where
// it has its transparent colour.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "raster.hpp"
#include "skin_geometry.hpp"

namespace skin_art {

struct Layer {
    const Image* picture;
    Point at;         // top left corner on the window
    Rgb transparent;  // colour that is not drawn
};

// Stacks the layers (bottom first) on a width x height window.
KeyedImage compose(const std::vector<Layer>& bottom_first, int width, int height);

// Finds a decoded picture by its resource name (e.g. "TITLE_TOP_IMAGE").
using PictureLookup = std::function<const Image&(const std::string& name)>;

// The dialog's stacking of its skin, bottom first: the ball, the pieces and the close button
// (the hovered drawing under the one at rest). Variants count from 0 ("_01").
std::vector<Layer> skin_layers(const PictureLookup& lookup, int left_variant, int right_variant);

}  // namespace skin_art
