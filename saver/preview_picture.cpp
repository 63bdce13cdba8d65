#include "saver/preview_picture.h"

#include "saver/key_mask.h"
#include "saver/saver_constants.h"
#include "ui/bitmaps.h"

namespace {

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

void Stretch(HDC dc, const RECT& dest, HDC source_dc, const RECT& source, DWORD rop) {
    StretchBlt(dc, dest.left, dest.top, Width(dest), Height(dest), source_dc, source.left,
               source.top, Width(source), Height(source), rop);
}

}  // namespace

Preview_Picture Make_Preview_Picture(const Rgb_Image& image) {
    Preview_Picture picture;
    picture.bitmap = ui::Make_Bitmap(image, 32);
    picture.size = {image.width, image.height};
    const Key_Mask mask = Make_Key_Mask(image, Preview_Key_Colour);
    if (mask.any_set) {
        // A device-dependent monochrome bitmap, not a DIB: only then do the text and background
        // colours decide how its bits meet a colour surface.
        picture.mask.reset(CreateBitmap(image.width, image.height, 1, 1, mask.bits.data()));
    }
    return picture;
}

void Paint_Preview_Picture(HDC dc, const Preview_Picture& picture, const RECT& dest,
                           const RECT& source) {
    if (!dc || !picture.bitmap)
        return;
    ui::Memory_Dc source_dc(CreateCompatibleDC(dc));
    if (!source_dc)
        return;
    // Both copies must sample the same source pixels, or the mask would miss its picture.
    const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
    {
        ui::Selected_Object picked(source_dc.get(), picture.bitmap.get());
        Stretch(dc, dest, source_dc.get(), source, SRCCOPY);
    }
    if (picture.mask) {
        ui::Selected_Object picked(source_dc.get(), picture.mask.get());
        ui::Selected_Object brush(dc, GetStockObject(WHITE_BRUSH));
        // Set mask bits become the background colour, all ones, which lets the brush through.
        const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF old_background = SetBkColor(dc, RGB(255, 255, 255));
        Stretch(dc, dest, source_dc.get(), source, Preview_Mask_Rop);
        SetBkColor(dc, old_background);
        SetTextColor(dc, old_text);
    }
    SetStretchBltMode(dc, old_mode);
}
