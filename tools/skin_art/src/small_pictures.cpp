#include "small_pictures.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "molecules.hpp"
#include "paint_kit.hpp"
#include "ray_tracer.hpp"
#include "skin_geometry.hpp"

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;

// Edges of the transparent pictures blend towards a light grey that suits both the white
// gradient and the grey pages they are shown on.
constexpr Rgb soft_edge{214, 214, 218};

Image on_white(const RgbaImage& picture) {
    return flatten_on_key(picture, white, soft_edge);
}

Colour environment_studio(Vec3 d) {
    // A bright sky above fading into a dark floor below, as a studio reflection.
    const double t = std::clamp((d.y + 0.35) / 0.9, 0.0, 1.0);
    const double smooth = t * t * (3 - 2 * t);
    return mix(rgb(24, 28, 40), rgb(236, 242, 255), smooth);
}

}  // namespace

Image render_ball() {
    const Rect& r = ball_rect;
    Scene s;
    // One world unit per pixel, looking straight at the picture.
    s.camera = {{0, 0, -100}, {0, 0, 0}, 0.8, double(r.h)};
    s.light = {-0.55, 0.65, -0.55};
    s.ambient = 0.22;
    s.environment = environment_studio;
    const Vec2 at{ball_in_porthole.centre.x - r.x, ball_in_porthole.centre.y - r.y};
    const Vec3 centre{at.x + 0.5 - r.w / 2.0, r.h / 2.0 - (at.y + 0.5), 0};
    s.spheres.push_back({centre, ball_in_porthole.radius, {rgb(24, 70, 235), 1.3, 110, 0.32}});
    return on_white(render_objects(s, r.w, r.h, 4));
}

KeyedImage render_exit_button(bool bright) {
    const Rect& r = exit_button_rect;
    Surface surface = make_surface(r.w, r.h);
    Context cr = make_context(surface);
    cairo_translate(cr.get(), 0.5, 0.5);
    const double x = 1, y = 1, w = r.w - 3, h = r.h - 3, round = h / 2;
    // The socket's dark colour under everything, so that soft edges blend into it.
    cairo_set_source_rgb(cr.get(), 0.14, 0.15, 0.18);
    cairo_paint(cr.get());
    const Colour base = bright ? rgb(232, 48, 40) : rgb(96, 30, 30);
    Pattern body = linear(
        0, y, 0, y + h,
        {{0, mix(base, {1, 1, 1}, bright ? 0.35 : 0.1)}, {0.5, base}, {1, scaled(base, 0.55)}});
    add_rounded_rect(cr.get(), x, y, w, h, round);
    cairo_set_source(cr.get(), body.get());
    cairo_fill_preserve(cr.get());
    cairo_set_line_width(cr.get(), 1.2);
    cairo_set_source_rgba(cr.get(), 0.05, 0.02, 0.02, 0.9);
    cairo_stroke(cr.get());
    // Gloss over the upper half.
    Pattern gloss = linear(0, y + 1, 0, y + h * 0.55,
                           {{0, {1, 1, 1}, bright ? 0.75 : 0.3}, {1, {1, 1, 1}, 0.04}});
    add_rounded_rect(cr.get(), x + 3, y + 1.5, w - 6, h * 0.48, h * 0.24);
    cairo_set_source(cr.get(), gloss.get());
    cairo_fill(cr.get());
    // The cross.
    const double cx = x + w / 2, cy = y + h / 2 + 0.5, arm = 5.5;
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_ROUND);
    for (const auto& [width, colour, alpha] :
         {std::tuple{4.6, Colour{0.25, 0.02, 0.02}, 0.7},
          std::tuple{2.8, bright ? Colour{1, 1, 1} : rgb(200, 170, 170), 1.0}}) {
        cairo_set_line_width(cr.get(), width);
        cairo_move_to(cr.get(), cx - arm, cy - arm);
        cairo_line_to(cr.get(), cx + arm, cy + arm);
        cairo_move_to(cr.get(), cx + arm, cy - arm);
        cairo_line_to(cr.get(), cx - arm, cy + arm);
        set_colour(cr.get(), colour, alpha);
        cairo_stroke(cr.get());
    }
    KeyedImage out{read_opaque(surface.get()), std::vector<std::uint8_t>(std::size_t(r.w) * r.h)};
    // Drawn where the pixel's centre lies inside the pill.
    for (int py = 0; py < r.h; ++py) {
        for (int px = 0; px < r.w; ++px) {
            const double dx = std::max({x + round - px, 0.0, px - (x + w - round)});
            const double dy = py - (y + h / 2);
            out.drawn[std::size_t(py) * r.w + px] =
                dx * dx + dy * dy <= (round + 0.5) * (round + 0.5);
        }
    }
    return out;
}

Image render_molecule_frame(int frame) {
    Scene s;
    s.camera = {{0, 0, -12}, {0, 0, 0}, 0.5, 0};
    s.environment = environment_studio;
    add_to_scene(s, propane(), {{0, 0.1, 0}, 1.4, frame * pi / 8, 0.3});
    return on_white(render_objects(s, 100, 85, 3));
}

}  // namespace skin_art
