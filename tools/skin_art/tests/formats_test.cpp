// File formats and colour handling: the point-list text format, bitmap files, pictures with a
// transparent background colour and the palette reduction with its key colour.
#include <gtest/gtest.h>

#include "bmp_file.hpp"
#include "palette.hpp"
#include "points_file.hpp"
#include "raster.hpp"

namespace skin_art {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(PointsFile, EncodesWithAndWithoutFinalLineBreak) {
    EXPECT_EQ(encode_points({1, 22, 333}, FinalBreak::none), "1\r\n22\r\n333");
    EXPECT_EQ(encode_points({0, 7}, FinalBreak::crlf), "0\r\n7\r\n");
    EXPECT_THROW(encode_points({-1}, FinalBreak::none), std::invalid_argument);
}

TEST(PointsFile, SplitsOnAnyLineBreakAndRejectsWhatIsNotANumber) {
    struct Case {
        std::string text;
        std::vector<int> values;
    };
    const Case good[] = {
        {"1\r\n22\r\n333", {1, 22, 333}},
        {"1\r\n2\r\n", {1, 2}},
        {"1\n2\r3", {1, 2, 3}},
        {"5", {5}},
        {"", {}},
    };
    for (const Case& c : good) {
        EXPECT_EQ(decode_points(c.text), c.values) << c.text;
    }
    for (const char* bad : {"1\r\n\r\n2", "1 \r\n2", "-1", "x", "1\r\n\r\n", "7\r\n\n"}) {
        EXPECT_THROW(decode_points(bad), std::runtime_error) << bad;
    }
}

TEST(BmpFile, RoundTripsBothDepthsWithRowPadding) {
    IndexedImage indexed;
    indexed.width = 3;
    indexed.height = 2;
    for (int i = 0; i < 256; ++i) {
        indexed.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7};
    }
    indexed.indices = {0, 1, 2, 253, 254, 255};
    const std::vector<std::uint8_t> eight = encode_bmp(indexed);
    EXPECT_EQ(eight.size(), 14u + 40 + 1024 + 2 * 4);
    EXPECT_EQ(u32(eight, 10), 14u + 40 + 1024);  // pixel data offset
    EXPECT_EQ(u32(eight, 34), 2u * 4);           // image size: two rows padded to four bytes
    const DecodedBmp d8 = decode_bmp(eight);
    EXPECT_EQ(d8.bits_per_pixel, 8);
    EXPECT_EQ(d8.image.at(2, 0), indexed.palette[2]);
    EXPECT_EQ(d8.image.at(0, 1), indexed.palette[253]);
    // Rows are stored bottom-up: the file's first row is the picture's last.
    EXPECT_EQ(eight[14 + 40 + 1024], 253);

    Image rgb(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            rgb.at(x, y) = {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 80),
                            9};
        }
    }
    const std::vector<std::uint8_t> twenty_four = encode_bmp(rgb);
    EXPECT_EQ(twenty_four.size(), 14u + 40 + 3 * 16);
    EXPECT_EQ(u32(twenty_four, 10), 14u + 40);
    const DecodedBmp d24 = decode_bmp(twenty_four);
    EXPECT_EQ(d24.bits_per_pixel, 24);
    EXPECT_EQ(d24.image, rgb);
    EXPECT_THROW(decode_bmp(std::vector<std::uint8_t>(twenty_four.begin(), twenty_four.end() - 5)),
                 std::runtime_error);
}

TEST(Raster, TransparentPicturesNeverDrawTheirBackgroundColour) {
    // Fully covered white, half covered grey, barely covered: drawn, drawn, background.
    const RgbaImage picture{3, 1, {{255, 255, 255, 255}, {100, 100, 100, 128}, {0, 0, 0, 100}}};
    const Image flat = flatten_on_key(picture, white, {200, 200, 200});
    EXPECT_NE(flat.at(0, 0), white);
    EXPECT_EQ(flat.at(1, 0), (Rgb{150, 150, 150}));
    EXPECT_EQ(flat.at(2, 0), white);
}

TEST(Palette, KeyColourIsTheLastEntryAndOnlyUndrawnPixelsUseIt) {
    KeyedImage picture{Image(64, 16), std::vector<std::uint8_t>(64 * 16)};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 64; ++x) {
            // A drawn pure green and its neighbours must not turn into the key.
            picture.colours.at(x, y) = x < 8 ? key_green
                                             : Rgb{static_cast<std::uint8_t>(x * 4),
                                                   static_cast<std::uint8_t>(y * 16), 128};
            picture.drawn[y * 64 + x] = (x + y) % 5 != 0;
        }
    }
    const IndexedImage reduced = reduce_with_key(picture);
    EXPECT_EQ(reduced.palette[255], key_green);
    for (int i = 0; i < 255; ++i) {
        EXPECT_NE(reduced.palette[i], key_green) << i;
    }
    for (std::size_t i = 0; i < reduced.indices.size(); ++i) {
        EXPECT_EQ(reduced.indices[i] == 255, picture.drawn[i] == 0) << i;
    }
}

}  // namespace
}  // namespace skin_art
