#pragma once
// A windowless picture: drawn at its size or stretched to the control, opaque or transparent.
// A transparent picture leaves out one key colour: a fixed colour when one is set, otherwise the
// colour of its bottom-left pixel. The one-bit mask is made once, when the picture or the key
// changes; each paint is then two raster operations.

#include <optional>

#include "ui/graphic_control.h"
#include "ui/handles.h"

namespace ui {

class Image : public Graphic_Control {
  public:
    using Graphic_Control::Graphic_Control;
    std::string_view Kind() const override { return "Image"; }

    // Takes a copy of `picture` at 24 bits per pixel; null clears the picture.
    void Set_Picture(HBITMAP picture);
    HBITMAP Picture() const { return picture_.get(); }
    SIZE Picture_Size() const;

    bool Stretch() const { return stretch_; }
    void Set_Stretch(bool stretch);
    bool Auto_Size() const { return auto_size_; }
    bool Transparent() const { return transparent_; }
    void Set_Transparent(bool transparent);
    // A fixed key colour, or none for the picture's bottom-left pixel.
    void Set_Transparent_Colour(std::optional<Colour> key);
    // The colour left out, when the image is transparent and has a picture.
    std::optional<COLORREF> Key_Colour() const;

    void Paint(HDC dc) override;
    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  private:
    void Build_Mask();

    Gdi_Bitmap picture_;
    Gdi_Bitmap mask_;            // 1 where the key colour is
    Gdi_Bitmap masked_picture_;  // the picture with black where the key colour was
    std::optional<COLORREF> key_;
    std::optional<Colour> fixed_key_;
    bool stretch_ = false;
    bool auto_size_ = false;
    bool transparent_ = false;
};

}  // namespace ui
