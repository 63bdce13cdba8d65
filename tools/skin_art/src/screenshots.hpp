// Pictures of the saver's 3D scene: molecules floating in deep space with the clock and the
// frame rate drawn over them, as the scene engine shows them.
#pragma once

#include "raster.hpp"

namespace skin_art {

inline constexpr int screenshot_count = 6;

// Screenshot `index` (0..5) at the given size; every index shows a different scene.
Image render_screenshot(int index, int width, int height);

}  // namespace skin_art
