#include "ui/image.h"

#include "resources/resource_access.h"
#include "ui/bitmaps.h"
#include "ui/painting.h"

namespace ui {

namespace {

// A memory device context holding a bitmap for a scope.
class Bitmap_Dc {
  public:
    explicit Bitmap_Dc(HBITMAP bitmap)
        : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.get(), bitmap) {}
    HDC get() const { return dc_.get(); }

  private:
    Memory_Dc dc_;
    Selected_Object selected_;
};

}  // namespace

SIZE Image::Picture_Size() const {
    return picture_ ? Bitmap_Size(picture_.get()) : SIZE{0, 0};
}

void Image::Set_Picture(HBITMAP picture) {
    picture_ = picture ? Copy_Bitmap(picture, 24) : Gdi_Bitmap();
    Build_Mask();
    if (auto_size_ && picture_) {
        const SIZE size = Picture_Size();
        Set_Bounds(Left(), Top(), size.cx, size.cy);
    }
    Invalidate();
}

void Image::Set_Stretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void Image::Set_Transparent(bool transparent) {
    transparent_ = transparent;
    Build_Mask();
    Invalidate();
}

void Image::Set_Transparent_Colour(std::optional<Colour> key) {
    fixed_key_ = key;
    Build_Mask();
    Invalidate();
}

std::optional<COLORREF> Image::Key_Colour() const {
    return key_;
}

void Image::Build_Mask() {
    mask_.reset();
    masked_picture_.reset();
    key_.reset();
    if (!transparent_ || !picture_)
        return;
    const SIZE size = Picture_Size();
    // Copied before the picture is selected anywhere: a bitmap lives in one DC at a time.
    masked_picture_ = Copy_Bitmap(picture_.get(), 24);
    Bitmap_Dc picture_dc(picture_.get());
    key_ = fixed_key_ ? To_Colorref(*fixed_key_) : GetPixel(picture_dc.get(), 0, size.cy - 1);

    // Colour to one bit: pixels of the background colour become 1.
    mask_.reset(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    if (!mask_ || !masked_picture_) {
        mask_.reset();
        masked_picture_.reset();
        key_.reset();
        return;
    }
    {
        Bitmap_Dc mask_dc(mask_.get());
        SetBkColor(picture_dc.get(), *key_);
        BitBlt(mask_dc.get(), 0, 0, size.cx, size.cy, picture_dc.get(), 0, 0, SRCCOPY);
        Bitmap_Dc masked_dc(masked_picture_.get());
        // Key pixels turn black, so that the picture can be laid in with OR.
        SetBkColor(masked_dc.get(), RGB(255, 255, 255));
        SetTextColor(masked_dc.get(), RGB(0, 0, 0));
        constexpr DWORD Target_And_Not_Source = 0x00220326;
        BitBlt(masked_dc.get(), 0, 0, size.cx, size.cy, mask_dc.get(), 0, 0, Target_And_Not_Source);
    }
    GdiFlush();
}

void Image::Paint(HDC dc) {
    if (!picture_)
        return;
    const SIZE size = Picture_Size();
    const int width = stretch_ ? Width() : size.cx;
    const int height = stretch_ ? Height() : size.cy;
    const int previous_mode = SetStretchBltMode(dc, COLORONCOLOR);
    if (mask_ && masked_picture_) {
        // Clear the picture's shape to black, then lay the picture in.
        const COLORREF previous_back = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF previous_text = SetTextColor(dc, RGB(0, 0, 0));
        Bitmap_Dc mask_dc(mask_.get());
        StretchBlt(dc, 0, 0, width, height, mask_dc.get(), 0, 0, size.cx, size.cy, SRCAND);
        Bitmap_Dc masked_dc(masked_picture_.get());
        StretchBlt(dc, 0, 0, width, height, masked_dc.get(), 0, 0, size.cx, size.cy, SRCPAINT);
        SetTextColor(dc, previous_text);
        SetBkColor(dc, previous_back);
    } else {
        Bitmap_Dc picture_dc(picture_.get());
        StretchBlt(dc, 0, 0, width, height, picture_dc.get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
    SetStretchBltMode(dc, previous_mode);
}

void Image::Load(const Component_Description& description, const Handler_Table& handlers) {
    Graphic_Control::Load(description, handlers);
    stretch_ = description.Flag("stretch");
    auto_size_ = description.Flag("auto_size");
    transparent_ = description.Flag("transparent");
    fixed_key_ = description.Colour_Of("transparent_colour");
    if (description.Has("picture")) {
        const Gdi_Bitmap picture = Load_Bitmap_Resource(description.Word("picture"));
        Set_Picture(picture.get());
    }
}

}  // namespace ui
