// The outline lists against the format the dialog reads and against the skin they cut: the
// committed pictures, stacked as the dialog stacks them, must lie inside the window's outline
// and fill it right up to its edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "points_file.hpp"
#include "skin_compose.hpp"
#include "skin_geometry.hpp"
#include "test_files.hpp"

namespace skin_art {
namespace {

using testing::committed_bitmap;
using testing::committed_outline;
using testing::read_committed;

struct ListFormat {
    const char* file;
    std::size_t lines;
    bool final_break;
};

TEST(OutlineLists, HaveTheirLineCountsDigitsAndLineBreaks) {
    const ListFormat formats[] = {{"PAPP_X.txt", 410, false},
                                  {"PAPP_Y.txt", 410, false},
                                  {"PTVOUT_X.txt", 135, true},
                                  {"PTVOUT_Y.txt", 135, true}};
    for (const ListFormat& f : formats) {
        SCOPED_TRACE(f.file);
        const std::vector<std::uint8_t> bytes = read_committed(f.file);
        const std::string text(bytes.begin(), bytes.end());
        std::size_t breaks = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                ASSERT_LT(i + 1, text.size());
                ASSERT_EQ(text[i + 1], '\n');
                ++breaks;
                ++i;
            } else {
                ASSERT_TRUE(text[i] >= '0' && text[i] <= '9') << "byte " << i;
            }
        }
        EXPECT_EQ(breaks, f.final_break ? f.lines : f.lines - 1);
        EXPECT_EQ(text.ends_with("\r\n"), f.final_break);
        const std::vector<int> values = decode_points(text);
        EXPECT_EQ(values.size(), f.lines);
        for (int v : values) {
            EXPECT_LE(v, 999);
        }
    }
}

struct OutlineFacts {
    const char* stem;
    int max_x, max_y;
    std::vector<Point> first, last;
};

TEST(OutlineLists, SpanTheirWindowsAndStartAndEndWhereTheDialogExpects) {
    const OutlineFacts facts[] = {
        {"PAPP", 789, 553, {{32, 501}, {33, 500}, {32, 499}, {32, 406}}, {{34, 504}, {33, 503}}},
        {"PTVOUT", 283, 238, {{48, 238}, {49, 237}, {43, 236}}, {{272, 237}, {270, 238}}},
    };
    for (const OutlineFacts& f : facts) {
        SCOPED_TRACE(f.stem);
        const std::vector<Point> outline = committed_outline(f.stem);
        int min_x = 1 << 20, min_y = 1 << 20, max_x = -1, max_y = -1;
        for (const Point& p : outline) {
            min_x = std::min(min_x, p.x);
            min_y = std::min(min_y, p.y);
            max_x = std::max(max_x, p.x);
            max_y = std::max(max_y, p.y);
        }
        EXPECT_EQ(min_x, 0);
        EXPECT_EQ(min_y, 0);
        EXPECT_EQ(max_x, f.max_x);
        EXPECT_EQ(max_y, f.max_y);
        EXPECT_TRUE(std::equal(f.first.begin(), f.first.end(), outline.begin()));
        EXPECT_TRUE(std::equal(f.last.begin(), f.last.end(), outline.end() - f.last.size()));
        EXPECT_TRUE(is_simple(outline));
        EXPECT_GT(signed_area(outline), 0);
    }
}

TEST(OutlineLists, AreTheGeometryTheSkinIsPaintedFrom) {
    EXPECT_EQ(committed_outline("PAPP"), dialog_outline());
    EXPECT_EQ(committed_outline("PTVOUT"), screen_outline());
}

KeyedImage committed_skin(int left, int right) {
    return compose(
        skin_layers(
            [](const std::string& name) -> const Image& { return committed_bitmap(name).image; },
            left, right),
        dialog_width, dialog_height);
}

// Grid points within `reach` of the polygon's boundary, as a width x height mask.
std::vector<std::uint8_t> near_boundary(const std::vector<Point>& polygon, double reach, int width,
                                        int height) {
    std::vector<std::uint8_t> mask(std::size_t(width) * height);
    const int r = static_cast<int>(std::ceil(reach));
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const std::vector<Point> edge{a, b};
        for (int y = std::max(0, std::min(a.y, b.y) - r);
             y <= std::min(height - 1, std::max(a.y, b.y) + r); ++y) {
            for (int x = std::max(0, std::min(a.x, b.x) - r);
                 x <= std::min(width - 1, std::max(a.x, b.x) + r); ++x) {
                // The distance to a two-vertex "polygon" is the distance to the segment.
                if (boundary_distance(edge, {double(x), double(y)}) <= reach) {
                    mask[std::size_t(y) * width + x] = 1;
                }
            }
        }
    }
    return mask;
}

// Pixels are points on the outline's grid: a pixel lies inside when its position does.
TEST(SkinAgainstOutline, NothingIsDrawnOutsideAndTheEdgeIsFilled) {
    const std::vector<Point> window = committed_outline("PAPP");
    const std::vector<std::uint8_t> inside = coverage(window, dialog_width, dialog_height);
    const std::vector<std::uint8_t> edge = near_boundary(window, 2.0, dialog_width, dialog_height);
    for (int v = 0; v < tube_variants; ++v) {
        SCOPED_TRACE("tube variants " + std::to_string(v + 1) + " and " +
                     std::to_string(tube_variants - v));
        const KeyedImage skin = committed_skin(v, tube_variants - 1 - v);
        int outside = 0, gaps = 0;
        for (int y = 0; y < dialog_height; ++y) {
            for (int x = 0; x < dialog_width; ++x) {
                const bool in = inside[std::size_t(y) * dialog_width + x] != 0;
                if (skin.is_drawn(x, y) && !in) {
                    ADD_FAILURE_AT(__FILE__, __LINE__) << "drawn outside at " << x << "," << y;
                    if (++outside > 10) {
                        return;
                    }
                }
                // A band two pixels wide along the inside of the outline belongs to the skin.
                if (in && !skin.is_drawn(x, y) && edge[std::size_t(y) * dialog_width + x]) {
                    ADD_FAILURE_AT(__FILE__, __LINE__) << "gap by the edge at " << x << "," << y;
                    if (++gaps > 10) {
                        return;
                    }
                }
            }
        }
    }
}

TEST(SkinAgainstOutline, TheTvScreenSitsInsideAFrameOfSkin) {
    const std::vector<Point> window = committed_outline("PAPP");
    std::vector<Point> screen = committed_outline("PTVOUT");
    for (Point& p : screen) {
        p.x += tv_panel_rect.x;
        p.y += tv_panel_rect.y;
        EXPECT_TRUE(covers(window, p)) << p.x << "," << p.y;
    }
    const KeyedImage skin = committed_skin(0, 0);
    const std::vector<std::uint8_t> on_screen = coverage(screen, dialog_width, dialog_height);
    // Up to four pixels outside the screen's edge there is skin: the monitor's frame.
    const std::vector<std::uint8_t> rim = near_boundary(screen, 4.0, dialog_width, dialog_height);
    int unframed = 0;
    for (int y = 0; y < dialog_height; ++y) {
        for (int x = 0; x < dialog_width; ++x) {
            const std::size_t i = std::size_t(y) * dialog_width + x;
            if (rim[i] && !on_screen[i] && !skin.is_drawn(x, y)) {
                ++unframed;
            }
        }
    }
    EXPECT_EQ(unframed, 0);
}

TEST(SkinAgainstOutline, TheBallShowsThroughTheBallPanelOnly) {
    const KeyedImage skin = committed_skin(0, 0);
    const Image& ball = committed_bitmap("BALL_SHATO").image;
    const Point centre{static_cast<int>(ball_in_porthole.centre.x),
                       static_cast<int>(ball_in_porthole.centre.y)};
    EXPECT_EQ(skin.colours.at(centre.x, centre.y),
              ball.at(centre.x - ball_rect.x, centre.y - ball_rect.y));
    // Without the ball, the same spot is not drawn: the panel has a window there.
    std::vector<Layer> layers = skin_layers(
        [](const std::string& name) -> const Image& { return committed_bitmap(name).image; }, 0, 0);
    layers.erase(layers.begin());
    const KeyedImage without_ball = compose(layers, dialog_width, dialog_height);
    EXPECT_FALSE(without_ball.is_drawn(centre.x, centre.y));
    // The window shows ball and nothing else: no pixel in it is left undrawn.
    for (int y = ball_rect.y; y < ball_rect.bottom(); ++y) {
        for (int x = ball_rect.x; x < ball_rect.right(); ++x) {
            const double dx = x - porthole.centre.x, dy = y - porthole.centre.y;
            if (dx * dx + dy * dy < porthole.radius * porthole.radius) {
                EXPECT_TRUE(skin.is_drawn(x, y)) << x << "," << y;
            }
        }
    }
    // Outside the ball panel's window no pixel of the ball is seen.
    for (int y = ball_rect.y; y < ball_rect.bottom(); ++y) {
        for (int x = ball_rect.x; x < ball_rect.right(); ++x) {
            const double dx = x - porthole.centre.x, dy = y - porthole.centre.y;
            if (dx * dx + dy * dy >= porthole.radius * porthole.radius) {
                ASSERT_EQ(skin.is_drawn(x, y), without_ball.is_drawn(x, y)) << x << "," << y;
                if (skin.is_drawn(x, y)) {
                    ASSERT_EQ(skin.colours.at(x, y), without_ball.colours.at(x, y))
                        << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace skin_art
