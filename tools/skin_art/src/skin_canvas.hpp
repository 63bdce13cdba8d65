// The whole skin painted as one picture the size of the dialog, and the skin pictures cut
// from it. Every piece shows the same painting, so the pieces agree wherever they overlap,
// whatever order the dialog stacks them in.
#pragma once

#include <array>

#include "paint_kit.hpp"
#include "raster.hpp"
#include "skin_geometry.hpp"

namespace skin_art {

// The lower right piece reaches one column past the window's right edge.
inline constexpr int canvas_width = dialog_width + 1;

// Colours of the tube variants, "_01" first.
const std::array<Colour, tube_variants>& tube_colours();

// Paints the skin with the given tube colours; `drawn` marks pixels inside the window's outline
// that belong to a part (the porthole and the open middle stay undrawn).
KeyedImage paint_skin(Colour left_tube_colour, Colour right_tube_colour);

// The piece's rectangle of the painting. An opaque piece must be drawn everywhere.
KeyedImage cut_piece(const KeyedImage& skin, Piece piece);

}  // namespace skin_art
