#include "skin_geometry.hpp"

#include <cstdio>
#include <numbers>

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;

}  // namespace

const PiecePlace& place_of(Piece piece) {
    // Places follow the dialog's own arithmetic on the picture sizes.
    static const PiecePlace left_top{"TITLE_LEFT_IMAGE_TOP", {0, 0, 105, 372}, true, false};
    static const PiecePlace left_middle{
        "TITLE_LEFT_IMAGE_MIDDLE", {105, 189, 302, 202}, false, false};
    static const PiecePlace left_bottom{
        "TITLE_LEFT_IMAGE_BOTTOM", {32, 372, 73, 174}, false, false};
    static const PiecePlace right_top{"TITLE_RIGHT_IMAGE_TOP", {738, 35, 44, 287}, true, false};
    static const PiecePlace right_bottom{
        "TITLE_RIGHT_IMAGE_BOTTOM", {738, 321, 52, 233}, false, false};
    static const PiecePlace bottom{"TITLE_BOTOM_IMAGE", {100, 517, 638, 37}, false, true};
    static const PiecePlace top{"TITLE_TOP_IMAGE", {33, 0, 716, 109}, false, false};
    static const PiecePlace ball_panel{
        "TITLE_BALL_PANEL_IMAGE_MIDDLE", {320, 76, 72, 113}, false, false};
    switch (piece) {
        case Piece::left_top:
            return left_top;
        case Piece::left_middle:
            return left_middle;
        case Piece::left_bottom:
            return left_bottom;
        case Piece::right_top:
            return right_top;
        case Piece::right_bottom:
            return right_bottom;
        case Piece::bottom:
            return bottom;
        case Piece::top:
            return top;
        case Piece::ball_panel:
            return ball_panel;
    }
    return top;
}

std::vector<std::string> names_of(Piece piece) {
    const PiecePlace& place = place_of(piece);
    if (!place.has_tube_variants) {
        return {place.name};
    }
    std::vector<std::string> names;
    for (int i = 1; i <= tube_variants; ++i) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "_%02d", i);
        names.push_back(std::string(place.name) + suffix);
    }
    return names;
}

namespace {

OutlinePath dialog_outline_path() {
    const double right_edge = right_tube.axis_x + right_tube.radius;  // 781
    const double r = cap_dome_radius;
    OutlinePath p;
    // Up the left column from its chamfered foot (the dialog's resources begin here).
    p.start({32, 501});
    p.pin({33, 500});
    p.pin({32, 499});
    p.pin({32, 406});
    // The collar swings out to the left tube, above the column's top row.
    p.line_to({left_column_left, 372});
    p.cubic_to({left_column_left, 358}, {0, 362}, {0, 340});
    // Up the tube, over its domed cap, then into the housing's rounded corner.
    p.line_to({0, left_cap_dome.y});
    p.arc(left_cap_dome, r, pi, 1.8 * pi);
    const double hc = housing_corner_top_left;
    p.arc({housing_left + hc, hc}, hc, 1.08 * pi, 1.5 * pi);
    // Top edge: TV housing, the dip, the title bar and its rounded end.
    p.line_to({dip_left, 0});
    p.cubic_to({dip_left + 12, 0}, {dip_left + 14, dip_depth}, {dip_left + 28, dip_depth});
    p.line_to({dip_right - 28, dip_depth});
    p.cubic_to({dip_right - 14, dip_depth}, {dip_right - 12, 0}, {dip_right, 0});
    p.line_to({top_bar_end.centre.x, 0});
    p.arc(top_bar_end.centre, top_bar_end.radius, 1.5 * pi, 1.9 * pi);
    // The right tube's domed cap, then down the tube.
    p.arc(right_cap_dome, r, 1.1 * pi, 2 * pi);
    p.line_to({right_edge, 320});
    // The coupling steps out to the pillar, below the right tube's picture.
    p.cubic_to({right_edge, 332}, {dialog_width, 328}, {dialog_width, 342});
    const Circle& corner = lower_right_corner;
    p.line_to({corner.centre.x + corner.radius, corner.centre.y});
    p.arc(corner.centre, corner.radius, 0, 0.5 * pi);
    // Along the bottom bar, round its left end and up the foot's curved chamfer.
    p.line_to({100, dialog_height - 1});
    p.line_to({100, 545});
    p.line_to({90, 545});
    p.cubic_to({66, 545}, {52, 522}, {38, 508});
    p.pin({34, 504});
    p.pin({33, 503});
    return p;
}

OutlinePath screen_outline_path() {
    OutlinePath p;
    // Bottom left: a long sweep up to the left side; the top right corner answers it with a
    // wide curve, the other two corners are tight.
    p.start({48, 238});
    p.pin({49, 237});
    p.pin({43, 236});
    p.cubic_to({22, 233}, {0, 222}, {0, 190});
    p.line_to({0, 22});
    p.arc({22, 22}, 22, pi, 1.5 * pi);
    p.line_to({219, 0});
    p.arc({219, 64}, 64, 1.5 * pi, 2 * pi);
    p.line_to({283, 226});
    p.arc({271, 226}, 12, 0, 1.2);
    p.pin({272, 237});
    p.pin({270, 238});
    return p;
}

}  // namespace

const std::vector<Point>& dialog_outline() {
    static const std::vector<Point> outline =
        dialog_outline_path().flatten(dialog_outline_vertices);
    return outline;
}

const std::vector<Point>& screen_outline() {
    static const std::vector<Point> outline =
        screen_outline_path().flatten(screen_outline_vertices);
    return outline;
}

std::vector<Point> screen_outline_on_dialog() {
    std::vector<Point> v = screen_outline();
    for (Point& p : v) {
        p.x += tv_panel_rect.x;
        p.y += tv_panel_rect.y;
    }
    return v;
}

}  // namespace skin_art
