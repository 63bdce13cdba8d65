// The TV monitor in the upper left: housing, the screen's frame and glass, and the ball panel
// beside it with its porthole.
#include <cmath>
#include <numbers>

#include "skin_geometry.hpp"
#include "skin_parts.hpp"

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;

void housing_path(cairo_t* cr) {
    const double tr = housing_corner_top_right;
    const double br = housing_corner_bottom_right, bl = 12;
    // The housing reaches under the left tube, to fill the notch between tube and housing.
    const double l = left_tube.axis_x, r = housing_right + 0.5, b = housing_bottom + 0.5;
    // The top left corner is the window's own: square here, trimmed by the window's outline.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, l, -5);
    cairo_arc(cr, r - tr, tr - 0.5, tr, 1.5 * pi, 2 * pi);
    cairo_arc(cr, r - br, b - br, br, 0, 0.5 * pi);
    cairo_arc(cr, l + bl, b - bl, bl, 0.5 * pi, pi);
    cairo_close_path(cr);
}

void panel_path(cairo_t* cr) {
    const Rect& r = place_of(Piece::ball_panel).rect;
    add_rounded_rect(cr, r.x - 0.5, r.y - 0.5, r.w, r.h, 12);
}

void screen_path(cairo_t* cr) {
    add_polygon(cr, screen_outline_on_dialog());
}

// Dark gunmetal, lighter towards the top, with a soft bevel, air slots and status lights.
void paint_housing(cairo_t* cr) {
    {
        Pattern body = linear(0, 0, 0, housing_bottom,
                              {{0, mix(gunmetal, {1, 1, 1}, 0.28)},
                               {0.25, gunmetal},
                               {0.85, scaled(gunmetal, 0.75)},
                               {1, scaled(gunmetal, 0.55)}});
        fill_with(cr, housing_path, body.get());
        SavedState keep(cr);
        housing_path(cr);
        cairo_clip(cr);
        brush_streaks(cr, housing_left, 0, housing_right, housing_bottom, true, 21, 0.035);
        emboss(cr, housing_path, 2, 0.35, 0.6);
        // Ventilation slots below the channel strip.
        for (double x = 80; x <= 320; x += 8) {
            add_rounded_rect(cr, x, 343, 4, 9, 2);
        }
        cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
        cairo_fill(cr);
        for (double x = 80; x <= 320; x += 8) {
            cairo_rectangle(cr, x + 0.5, 351.5, 3, 1);
        }
        cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
        cairo_fill(cr);
        // Status lights between the screen and the channel strip.
        led(cr, {312, 289}, 2.5, rgb(60, 230, 90));
        led(cr, {324, 289}, 2.5, rgb(255, 170, 40));
    }
}

// A chrome block bolted to the housing's right side, with the porthole for the ball.
void paint_ball_panel(cairo_t* cr) {
    {
        Pattern body = chrome(319.5, 0, 391.5, 0, rgb(176, 186, 202));
        fill_with(cr, panel_path, body.get());
        emboss(cr, panel_path, 1.5, 0.7, 0.6);
        // Porthole ring.
        const Vec2 c = porthole.centre;
        Pattern ring =
            linear(c.x - 28, c.y - 28, c.x + 28, c.y + 28,
                   {{0, rgb(250, 252, 255)}, {0.5, rgb(120, 128, 140)}, {1, rgb(40, 44, 52)}});
        add_circle(cr, c, porthole.radius + 6);
        cairo_set_source(cr, ring.get());
        cairo_fill(cr);
        Pattern inner = linear(c.x - 24, c.y - 24, c.x + 24, c.y + 24,
                               {{0, rgb(30, 32, 40)}, {1, rgb(230, 235, 245)}});
        add_circle(cr, c, porthole.radius + 2.5);
        cairo_set_source(cr, inner.get());
        cairo_fill(cr);
        for (const Vec2 s : {Vec2{383, 84}, Vec2{383, 180}, Vec2{345, 180}}) {
            screw_head(cr, s, 3, 0.6);
        }
        led(cr, {366, 168}, 3, rgb(80, 160, 255));
    }
}

// A thick dark gasket, a chrome rim and dark glass (the TV panel covers it once shown).
void paint_screen(cairo_t* cr) {
    {
        SavedState keep(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        screen_path(cr);
        cairo_set_line_width(cr, 13);
        cairo_set_source_rgba(cr, 0.05, 0.06, 0.08, 0.9);
        cairo_stroke_preserve(cr);
        Pattern rim =
            chrome(tv_panel_rect.x, tv_panel_rect.y, tv_panel_rect.right(), tv_panel_rect.bottom());
        cairo_set_line_width(cr, 6);
        cairo_set_source(cr, rim.get());
        cairo_stroke_preserve(cr);
        Pattern glass_fill =
            radial({tv_panel_rect.x + 120.0, tv_panel_rect.y + 90.0}, 10, 220,
                   {{0, rgb(34, 46, 70)}, {0.6, rgb(14, 20, 34)}, {1, rgb(4, 6, 10)}});
        cairo_set_source(cr, glass_fill.get());
        cairo_fill_preserve(cr);
        cairo_clip(cr);
        // A broad reflection across the upper left of the glass.
        cairo_move_to(cr, tv_panel_rect.x - 10, tv_panel_rect.y + 120);
        cairo_curve_to(cr, tv_panel_rect.x + 80, tv_panel_rect.y + 70, tv_panel_rect.x + 150,
                       tv_panel_rect.y + 30, tv_panel_rect.x + 230, tv_panel_rect.y - 10);
        cairo_line_to(cr, tv_panel_rect.x - 10, tv_panel_rect.y - 10);
        cairo_close_path(cr);
        Pattern sheen = linear(tv_panel_rect.x, tv_panel_rect.y, tv_panel_rect.x + 120,
                               tv_panel_rect.y + 120, {{0, {1, 1, 1}, 0.16}, {1, {1, 1, 1}, 0.02}});
        cairo_set_source(cr, sheen.get());
        cairo_fill(cr);
    }
}

}  // namespace

std::vector<PathFn> tv_bodies() {
    return {housing_path, panel_path};
}

void paint_tv(cairo_t* cr) {
    paint_housing(cr);
    paint_ball_panel(cr);
    paint_screen(cr);
}

}  // namespace skin_art
