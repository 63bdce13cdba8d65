#include <gtest/gtest.h>

#include <set>

#include "resources/resource_access.h"
#include "resources/resource_names.h"
#include "saver/preview.h"
#include "saver/preview_picture.h"
#include "saver_test_canvas.h"
#include "ui/bitmaps.h"

namespace {

using saver_test::Describe;

struct Rgb {
    std::uint8_t red, green, blue;
};

constexpr Rgb Key{0, 0, 255};
constexpr COLORREF White = RGB(255, 255, 255);

Rgb_Image Image_Of(int width, int height, const std::vector<Rgb>& pixels) {
    Rgb_Image image;
    image.width = width;
    image.height = height;
    for (const Rgb& pixel : pixels) {
        image.rgb.push_back(pixel.red);
        image.rgb.push_back(pixel.green);
        image.rgb.push_back(pixel.blue);
    }
    return image;
}

struct Paint_Case {
    const char* name;
    int width;
    int height;
    std::vector<Rgb> pixels;
};

// Each source pixel becomes a block of the destination, stretched unevenly (12 wide, 7 high);
// the centre of every block shows the pixel, or white where the pixel is exactly the key.
TEST(Preview_Paint, Stretches_Over_The_Rectangle_And_Paints_The_Key_Colour_White) {
    const Paint_Case cases[] = {
        {"key beside near-keys, odd width",
         5,
         3,
         {Key,
          {0, 0, 254},
          {255, 0, 0},
          {0, 255, 0},
          Key,  //
          {10, 20, 30},
          Key,
          {0, 0, 253},
          {255, 255, 254},
          {1, 0, 255},  //
          {0, 1, 255},
          {200, 100, 50},
          Key,
          {0, 0, 254},
          {0, 0, 0}}},
        {"no key at all", 2, 2, {{0, 0, 254}, {1, 0, 255}, {0, 1, 255}, {90, 90, 90}}},
        {"nothing but the key", 2, 1, {Key, Key}},
    };
    constexpr int Block_Width = 12;
    constexpr int Block_Height = 7;

    for (const Paint_Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RECT dest{0, 0, c.width * Block_Width, c.height * Block_Height};
        const RECT source{0, 0, c.width, c.height};
        ui::Window canvas = saver_test::Make_Canvas(10, 10, dest.right + 8, dest.bottom + 8);
        ASSERT_TRUE(canvas);
        {
            ui::Window_Dc dc(canvas.get());
            // Black beyond the picture shows where the painting stopped.
            RECT all{};
            GetClientRect(canvas.get(), &all);
            FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            const Preview_Picture picture =
                Make_Preview_Picture(Image_Of(c.width, c.height, c.pixels));
            Paint_Preview_Picture(dc.get(), picture, dest, source);
        }

        std::vector<POINT> centres;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x)
                centres.push_back(
                    {x * Block_Width + Block_Width / 2, y * Block_Height + Block_Height / 2});
        }
        // The picture's last row and column reach the rectangle's edge, and no further.
        centres.push_back({dest.right - 1, dest.bottom - 1});
        centres.push_back({dest.right + 2, dest.bottom / 2});
        centres.push_back({dest.right / 2, dest.bottom + 2});

        const std::vector<COLORREF> read = saver_test::Read_Pixels(canvas.get(), centres);
        for (std::size_t i = 0; i < c.pixels.size(); ++i) {
            const Rgb& pixel = c.pixels[i];
            const bool is_key =
                pixel.red == Key.red && pixel.green == Key.green && pixel.blue == Key.blue;
            const COLORREF expected = is_key ? White : RGB(pixel.red, pixel.green, pixel.blue);
            EXPECT_EQ(Describe(read[i]), Describe(expected)) << "source pixel " << i;
        }
        const Rgb& last = c.pixels.back();
        const bool last_is_key =
            last.red == Key.red && last.green == Key.green && last.blue == Key.blue;
        EXPECT_EQ(Describe(read[c.pixels.size()]),
                  Describe(last_is_key ? White : RGB(last.red, last.green, last.blue)))
            << "bottom right corner";
        EXPECT_EQ(Describe(read[c.pixels.size() + 1]), Describe(RGB(0, 0, 0))) << "right of it";
        EXPECT_EQ(Describe(read[c.pixels.size() + 2]), Describe(RGB(0, 0, 0))) << "below it";
    }
}

// The bitmap's pixels as red, green and blue, rows top-down.
std::vector<std::uint8_t> Rgb_Of(HBITMAP bitmap) {
    const SIZE size = ui::Bitmap_Size(bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> bgrx(static_cast<std::size_t>(size.cx) * size.cy * 4);
    ui::Window_Dc screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, size.cy, bgrx.data(), &info, DIB_RGB_COLORS) != size.cy)
        return {};
    std::vector<std::uint8_t> rgb;
    for (std::size_t i = 0; i < bgrx.size(); i += 4) {
        rgb.push_back(bgrx[i + 2]);
        rgb.push_back(bgrx[i + 1]);
        rgb.push_back(bgrx[i]);
    }
    return rgb;
}

TEST(Preview_Screenshot, Every_Load_Is_One_Of_The_First_Five_And_Loads_Vary) {
    std::vector<Rgb_Image> embedded;
    for (int n = 0; n < Screenshot_Count; ++n)
        embedded.push_back(Load_Jpeg_Resource(Screenshot_Name(Preview_Screenshot_Prefix, n)));
    for (int a = 0; a < Screenshot_Count; ++a) {
        for (int b = a + 1; b < Screenshot_Count; ++b)
            ASSERT_NE(embedded[a].rgb, embedded[b].rgb) << "screenshots " << a << " and " << b;
    }

    std::multiset<int> chosen;
    for (int load = 0; load < 60; ++load) {
        const Preview_Picture picture = Load_Preview_Screenshot();
        const std::vector<std::uint8_t> rgb = Rgb_Of(picture.bitmap.get());
        int which = -1;
        for (int n = 0; n < Screenshot_Count; ++n) {
            if (rgb == embedded[n].rgb)
                which = n;
        }
        ASSERT_GE(which, 0) << "load " << load << " matches no embedded screenshot";
        EXPECT_EQ(picture.size.cx, embedded[which].width);
        EXPECT_EQ(picture.size.cy, embedded[which].height);
        chosen.insert(which);
    }
    EXPECT_EQ(chosen.count(5), 0u) << "the sixth screenshot is not the preview's";
    std::set<int> different(chosen.begin(), chosen.end());
    EXPECT_GE(different.size(), 3u) << "60 loads showed too few screenshots";
}

}  // namespace
