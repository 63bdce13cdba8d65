#pragma once
// Screen figures in pixels, measured once when the settings dialog is created and read by its
// opening animation.

#include <cstdint>

inline std::int32_t Screen_HorzRes = 0;       // horizontal resolution behind the dialog's canvas
inline std::int32_t WorkArea_HalfWidth = 0;   // half the desktop work area's width
inline std::int32_t WorkArea_HalfHeight = 0;  // half the desktop work area's height
