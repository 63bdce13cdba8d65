#include "ui/bitmaps.h"

#include <cstring>

namespace ui {

Gdi_Bitmap Make_Bitmap(const Rgb_Image& image, int bits_per_pixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down, like the decoded rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits_per_pixel);
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    Gdi_Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};

    const int bytes_per_pixel = bits_per_pixel / 8;
    const std::size_t stride =
        ((static_cast<std::size_t>(image.width) * bits_per_pixel + 31) / 32) * 4;
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* source =
            image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
        std::uint8_t* target = rows + stride * static_cast<std::size_t>(y);
        std::memset(target, 0, stride);
        for (int x = 0; x < image.width; ++x) {
            // DIBs keep blue, green, red.
            target[x * bytes_per_pixel + 0] = source[x * 3 + 2];
            target[x * bytes_per_pixel + 1] = source[x * 3 + 1];
            target[x * bytes_per_pixel + 2] = source[x * 3 + 0];
        }
    }
    GdiFlush();
    return bitmap;
}

SIZE Bitmap_Size(HBITMAP bitmap) {
    BITMAP header{};
    GetObjectA(bitmap, sizeof header, &header);
    return {header.bmWidth, header.bmHeight};
}

}  // namespace ui

namespace ui {

Gdi_Bitmap Copy_Bitmap(HBITMAP source, int bits_per_pixel) {
    const SIZE size = Bitmap_Size(source);
    if (size.cx <= 0 || size.cy <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits_per_pixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Gdi_Bitmap copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy)
        return {};
    Memory_Dc source_dc(CreateCompatibleDC(nullptr));
    Memory_Dc target_dc(CreateCompatibleDC(nullptr));
    {
        Selected_Object from(source_dc.get(), source);
        Selected_Object to(target_dc.get(), copy.get());
        BitBlt(target_dc.get(), 0, 0, size.cx, size.cy, source_dc.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    return copy;
}

}  // namespace ui
