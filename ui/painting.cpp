#include "ui/painting.h"

#include <cstdint>
#include <vector>

namespace ui {

COLORREF To_Colorref(Colour colour) {
    if (colour.Is_System())
        return GetSysColor(static_cast<int>(colour.System_Entry()));
    return static_cast<COLORREF>(colour.Rgb_Value());
}

Colour Fixed_Colour(Colour colour) {
    const COLORREF value = To_Colorref(colour);
    return Colour::Rgb(GetRValue(value), GetGValue(value), GetBValue(value));
}

Back_Buffer::~Back_Buffer() {
    Release();
}

void Back_Buffer::Release() {
    // The bitmap must leave the device context before either is deleted.
    if (dc_ && original_bitmap_)
        SelectObject(dc_.get(), original_bitmap_);
    original_bitmap_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    width_ = height_ = 0;
}

HDC Back_Buffer::Prepare(int width, int height, bool& remade) {
    remade = false;
    if (width < 1)
        width = 1;
    if (height < 1)
        height = 1;
    if (dc_ && width == width_ && height == height_)
        return dc_.get();
    Release();
    Window_Dc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), width, height));
    if (!dc_ || !bitmap_) {
        Release();
        return nullptr;
    }
    original_bitmap_ = SelectObject(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
    remade = true;
    return dc_.get();
}

void Fill(HDC dc, const RECT& rect, Colour colour) {
    const COLORREF previous = SetBkColor(dc, To_Colorref(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void Fill_Gradient(HDC dc, const RECT& rect, const Gradient& gradient) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    Gradient fixed = gradient;
    fixed.from = Fixed_Colour(gradient.from);
    fixed.to = Fixed_Colour(gradient.to);

    // One pixel per band along the run, stretched across: no GDI objects, one call.
    const bool along_x = gradient.direction == Gradient_Direction::Vertical;
    const int count = along_x ? width : height;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint32_t rgb = Gradient_Colour(fixed, i, count).Rgb_Value();
        // DIB pixels are blue, green, red from the low byte.
        pixels[static_cast<std::size_t>(i)] =
            ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = along_x ? count : 1;
    info.bmiHeader.biHeight = along_x ? 1 : -count;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int previous_mode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, rect.left, rect.top, width, height, 0, 0, along_x ? count : 1,
                  along_x ? 1 : count, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previous_mode);
}

void Frame_3d(HDC dc, RECT& rect, Colour top_left, Colour bottom_right, int width) {
    for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
        Fill(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, top_left);
        Fill(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, top_left);
        Fill(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottom_right);
        Fill(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottom_right);
        InflateRect(&rect, -1, -1);
    }
}

void Frame(HDC dc, const RECT& rect, Colour colour) {
    RECT inner = rect;
    Frame_3d(dc, inner, colour, colour, 1);
}

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            length);
    }
    return wide;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            length, nullptr, nullptr);
    }
    return text;
}

void Draw_Text(HDC dc, std::string_view text, RECT rect, UINT format, Colour colour) {
    const std::wstring wide = Wide(text);
    const COLORREF previous_colour = SetTextColor(dc, To_Colorref(colour));
    const int previous_mode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
    SetBkMode(dc, previous_mode);
    SetTextColor(dc, previous_colour);
}

SIZE Text_Extent(HDC dc, std::string_view text, UINT format) {
    const std::wstring wide = Wide(text);
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void Draw_Gradient_Text(HDC dc, std::string_view text, const RECT& rect, UINT format,
                        const Gradient& gradient) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || text.empty())
        return;
    const std::wstring wide = Wide(text);

    // A one-bit mask of the letters (1 where ink falls)...
    Memory_Dc mask_dc(CreateCompatibleDC(dc));
    Gdi_Bitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    Memory_Dc fill_dc(CreateCompatibleDC(dc));
    Gdi_Bitmap fill(CreateCompatibleBitmap(dc, width, height));
    if (!mask_dc || !mask || !fill_dc || !fill)
        return;
    Selected_Object mask_bitmap(mask_dc.get(), mask.get());
    Selected_Object mask_font(mask_dc.get(), GetCurrentObject(dc, OBJ_FONT));
    PatBlt(mask_dc.get(), 0, 0, width, height, BLACKNESS);
    SetTextColor(mask_dc.get(), RGB(255, 255, 255));
    SetBkMode(mask_dc.get(), TRANSPARENT);
    RECT local{0, 0, width, height};
    DrawTextW(mask_dc.get(), wide.c_str(), static_cast<int>(wide.size()), &local, format);

    // ...the gradient kept only under the ink...
    Selected_Object fill_bitmap(fill_dc.get(), fill.get());
    Fill_Gradient(fill_dc.get(), local, gradient);
    SetBkColor(fill_dc.get(), RGB(255, 255, 255));
    SetTextColor(fill_dc.get(), RGB(0, 0, 0));
    BitBlt(fill_dc.get(), 0, 0, width, height, mask_dc.get(), 0, 0, SRCAND);

    // ...then the ink cleared on the target and the gradient laid in.
    const COLORREF previous_back = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF previous_text = SetTextColor(dc, RGB(0, 0, 0));
    constexpr DWORD Target_And_Not_Source = 0x00220326;
    BitBlt(dc, rect.left, rect.top, width, height, mask_dc.get(), 0, 0, Target_And_Not_Source);
    BitBlt(dc, rect.left, rect.top, width, height, fill_dc.get(), 0, 0, SRCPAINT);
    SetTextColor(dc, previous_text);
    SetBkColor(dc, previous_back);
}

}  // namespace ui
