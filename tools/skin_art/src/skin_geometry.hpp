// The skin's one geometry: where every piece sits on the dialog, the dialog's outer edge, the
// TV screen's edge and the shapes the painter fills. Pictures and outline lists both come from
// here, so they cannot drift apart.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "polygon.hpp"

namespace skin_art {

inline constexpr int dialog_width = 789;
inline constexpr int dialog_height = 554;
inline constexpr int dialog_outline_vertices = 410;
inline constexpr int screen_outline_vertices = 135;
inline constexpr int tube_variants = 7;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }   // one past the last column
    int bottom() const { return y + h; }  // one past the last row
    bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
};

// The skin pictures in the order the dialog stacks them, bottom first: each lies above the ones
// before it, and the ball lies beneath all of them.
enum class Piece {
    left_top,
    left_middle,
    left_bottom,
    right_top,
    right_bottom,
    bottom,
    top,
    ball_panel,
};
inline constexpr std::array all_pieces{Piece::left_top,  Piece::left_middle,  Piece::left_bottom,
                                       Piece::right_top, Piece::right_bottom, Piece::bottom,
                                       Piece::top,       Piece::ball_panel};

struct PiecePlace {
    const char* name;  // resource name; pieces with tube variants get "_01" .. "_07" appended
    Rect rect;         // place on the dialog
    bool has_tube_variants;
    bool opaque;  // drawn everywhere, no key colour at all
};
const PiecePlace& place_of(Piece piece);
// Resource names of a piece: one, or seven for a piece with tube variants.
std::vector<std::string> names_of(Piece piece);

inline constexpr Rect exit_button_rect{708, 38, 35, 28};
inline constexpr Rect ball_rect{341, 81, 63, 85};
inline constexpr Rect tv_panel_rect{49, 43, 285, 240};
inline constexpr Rect page_control_rect{412, 72, 325, 320};
inline constexpr Rect bevel_rect{0, 0, dialog_width, dialog_height - 37};

// Shapes inside the skin, in dialog pixel positions.
struct Circle {
    Vec2 centre;
    double radius;
};
struct Tube {
    double axis_x, radius, top, bottom;  // a vertical glass tube: axis_x ± radius, top to bottom
};

inline constexpr Circle porthole{{366, 121}, 21};  // window in the ball panel
inline constexpr Circle ball_in_porthole{{366, 121}, 24};
inline constexpr Tube left_tube{14, 14, 76, 330};
inline constexpr Tube right_tube{767, 14, 66, 300};

// Domed chrome caps on the tubes' upper ends: the domes' centres and their radius, the tubes'.
inline constexpr Vec2 left_cap_dome{14, 50};
inline constexpr Vec2 right_cap_dome{767, 50};
inline constexpr double cap_dome_radius = 14;

// TV housing: a rounded body behind the screen and the left tube.
inline constexpr double housing_left = 28, housing_right = 372, housing_bottom = 356;
inline constexpr double housing_corner_top_left = 50, housing_corner_top_right = 28;
inline constexpr double housing_corner_bottom_right = 36;
// The top bar's rounded right end, just left of the right tube's cap.
inline constexpr Circle top_bar_end{{708, 40}, 40};

// The dip in the window's top edge between the TV housing and the title plate.
inline constexpr double dip_left = 372, dip_right = 438, dip_depth = 14;
inline constexpr Rect title_plate{450, 9, 248, 50};
inline constexpr double top_bar_lower_edge = 70;

// Left column below the housing and its foot that meets the bottom bar.
inline constexpr double left_column_left = 32, left_column_right = 60;
inline constexpr double collar_top = 326, collar_bottom = 392;
// Right pillar below the right tube, and the elbow that turns it into the bottom plate: the
// elbow's outer edge is the window's lower right corner.
inline constexpr double pillar_left = 760, coupling_top = 296, coupling_bottom = 344;
inline constexpr Circle lower_right_corner{{741, 505}, 48};

// The window's outline (dialog coordinates) and the TV screen's (panel coordinates): the
// integer vertex lists the dialog cuts its windows with.
const std::vector<Point>& dialog_outline();
const std::vector<Point>& screen_outline();
// The screen's outline moved onto the dialog.
std::vector<Point> screen_outline_on_dialog();

}  // namespace skin_art
