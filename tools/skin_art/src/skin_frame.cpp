// The metal frame around the dialog: top bar, right pillar, bottom plate, left column and the
// joints between them, and the two coloured glass tubes.
#include <cmath>
#include <numbers>

#include "skin_geometry.hpp"
#include "skin_parts.hpp"

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;

// Elbows where the columns turn into the bottom plate: centre and the pipe's inner and outer
// radius.
struct Elbow {
    Vec2 centre;
    double inner, outer;
};
constexpr Elbow left_elbow{{100, 478}, 40, 68};
constexpr Elbow right_elbow{lower_right_corner.centre, 12, lower_right_corner.radius};

// The top bar starts under the TV housing, which hides its left end.
constexpr double top_bar_left = 300;

void top_bar_path(cairo_t* cr) {
    cairo_move_to(cr, top_bar_left, -5);
    cairo_line_to(cr, dialog_width + 1, -5);
    cairo_line_to(cr, dialog_width + 1, 45);
    cairo_line_to(cr, right_tube.axis_x - right_tube.radius, 45);
    cairo_line_to(cr, right_tube.axis_x - right_tube.radius, top_bar_lower_edge + 0.5);
    cairo_line_to(cr, top_bar_left, top_bar_lower_edge + 0.5);
    cairo_close_path(cr);
}

// From the pillar's inner edge below the coupling up to the right tube's inner edge.
void coupling_inner_edge(cairo_t* cr) {
    const double tube_left = right_tube.axis_x - right_tube.radius - 0.5;
    cairo_line_to(cr, pillar_left - 0.5, coupling_bottom + 6);
    cairo_curve_to(cr, pillar_left - 0.5, coupling_bottom - 10, tube_left, coupling_bottom - 16,
                   tube_left, coupling_top + 18);
}

void right_column_path(cairo_t* cr) {
    const double tube_left = right_tube.axis_x - right_tube.radius - 0.5;
    cairo_move_to(cr, tube_left, coupling_top);
    cairo_line_to(cr, dialog_width + 1, coupling_top);
    cairo_line_to(cr, dialog_width + 1, dialog_height + 1);
    // Overlapping the bottom plate's last column, then round the elbow's inner side.
    const double plate_end = place_of(Piece::bottom).rect.right() - 1.5;
    const Elbow& e = right_elbow;
    cairo_line_to(cr, plate_end, dialog_height + 1);
    cairo_line_to(cr, plate_end, e.centre.y + e.inner);
    cairo_arc_negative(cr, e.centre.x, e.centre.y, e.inner, 0.5 * pi, 0);
    cairo_curve_to(cr, e.centre.x + e.inner, e.centre.y - 11, pillar_left - 0.5, e.centre.y - 13,
                   pillar_left - 0.5, e.centre.y - 25);
    coupling_inner_edge(cr);
    cairo_close_path(cr);
}

// Chrome sleeve where the right tube widens into the pillar.
void coupling_path(cairo_t* cr) {
    const double tube_left = right_tube.axis_x - right_tube.radius - 0.5;
    cairo_move_to(cr, tube_left, coupling_top - 2);
    cairo_line_to(cr, dialog_width + 1, coupling_top - 2);
    cairo_line_to(cr, dialog_width + 1, coupling_bottom + 6);
    coupling_inner_edge(cr);
    cairo_close_path(cr);
}

// The plate reaches a little under the lower right elbow.
void bottom_plate_path(cairo_t* cr) {
    const Rect& r = place_of(Piece::bottom).rect;
    cairo_rectangle(cr, r.x - 0.5, r.y - 0.5, r.w + 8, r.h + 2);
}

void left_column_path(cairo_t* cr) {
    cairo_move_to(cr, left_column_left - 8, collar_bottom - 4);
    cairo_line_to(cr, left_column_right + 0.5, collar_bottom - 4);
    cairo_line_to(cr, left_column_right + 0.5, left_elbow.centre.y);
    cairo_arc_negative(cr, left_elbow.centre.x, left_elbow.centre.y, left_elbow.inner - 0.5, pi,
                       0.5 * pi);
    // Under the bottom plate's first column.
    const double plate_start = place_of(Piece::bottom).rect.x + 1;
    cairo_line_to(cr, plate_start, left_elbow.centre.y + left_elbow.inner - 0.5);
    cairo_line_to(cr, plate_start, dialog_height + 1);
    cairo_line_to(cr, left_column_left - 8, dialog_height + 1);
    cairo_close_path(cr);
}

void collar_path(cairo_t* cr) {
    cairo_move_to(cr, -5, collar_top - 4);
    cairo_line_to(cr, housing_left + 8, collar_top - 4);
    cairo_curve_to(cr, 50, collar_top + 8, left_column_right + 4, collar_top + 18,
                   left_column_right + 4, collar_top + 36);
    cairo_line_to(cr, left_column_right + 4, collar_bottom + 2);
    cairo_line_to(cr, -5, collar_bottom + 2);
    cairo_close_path(cr);
}

void tube_path(cairo_t* cr, const Tube& t, Vec2 dome) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, dome.x, dome.y, cap_dome_radius + 1.5, pi, 2 * pi);
    cairo_line_to(cr, t.axis_x + t.radius + 0.5, t.bottom + 20);
    cairo_line_to(cr, t.axis_x - t.radius - 0.5, t.bottom + 20);
    cairo_close_path(cr);
}

// Pipe shading around an elbow: the straight pipes' bands bent round the centre, the lit
// side outside or inside.
void paint_elbow(cairo_t* cr, const Elbow& e, double a0, double a1, bool lit_outside) {
    SavedState keep(cr);
    cairo_new_path(cr);
    cairo_arc(cr, e.centre.x, e.centre.y, e.outer + 2, a0, a1);
    cairo_arc_negative(cr, e.centre.x, e.centre.y, e.inner - 1, a1, a0);
    cairo_close_path(cr);
    cairo_clip(cr);
    const Stops bands = steel_bands(steel_blue);
    Pattern ring = radial(e.centre, e.inner, e.outer, lit_outside ? reversed(bands) : bands);
    cairo_set_source(cr, ring.get());
    cairo_paint(cr);
}

// A chrome sleeve with a dark ring at either end.
void paint_sleeve(cairo_t* cr, const PathFn& path, double x0, double x1, double top,
                  double bottom) {
    Pattern p = chrome(x0, 0, x1, 0);
    fill_with(cr, path, p.get());
    SavedState keep(cr);
    path(cr);
    cairo_clip(cr);
    for (const double y : {top + 3, bottom - 4}) {
        cairo_rectangle(cr, x0, y, x1 - x0, 1.2);
        cairo_set_source_rgba(cr, 0.08, 0.09, 0.12, 0.8);
        cairo_fill(cr);
        cairo_rectangle(cr, x0, y + 1.2, x1 - x0, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
        cairo_fill(cr);
    }
    emboss(cr, path, 1.5, 0.6, 0.5);
}

// Chrome band clamping a tube, at height y.
void clamp_ring(cairo_t* cr, const Tube& t, double y) {
    const double x0 = t.axis_x - t.radius - 0.5, x1 = t.axis_x + t.radius + 0.5;
    Pattern band = chrome(x0, 0, x1, 0);
    cairo_rectangle(cr, x0, y - 3.5, x1 - x0, 7);
    cairo_set_source(cr, band.get());
    cairo_fill(cr);
    for (const double edge : {y - 3.5, y + 2.5}) {
        cairo_rectangle(cr, x0, edge, x1 - x0, 1);
        cairo_set_source_rgba(cr, 0.06, 0.07, 0.1, 0.7);
        cairo_fill(cr);
    }
}

}  // namespace

std::vector<PathFn> frame_bodies() {
    return {top_bar_path,
            right_column_path,
            coupling_path,
            bottom_plate_path,
            left_column_path,
            collar_path,
            [](cairo_t* cr) { tube_path(cr, left_tube, left_cap_dome); },
            [](cairo_t* cr) { tube_path(cr, right_tube, right_cap_dome); }};
}

void paint_frame(cairo_t* cr) {
    // Top bar: steel lit from above, with a chrome rail along its lower edge.
    {
        Pattern p = steel(0, -4, 0, top_bar_lower_edge + 2, steel_blue);
        fill_with(cr, top_bar_path, p.get());
        SavedState keep(cr);
        top_bar_path(cr);
        cairo_clip(cr);
        brush_streaks(cr, 300, 0, dialog_width, top_bar_lower_edge, true, 11, 0.05);
        Pattern rail = chrome(0, top_bar_lower_edge - 8, 0, top_bar_lower_edge + 0.5);
        cairo_rectangle(cr, 300, top_bar_lower_edge - 8, 460, 8.5);
        cairo_set_source(cr, rail.get());
        cairo_fill(cr);
        emboss(cr, top_bar_path, 1.5, 0.5, 0.5);
    }
    // Right column: coupling, pillar and the elbow into the bottom plate.
    {
        Pattern p = steel(pillar_left - 0.5, 0, dialog_width + 0.5, 0, steel_blue);
        fill_with(cr, right_column_path, p.get());
        SavedState keep(cr);
        right_column_path(cr);
        cairo_clip(cr);
        brush_streaks(cr, pillar_left, coupling_bottom, dialog_width, 500, false, 12, 0.05);
    }
    // Bottom plate.
    {
        Pattern p = steel(0, 516.5, 0, dialog_height + 0.5, steel_blue);
        fill_with(cr, bottom_plate_path, p.get());
        SavedState keep(cr);
        bottom_plate_path(cr);
        cairo_clip(cr);
        brush_streaks(cr, 100, 517, 745, dialog_height, true, 13, 0.05);
    }
    paint_elbow(cr, right_elbow, 0, 0.5 * pi, false);
    paint_sleeve(cr, coupling_path, right_tube.axis_x - right_tube.radius - 1, dialog_width + 1,
                 coupling_top - 2, coupling_bottom + 6);
    // Left column and its elbow.
    {
        Pattern p = steel(left_column_left - 0.5, 0, left_column_right + 0.5, 0, steel_blue);
        fill_with(cr, left_column_path, p.get());
        SavedState keep(cr);
        left_column_path(cr);
        cairo_clip(cr);
        brush_streaks(cr, left_column_left, collar_bottom, left_column_right, 480, false, 14, 0.05);
    }
    paint_elbow(cr, left_elbow, 0.5 * pi, pi, true);
    // Collar: chrome sleeve from the left tube into the column.
    paint_sleeve(cr, collar_path, -1, left_column_right + 4, collar_top - 4, collar_bottom + 2);
}

void paint_tubes(cairo_t* cr, Colour left, Colour right) {
    for (const auto& [t, dome, colour] : {std::tuple{left_tube, left_cap_dome, left},
                                          std::tuple{right_tube, right_cap_dome, right}}) {
        const double x0 = t.axis_x - t.radius - 0.5, x1 = t.axis_x + t.radius + 0.5;
        // Glass.
        Pattern g = glass(x0, 0, x1, 0, colour);
        cairo_rectangle(cr, x0, t.top, x1 - x0, t.bottom - t.top);
        cairo_set_source(cr, g.get());
        cairo_fill(cr);
        // A glowing core that fades towards the ends.
        Pattern core = linear(0, t.top, 0, t.bottom,
                              {{0, mix(colour, {1, 1, 1}, 0.6), 0.0},
                               {0.5, mix(colour, {1, 1, 1}, 0.6), 0.35},
                               {1, mix(colour, {1, 1, 1}, 0.6), 0.0}});
        cairo_rectangle(cr, t.axis_x - 2, t.top, 5, t.bottom - t.top);
        cairo_set_source(cr, core.get());
        cairo_fill(cr);
        // Domed chrome cap.
        Pattern cap = chrome(x0, 0, x1, 0);
        cairo_new_path(cr);
        // A little wider than the window's outline, which trims it.
        cairo_arc(cr, dome.x, dome.y, cap_dome_radius + 1.5, pi, 2 * pi);
        cairo_line_to(cr, x1, t.top + 2);
        cairo_line_to(cr, x0, t.top + 2);
        cairo_close_path(cr);
        cairo_set_source(cr, cap.get());
        cairo_fill(cr);
        Pattern shine =
            radial({dome.x - 4, dome.y - 6}, 0, 10, {{0, {1, 1, 1}, 0.9}, {1, {1, 1, 1}, 0}});
        add_circle(cr, {dome.x - 4, dome.y - 6}, 10);
        cairo_set_source(cr, shine.get());
        cairo_fill(cr);
        // Seam between cap and glass.
        cairo_rectangle(cr, x0, t.top - 1, x1 - x0, 2);
        cairo_set_source_rgba(cr, 0.1, 0.11, 0.14, 0.8);
        cairo_fill(cr);
        const double third = (t.bottom - t.top) / 3;
        clamp_ring(cr, t, t.top + third);
        clamp_ring(cr, t, t.top + 2 * third);
    }
}

}  // namespace skin_art
