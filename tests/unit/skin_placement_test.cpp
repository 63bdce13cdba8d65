#include "dialog/skin_placement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto Tie(const Piece_Place& p) {
    return std::tie(p.left, p.top, p.width, p.height);
}
auto Corner(const Piece_Place& p) {
    return std::tie(p.left, p.top);
}

TEST(Skin_Placement, The_Catalogue_Pieces_Land_Where_The_Skin_Expects_Them) {
    Skin_Piece_Sizes sizes;
    sizes.left_top = {105, 372};
    sizes.top = {716, 109};
    sizes.left_middle = {302, 202};
    sizes.left_bottom = {73, 174};
    sizes.right_top = {44, 287};
    sizes.right_bottom = {52, 233};
    sizes.bottom = {638, 37};
    sizes.exit_button = {35, 28};
    sizes.ball_panel = {72, 113};
    sizes.ball = {63, 85};
    sizes.page_control_width = 325;
    sizes.panel1_top = 490;

    const Skin_Layout l = Place_Skin(sizes, 554);
    using P = std::tuple<int, int, int, int>;
    using C = std::tuple<int, int>;
    EXPECT_EQ(Tie(l.left_top), P(0, 0, 105, 372));
    EXPECT_EQ(Tie(l.top), P(33, 0, 716, 109));
    EXPECT_EQ(Tie(l.left_middle), P(105, 189, 302, 202));
    EXPECT_EQ(Tie(l.left_bottom), P(32, 372, 73, 174));
    EXPECT_EQ(Tie(l.right_top), P(738, 35, 44, 287));
    EXPECT_EQ(Tie(l.right_bottom), P(738, 321, 52, 233));
    EXPECT_EQ(Tie(l.bottom), P(100, 517, 638, 37));
    EXPECT_EQ(Tie(l.exit_passive), P(708, 38, 35, 28));
    EXPECT_EQ(Tie(l.exit_active), P(708, 38, 35, 28));
    EXPECT_EQ(Corner(l.logo), C(64, 393));
    EXPECT_EQ(Corner(l.channels_monitoring), C(43, 303));
    EXPECT_EQ(Corner(l.tv_panel), C(49, 43));
    EXPECT_EQ(Corner(l.slogan), C(255, 528));
    EXPECT_EQ(Corner(l.page_control), C(412, 72));
    EXPECT_EQ(Tie(l.ball_panel), P(320, 76, 72, 113));
    EXPECT_EQ(Tie(l.ball), P(341, 81, 63, 85));
    EXPECT_EQ(l.background_height, 517);
}

}  // namespace
