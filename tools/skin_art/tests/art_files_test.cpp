// The committed pictures, screenshots and icon: names, sizes, depths and the colour rules the
// dialog relies on.
#include <gtest/gtest.h>

#include <cmath>

#include "icon_file.hpp"
#include "skin_geometry.hpp"
#include "test_files.hpp"

namespace skin_art {
namespace {

using testing::committed_bitmap;
using testing::read_committed;

enum class Transparency { key_colour, opaque, white_background };

struct BitmapFacts {
    std::string name;
    int width, height, bits;
    Transparency transparency;
};

std::vector<BitmapFacts> expected_bitmaps() {
    std::vector<BitmapFacts> all;
    for (Piece piece : all_pieces) {
        const PiecePlace& place = place_of(piece);
        for (const std::string& name : names_of(piece)) {
            all.push_back({name, place.rect.w, place.rect.h, 8,
                           place.opaque ? Transparency::opaque : Transparency::key_colour});
        }
    }
    for (const char* name : {"EXIT_IMAGE_ACTIVE", "EXIT_IMAGE_PASSIVE"}) {
        all.push_back({name, 35, 28, 8, Transparency::key_colour});
    }
    all.push_back({"BALL_SHATO", 63, 85, 24, Transparency::white_background});
    for (int i = 0; i < 4; ++i) {
        all.push_back(
            {"MOLECULA3C_ANE0" + std::to_string(i), 100, 85, 24, Transparency::white_background});
    }
    const BitmapFacts pictures[] = {
        {"LOGO_LARGE", 81, 94, 24, Transparency::white_background},
        {"LOGO_SMALL", 51, 56, 24, Transparency::white_background},
        {"MUSIC_FOLDER", 80, 70, 24, Transparency::white_background},
        {"MUSIC_NOTE", 232, 233, 24, Transparency::white_background},
        {"LOUDSPEAKER", 80, 87, 24, Transparency::white_background},
        {"CPU_CHIP", 50, 50, 24, Transparency::white_background},
        {"VIDEO_CARD", 62, 62, 24, Transparency::white_background},
    };
    all.insert(all.end(), std::begin(pictures), std::end(pictures));
    return all;
}

TEST(Bitmaps, HaveTheirSizesDepthsAndTransparencyRules) {
    const std::vector<BitmapFacts> all = expected_bitmaps();
    // 8 + 12 variants of the two upper bars + 2 close buttons + ball + 4 molecules + 7 pictures
    EXPECT_EQ(all.size(), 6u + 14 + 2 + 1 + 4 + 7);
    for (const BitmapFacts& f : all) {
        SCOPED_TRACE(f.name);
        const DecodedBmp& bmp = committed_bitmap(f.name);
        EXPECT_EQ(bmp.image.width, f.width);
        EXPECT_EQ(bmp.image.height, f.height);
        ASSERT_EQ(bmp.bits_per_pixel, f.bits);
        std::size_t keyed = 0, white_pixels = 0;
        for (const Rgb& c : bmp.image.pixels) {
            keyed += c == key_green;
            white_pixels += c == white;
        }
        if (f.bits == 8) {
            ASSERT_EQ(bmp.palette.size(), 256u);
            EXPECT_EQ(std::count(bmp.palette.begin(), bmp.palette.end(), key_green), 1);
        }
        switch (f.transparency) {
            case Transparency::key_colour:
                EXPECT_GT(keyed, 0u);
                EXPECT_LT(keyed, bmp.image.pixels.size());
                break;
            case Transparency::opaque:
                EXPECT_EQ(keyed, 0u);
                break;
            case Transparency::white_background:
                EXPECT_EQ(keyed, 0u);
                EXPECT_EQ(bmp.image.at(0, f.height - 1), white);
                EXPECT_LT(white_pixels, bmp.image.pixels.size() * 9 / 10);
                break;
        }
    }
}

double mean_difference(const Image& a, const Image& b, const Rect& r, bool inside) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (r.contains({x, y}) != inside) {
                continue;
            }
            const Rgb p = a.at(x, y), q = b.at(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            ++n;
        }
    }
    return n ? sum / n : 0;
}

TEST(Bitmaps, TubeVariantsShareOneDrawingAndDifferOnlyInTheTube) {
    struct Bar {
        Piece piece;
        Tube tube;
    };
    for (const Bar& bar : {Bar{Piece::left_top, left_tube}, Bar{Piece::right_top, right_tube}}) {
        const Rect& place = place_of(bar.piece).rect;
        // The tube's glass, in the piece's own coordinates.
        const Rect glass{static_cast<int>(bar.tube.axis_x - bar.tube.radius) - place.x,
                         static_cast<int>(bar.tube.top) - place.y,
                         static_cast<int>(2 * bar.tube.radius) + 1,
                         static_cast<int>(bar.tube.bottom - bar.tube.top)};
        const std::vector<std::string> names = names_of(bar.piece);
        ASSERT_EQ(names.size(), 7u);
        const Image& first = committed_bitmap(names[0]).image;
        for (std::size_t i = 1; i < names.size(); ++i) {
            SCOPED_TRACE(names[i]);
            const Image& other = committed_bitmap(names[i]).image;
            for (std::size_t p = 0; p < first.pixels.size(); ++p) {
                ASSERT_EQ(first.pixels[p] == key_green, other.pixels[p] == key_green) << p;
            }
            EXPECT_GT(mean_difference(first, other, glass, true), 60);
            EXPECT_LT(mean_difference(first, other, glass, false), 1.5);
        }
    }
}

TEST(Bitmaps, CloseButtonIsBrightAtRestAndDarkUnderTheMouse) {
    const Image& rest = committed_bitmap("EXIT_IMAGE_ACTIVE").image;
    const Image& hover = committed_bitmap("EXIT_IMAGE_PASSIVE").image;
    double rest_light = 0, hover_light = 0;
    for (std::size_t i = 0; i < rest.pixels.size(); ++i) {
        ASSERT_EQ(rest.pixels[i] == key_green, hover.pixels[i] == key_green);
        if (rest.pixels[i] != key_green) {
            rest_light += rest.pixels[i].r + rest.pixels[i].g + rest.pixels[i].b;
            hover_light += hover.pixels[i].r + hover.pixels[i].g + hover.pixels[i].b;
        }
    }
    EXPECT_GT(rest_light, hover_light * 1.5);
}

struct JpegFacts {
    int width = 0, height = 0, components = 0;
    bool baseline = false, jfif = false;
};

JpegFacts read_jpeg_headers(const std::vector<std::uint8_t>& b) {
    JpegFacts f;
    if (b.size() < 4 || b[0] != 0xff || b[1] != 0xd8) {
        return f;
    }
    std::size_t at = 2;
    while (at + 4 <= b.size() && b[at] == 0xff) {
        const int marker = b[at + 1];
        const std::size_t length = std::size_t(b[at + 2]) << 8 | b[at + 3];
        if (marker == 0xe0 && at == 2 && length >= 7) {
            f.jfif = std::equal(b.begin() + at + 4, b.begin() + at + 9, "JFIF");
        }
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 &&
            marker != 0xcc) {
            f.baseline = marker == 0xc0;
            f.height = b[at + 5] << 8 | b[at + 6];
            f.width = b[at + 7] << 8 | b[at + 8];
            f.components = b[at + 9];
        }
        if (marker == 0xda) {
            break;
        }
        at += 2 + length;
    }
    return f;
}

TEST(Screenshots, AreBaselineJfifOfTheirSizesAndAllDifferent) {
    struct Set {
        const char* prefix;
        int width, height;
        std::size_t min_bytes, max_bytes;
    };
    std::vector<std::vector<std::uint8_t>> seen;
    for (const Set& set :
         {Set{"MINI_SSHOT_", 152, 112, 3750, 4526}, Set{"MYSCR_SSHOT_", 286, 215, 14259, 18800}}) {
        for (int i = 0; i < 6; ++i) {
            const std::string name = set.prefix + std::to_string(i) + ".jpg";
            SCOPED_TRACE(name);
            const std::vector<std::uint8_t> bytes = read_committed(name);
            const JpegFacts f = read_jpeg_headers(bytes);
            EXPECT_TRUE(f.jfif);
            EXPECT_TRUE(f.baseline);
            EXPECT_EQ(f.components, 3);
            EXPECT_EQ(f.width, set.width);
            EXPECT_EQ(f.height, set.height);
            EXPECT_GE(bytes.size(), set.min_bytes);
            EXPECT_LE(bytes.size(), set.max_bytes);
            for (const auto& other : seen) {
                EXPECT_NE(bytes, other);
            }
            seen.push_back(bytes);
        }
    }
}

TEST(Icon, HoldsSixPicturesOfTheWantedSizesAndDepths) {
    const std::vector<IconEntry> entries = list_icon(read_committed("MAINICON.ico"));
    const std::pair<int, int> expected[] = {{16, 8},  {32, 8},  {16, 32},
                                            {32, 32}, {48, 32}, {128, 32}};
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].width, expected[i].first);
        EXPECT_EQ(entries[i].height, expected[i].first);
        EXPECT_EQ(entries[i].bits_per_pixel, expected[i].second);
    }
}

}  // namespace
}  // namespace skin_art
