#pragma once
// Drawing helpers shared by the controls: colours for GDI, scoped device-context state, the back
// buffer of a window, gradients, bevels and texts.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/gradient.h"
#include "ui/handles.h"

namespace ui {

COLORREF To_Colorref(Colour colour);
// A system colour as its present value, so that it can be blended; fixed colours stay.
Colour Fixed_Colour(Colour colour);

// Saves a device context's state for a scope (clip region, origin, selected objects, colours).
class Saved_Dc {
  public:
    explicit Saved_Dc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~Saved_Dc() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    Saved_Dc(const Saved_Dc&) = delete;
    Saved_Dc& operator=(const Saved_Dc&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// One off-screen bitmap per window, made again only when the window's size changes.
class Back_Buffer {
  public:
    Back_Buffer() = default;
    ~Back_Buffer();
    Back_Buffer(const Back_Buffer&) = delete;
    Back_Buffer& operator=(const Back_Buffer&) = delete;

    // The buffer's device context for a client area of that size; true in `remade` when the
    // bitmap is new (its content is then undefined).
    HDC Prepare(int width, int height, bool& remade);
    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    bool Empty() const { return !bitmap_; }
    void Release();

  private:
    Memory_Dc dc_;
    Gdi_Bitmap bitmap_;
    HGDIOBJ original_bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

void Fill(HDC dc, const RECT& rect, Colour colour);
void Fill_Gradient(HDC dc, const RECT& rect, const Gradient& gradient);

// A frame of `width` pixels whose top and left edges take one colour and whose bottom and right
// edges take the other; `rect` shrinks by the frame.
void Frame_3d(HDC dc, RECT& rect, Colour top_left, Colour bottom_right, int width);
void Frame(HDC dc, const RECT& rect, Colour colour);

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

void Draw_Text(HDC dc, std::string_view text, RECT rect, UINT format, Colour colour);
SIZE Text_Extent(HDC dc, std::string_view text, UINT format);

// The text filled with a gradient instead of a plain colour, with the font selected in `dc`.
void Draw_Gradient_Text(HDC dc, std::string_view text, const RECT& rect, UINT format,
                        const Gradient& gradient);

}  // namespace ui
