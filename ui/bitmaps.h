#pragma once
// Device-independent bitmaps made from decoded pictures.

#include <windows.h>

#include "resources/jpeg_decoder.h"
#include "ui/handles.h"

namespace ui {

// A DIB section of 24 or 32 bits per pixel holding the picture.
Gdi_Bitmap Make_Bitmap(const Rgb_Image& image, int bits_per_pixel);

// Width and height of a bitmap.
SIZE Bitmap_Size(HBITMAP bitmap);

}  // namespace ui

namespace ui {

// A device-independent copy of any bitmap, at 24 or 32 bits per pixel.
Gdi_Bitmap Copy_Bitmap(HBITMAP source, int bits_per_pixel);

}  // namespace ui
