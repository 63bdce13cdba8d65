#pragma once
// The preview's screenshot as it is painted: the picture and the mask of its key colour, both
// made once, and the paint step of every timer tick.

#include <windows.h>

#include "resources/jpeg_decoder.h"
#include "ui/handles.h"

struct Preview_Picture {
    ui::Gdi_Bitmap bitmap;  // 32 bits per pixel
    ui::Gdi_Bitmap mask;    // monochrome, set on the key colour; none when no pixel has it
    SIZE size{};
};

Preview_Picture Make_Preview_Picture(const Rgb_Image& image);

// Stretches `source` of the picture over `dest` of `dc` (width and height each to fit), with the
// key-coloured pixels painted white.
void Paint_Preview_Picture(HDC dc, const Preview_Picture& picture, const RECT& dest,
                           const RECT& source);
