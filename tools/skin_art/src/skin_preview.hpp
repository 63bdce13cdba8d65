// Pictures of the assembled skin for people to look at.
#pragma once

#include <string>

#include "raster.hpp"

namespace skin_art {

// The composed skin over a checkerboard, with the window's outline (red) and the TV screen's
// outline (cyan) drawn on top.
void write_outline_preview(const KeyedImage& skin, const std::string& png_path);

// The dialog as it appears once open: the window cut to its outline, the white-to-sky-blue
// background under the skin, a screenshot in the TV and a placeholder for the page control.
void write_mock_up(const KeyedImage& skin, const Image& screenshot, const std::string& png_path);

}  // namespace skin_art
