#include "paint_kit.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skin_art {

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

void set_colour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

namespace {

Pattern with_stops(cairo_pattern_t* raw, const Stops& stops) {
    Pattern p(raw);
    for (const Stop& s : stops) {
        cairo_pattern_add_color_stop_rgba(p.get(), s.at, s.colour.r, s.colour.g, s.colour.b,
                                          s.alpha);
    }
    return p;
}

void bevel_strokes(cairo_t* cr, const PathFn& path, double width, double upper_left,
                   Colour upper_colour, double lower_right, Colour lower_colour) {
    SavedState keep(cr);
    path(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, width * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    {
        SavedState shifted(cr);
        cairo_translate(cr, width * 0.6, width * 0.6);
        path(cr);
        set_colour(cr, upper_colour, upper_left);
        cairo_stroke(cr);
    }
    {
        SavedState shifted(cr);
        cairo_translate(cr, -width * 0.6, -width * 0.6);
        path(cr);
        set_colour(cr, lower_colour, lower_right);
        cairo_stroke(cr);
    }
}

}  // namespace

Pattern linear(double x0, double y0, double x1, double y1, const Stops& stops) {
    return with_stops(cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

Pattern radial(Vec2 c, double r0, double r1, const Stops& stops) {
    return with_stops(cairo_pattern_create_radial(c.x, c.y, r0, c.x, c.y, r1), stops);
}

Stops reversed(Stops stops) {
    std::reverse(stops.begin(), stops.end());
    for (Stop& s : stops) {
        s.at = 1 - s.at;
    }
    return stops;
}

void add_rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 1.5 * pi);
    cairo_close_path(cr);
}

void add_polygon(cairo_t* cr, const std::vector<Point>& polygon) {
    cairo_new_sub_path(cr);
    for (const Point& p : polygon) {
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

void add_circle(cairo_t* cr, Vec2 centre, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
}

void fill_with(cairo_t* cr, const PathFn& path, cairo_pattern_t* pattern) {
    SavedState keep(cr);
    path(cr);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
}

void emboss(cairo_t* cr, const PathFn& path, double width, double light, double shade) {
    bevel_strokes(cr, path, width, light, {1, 1, 1}, shade, {0, 0, 0});
}

void deboss(cairo_t* cr, const PathFn& path, double width, double light, double shade) {
    bevel_strokes(cr, path, width, shade, {0, 0, 0}, light, {1, 1, 1});
}

Pattern chrome(double x0, double y0, double x1, double y1, Colour tint) {
    return linear(x0, y0, x1, y1,
                  {{0.00, scaled(tint, 0.55)},
                   {0.12, mix(tint, {1, 1, 1}, 0.75)},
                   {0.30, mix(tint, {1, 1, 1}, 0.35)},
                   {0.47, scaled(tint, 0.62)},
                   {0.52, scaled(tint, 0.30)},
                   {0.62, scaled(tint, 0.48)},
                   {0.84, mix(tint, {1, 1, 1}, 0.30)},
                   {1.00, scaled(tint, 0.40)}});
}

Stops steel_bands(Colour base) {
    return {{0.00, scaled(base, 0.50)},         {0.10, scaled(base, 0.85)},
            {0.28, mix(base, {1, 1, 1}, 0.45)}, {0.40, mix(base, {1, 1, 1}, 0.12)},
            {0.70, scaled(base, 0.72)},         {0.90, scaled(base, 0.55)},
            {1.00, scaled(base, 0.32)}};
}

Pattern steel(double x0, double y0, double x1, double y1, Colour base) {
    return linear(x0, y0, x1, y1, steel_bands(base));
}

Pattern glass(double x0, double y0, double x1, double y1, Colour c) {
    return linear(x0, y0, x1, y1,
                  {{0.00, scaled(c, 0.22)},
                   {0.08, scaled(c, 0.55)},
                   {0.22, mix(c, {1, 1, 1}, 0.55)},
                   {0.28, mix(c, {1, 1, 1}, 0.92)},
                   {0.34, mix(c, {1, 1, 1}, 0.40)},
                   {0.55, c},
                   {0.80, scaled(c, 0.62)},
                   {0.90, mix(c, {1, 1, 1}, 0.25)},
                   {1.00, scaled(c, 0.25)}});
}

void brush_streaks(cairo_t* cr, double x0, double y0, double x1, double y1, bool horizontal,
                   std::uint32_t seed, double strength) {
    SavedState keep(cr);
    Noise noise(seed);
    cairo_set_line_width(cr, 1);
    const double from = horizontal ? y0 : x0, to = horizontal ? y1 : x1;
    for (double at = std::floor(from); at <= to; at += 1) {
        const double a = (noise.next() - 0.5) * 2 * strength;
        const double start = (horizontal ? x0 : y0) + noise.next() * 40;
        const double end = (horizontal ? x1 : y1) - noise.next() * 40;
        if (horizontal) {
            cairo_move_to(cr, start, at);
            cairo_line_to(cr, end, at);
        } else {
            cairo_move_to(cr, at, start);
            cairo_line_to(cr, at, end);
        }
        if (a > 0) {
            cairo_set_source_rgba(cr, 1, 1, 1, a);
        } else {
            cairo_set_source_rgba(cr, 0, 0, 0, -a);
        }
        cairo_stroke(cr);
    }
}

void screw_head(cairo_t* cr, Vec2 c, double r, double slot_angle) {
    SavedState keep(cr);
    add_circle(cr, c, r + 0.8);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    Pattern body =
        radial({c.x - r * 0.35, c.y - r * 0.35}, 0, r * 1.4,
               {{0, rgb(250, 250, 252)}, {0.5, rgb(170, 176, 186)}, {1, rgb(80, 84, 92)}});
    add_circle(cr, c, r);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, slot_angle);
    cairo_set_line_width(cr, std::max(1.0, r * 0.35));
    cairo_move_to(cr, -r * 0.7, 0);
    cairo_line_to(cr, r * 0.7, 0);
    cairo_set_source_rgba(cr, 0.15, 0.16, 0.2, 0.85);
    cairo_stroke(cr);
}

void led(cairo_t* cr, Vec2 c, double r, Colour colour) {
    SavedState keep(cr);
    Pattern glow = radial(c, 0, r * 2.6, {{0, colour, 0.55}, {1, colour, 0}});
    add_circle(cr, c, r * 2.6);
    cairo_set_source(cr, glow.get());
    cairo_fill(cr);
    add_circle(cr, c, r + 0.7);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    Pattern body =
        radial({c.x - r * 0.3, c.y - r * 0.3}, 0, r * 1.2,
               {{0, mix(colour, {1, 1, 1}, 0.85)}, {0.45, colour}, {1, scaled(colour, 0.45)}});
    add_circle(cr, c, r);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
}

double Noise::next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) / 16777216.0;
}

}  // namespace skin_art
