#include "saver/key_mask.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr Rgb_Colour Key{0, 0, 255};

// An image `width` pixels wide and `height` high, grey but for the key at `keyed` (x, y).
Rgb_Image Grey_With_Keys(int width, int height, const std::vector<std::pair<int, int>>& keyed) {
    Rgb_Image image;
    image.width = width;
    image.height = height;
    image.rgb.assign(static_cast<std::size_t>(width) * height * 3, 128);
    for (auto [x, y] : keyed) {
        std::uint8_t* pixel = image.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
        pixel[0] = Key.red;
        pixel[1] = Key.green;
        pixel[2] = Key.blue;
    }
    return image;
}

bool Bit(const Key_Mask& mask, int x, int y) {
    const std::uint8_t byte = mask.bits[static_cast<std::size_t>(y) * mask.row_bytes + x / 8];
    return (byte >> (7 - x % 8)) & 1;
}

TEST(Key_Mask, Rows_Are_Whole_Words_With_The_Leftmost_Pixel_In_The_Top_Bit) {
    struct Case {
        int width;
        int height;
        std::size_t row_bytes;
        std::vector<std::pair<int, int>> keyed;
    };
    const Case cases[] = {
        {1, 1, 2, {{0, 0}}},           {5, 3, 2, {{0, 0}, {4, 1}, {2, 2}}},
        {16, 2, 2, {{15, 0}, {8, 1}}}, {17, 2, 4, {{16, 0}, {0, 1}, {7, 1}}},
        {33, 1, 6, {{32, 0}}},
    };
    for (const Case& c : cases) {
        const Key_Mask mask = Make_Key_Mask(Grey_With_Keys(c.width, c.height, c.keyed), Key);
        ASSERT_EQ(mask.row_bytes, c.row_bytes) << "width " << c.width;
        ASSERT_EQ(mask.bits.size(), c.row_bytes * c.height) << "width " << c.width;
        EXPECT_TRUE(mask.any_set);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const bool keyed = std::find(c.keyed.begin(), c.keyed.end(),
                                             std::pair<int, int>{x, y}) != c.keyed.end();
                EXPECT_EQ(Bit(mask, x, y), keyed) << "width " << c.width << " at " << x << "," << y;
            }
        }
        // Padding stays clear: the mask is stretched as a whole word row.
        for (int y = 0; y < c.height; ++y) {
            for (int x = c.width; x < static_cast<int>(c.row_bytes) * 8; ++x)
                EXPECT_FALSE(Bit(mask, x, y)) << "padding of width " << c.width;
        }
    }
}

TEST(Key_Mask, Only_The_Exact_Colour_Counts) {
    Rgb_Image image;
    image.width = 4;
    image.height = 1;
    image.rgb = {0, 0, 254, 1, 0, 255, 0, 1, 255, 255, 255, 255};
    const Key_Mask mask = Make_Key_Mask(image, Key);
    EXPECT_FALSE(mask.any_set);
    EXPECT_EQ(mask.bits, std::vector<std::uint8_t>(2, 0));
}

TEST(Key_Mask, Empty_Or_Short_Images_Give_No_Mask) {
    Rgb_Image empty;
    EXPECT_TRUE(Make_Key_Mask(empty, Key).bits.empty());
    Rgb_Image short_pixels = Grey_With_Keys(4, 4, {{0, 0}});
    short_pixels.rgb.resize(10);
    const Key_Mask mask = Make_Key_Mask(short_pixels, Key);
    EXPECT_TRUE(mask.bits.empty());
    EXPECT_FALSE(mask.any_set);
}

}  // namespace
