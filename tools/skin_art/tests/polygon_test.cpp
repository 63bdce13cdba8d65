// Outline geometry: the point test, area coverage and flattening curved paths.
#include <gtest/gtest.h>

#include <numbers>

#include "polygon.hpp"
#include "test_files.hpp"

namespace skin_art {
namespace {

const std::vector<Point> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const std::vector<Point> triangle{{0, 0}, {10, 0}, {0, 10}};
// A notch cut into the left side, like the one at the window outline's start.
const std::vector<Point> notched{{2, 6}, {3, 5}, {2, 4}, {2, 0}, {8, 0}, {8, 9}, {2, 9}};

TEST(Covers, InsideOutsideAndOnTheBoundary) {
    struct Case {
        const std::vector<Point>* polygon;
        Point p;
        bool expected;
    };
    const Case cases[] = {
        {&square, {5, 5}, true},    {&square, {0, 0}, true},    {&square, {10, 10}, true},
        {&square, {10, 5}, true},   {&square, {11, 5}, false},  {&square, {-1, 0}, false},
        {&square, {5, 11}, false},  {&triangle, {5, 5}, true},  {&triangle, {4, 5}, true},
        {&triangle, {6, 5}, false}, {&triangle, {0, 10}, true}, {&notched, {2, 5}, false},
        {&notched, {3, 5}, true},   {&notched, {2, 6}, true},   {&notched, {2, 3}, true},
        {&notched, {1, 5}, false},  {&notched, {9, 5}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(covers(*c.polygon, c.p), c.expected) << c.p.x << "," << c.p.y;
    }
}

TEST(Covers, AreaCoverageAgreesWithThePointTest) {
    for (const std::vector<Point>* polygon : {&square, &triangle, &notched}) {
        const std::vector<std::uint8_t> area = coverage(*polygon, 14, 14);
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                EXPECT_EQ(area[y * 14 + x] != 0, covers(*polygon, {x, y})) << x << "," << y;
            }
        }
    }
    const std::vector<Point> window = testing::committed_outline("PAPP");
    const std::vector<std::uint8_t> area = coverage(window, 790, 554);
    for (int y = 0; y < 554; y += 3) {
        for (int x = 0; x < 790; x += 1) {
            ASSERT_EQ(area[y * 790 + x] != 0, covers(window, {x, y})) << x << "," << y;
        }
    }
}

TEST(Polygon, SimplicityAndOrientation) {
    EXPECT_TRUE(is_simple(square));
    EXPECT_TRUE(is_simple(notched));
    EXPECT_GT(signed_area(square), 0);                              // clockwise on screen
    EXPECT_FALSE(is_simple({{0, 0}, {10, 10}, {10, 0}, {0, 10}}));  // a bow tie
    EXPECT_FALSE(is_simple({{0, 0}, {10, 0}, {5, 0}, {5, 5}}));     // doubles back on itself
    EXPECT_DOUBLE_EQ(boundary_distance(square, {5, 5}), 5);
    EXPECT_DOUBLE_EQ(boundary_distance(square, {13, 14}), 5);
}

TEST(OutlinePath, FlattensToExactlyTheRequestedCountKeepingPinnedVertices) {
    OutlinePath path;
    path.start({10, 60});
    path.pin({11, 59});
    path.pin({10, 40});
    path.line_to({10, 10});
    path.arc({40, 10}, 30, std::numbers::pi, 1.5 * std::numbers::pi);  // ends at (40, -20)
    path.cubic_to({90, -20}, {100, 30}, {100, 60});
    path.pin({60, 61});
    path.pin({58, 60});
    // The larger counts need more vertices than the curves give: straight edges are split,
    // but not the long ones held between pinned vertices.
    for (std::size_t count : {9u, 20u, 57u, 120u, 200u}) {
        SCOPED_TRACE(count);
        const std::vector<Point> v = path.flatten(count);
        ASSERT_EQ(v.size(), count);
        const std::vector<Point> first(v.begin(), v.begin() + 3), last(v.end() - 2, v.end());
        EXPECT_EQ(first, (std::vector<Point>{{10, 60}, {11, 59}, {10, 40}}));
        EXPECT_EQ(last, (std::vector<Point>{{60, 61}, {58, 60}}));
        EXPECT_TRUE(is_simple(v));
    }
}

}  // namespace
}  // namespace skin_art
