// Pictures of the assembled skin for people to look at.
#pragma once

#include <string>

#include <vector>

#include "raster.hpp"
#include "skin_compose.hpp"

namespace skin_art {

// The composed skin over a checkerboard, with the window's outline (red) and the TV screen's
// outline (cyan) drawn on top.
void write_outline_preview(const KeyedImage& skin, const std::string& png_path);

// The dialog as it appears once open: the window cut to its outline, the white-to-sky-blue
// background under the skin, a screenshot in the TV, a placeholder for the page control and
// the `above` pictures (the logo, say) over the skin.
void write_mock_up(const KeyedImage& skin, const Image& screenshot, const std::vector<Layer>& above,
                   const std::string& png_path);

}  // namespace skin_art
