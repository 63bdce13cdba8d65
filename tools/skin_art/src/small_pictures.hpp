// The small pictures of the dialog: the glossy ball behind the porthole, the close button's two
// drawings and the rotating molecule of the About page.
#pragma once

#include "raster.hpp"

namespace skin_art {

// Glossy ball on white (the picture's transparent colour); no pixel of the ball is white.
Image render_ball();

// The close button, bright (the picture at rest) or dark; undrawn pixels are not drawn.
KeyedImage render_exit_button(bool bright);

inline constexpr int molecule_frames = 4;
// Frame 0..3 of the molecule turning about its vertical axis, on white.
Image render_molecule_frame(int frame);

}  // namespace skin_art
