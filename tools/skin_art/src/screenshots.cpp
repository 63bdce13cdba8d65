#include "screenshots.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "fonts.hpp"
#include "molecules.hpp"
#include "paint_kit.hpp"
#include "ray_tracer.hpp"

namespace skin_art {

namespace {

struct Look {
    Colour deep, haze, nebula;  // backdrop colours
    const char* clock;
    int frames_per_second;  // 0: frame rate not shown
};

constexpr std::array<Look, screenshot_count> looks{{
    {rgb(2, 4, 20), rgb(10, 24, 70), rgb(60, 110, 230), "21:47:05", 0},
    {rgb(8, 2, 20), rgb(40, 12, 70), rgb(170, 70, 230), "09:12:38", 85},
    {rgb(0, 10, 16), rgb(4, 40, 56), rgb(30, 170, 190), "23:05:51", 0},
    {rgb(16, 2, 8), rgb(64, 8, 36), rgb(230, 60, 120), "03:33:17", 60},
    {rgb(2, 6, 24), rgb(14, 30, 84), rgb(90, 150, 255), "18:20:44", 72},
    {rgb(2, 12, 8), rgb(8, 46, 30), rgb(60, 200, 120), "12:00:09", 0},
}};

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed ^ (std::uint32_t(x) * 0x27d4eb2du) ^ (std::uint32_t(y) * 0x165667b1u);
    h ^= h >> 15;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}

double value_noise(double x, double y, std::uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto v = [&](int dx, int dy) { return (hash(ix + dx, iy + dy, seed) >> 8) / 16777216.0; };
    const double top = v(0, 0) + (v(1, 0) - v(0, 0)) * sx;
    const double bottom = v(0, 1) + (v(1, 1) - v(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

double cloud(double x, double y, std::uint32_t seed) {
    double sum = 0, amplitude = 0.5;
    for (int octave = 0; octave < 5; ++octave) {
        sum += value_noise(x, y, seed + octave * 101) * amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum;
}

// Deep space: a dark gradient, a coloured nebula and stars. Positions are in units of the
// picture's height so that both sizes show the same sky.
Image backdrop(const Look& look, int index, int width, int height) {
    Image out(width, height);
    const std::uint32_t seed = 7919u * (index + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / height, v = double(y) / height;
            const double n = cloud(u * 2.6, v * 2.6, seed);
            const double wisps = std::pow(std::clamp((n - 0.38) * 2.4, 0.0, 1.0), 1.6);
            Colour c = mix(look.deep, look.haze, std::clamp(1.2 - v, 0.0, 1.0) * 0.8);
            c = mix(c, look.nebula, wisps * 0.55);
            out.at(x, y) = {static_cast<std::uint8_t>(std::clamp(c.r, 0.0, 1.0) * 255),
                            static_cast<std::uint8_t>(std::clamp(c.g, 0.0, 1.0) * 255),
                            static_cast<std::uint8_t>(std::clamp(c.b, 0.0, 1.0) * 255)};
        }
    }
    // Stars: placed on a fixed grid of cells in picture-height units.
    Surface s = surface_from(out);
    {
        Context cr = make_context(s);
        const double cell = 0.035;
        for (int cy = 0; cy * cell < 1; ++cy) {
            for (int cx = 0; cx * cell < double(width) / height; ++cx) {
                const std::uint32_t h = hash(cx, cy, seed + 17);
                if (h % 5 > 1) {
                    continue;
                }
                const double sx = (cx + (h >> 8 & 0xff) / 256.0) * cell * height;
                const double sy = (cy + (h >> 16 & 0xff) / 256.0) * cell * height;
                const double t = (h >> 24) / 255.0;  // 0 faint .. 1 bright
                const double k = height / 215.0;
                const double r = std::max(0.45, k * (0.35 + 0.8 * t * t));
                add_circle(cr.get(), {sx, sy}, r);
                cairo_set_source_rgba(cr.get(), 0.85, 0.9, 1.0, 0.25 + 0.75 * t);
                cairo_fill(cr.get());
                if (t > 0.93) {
                    // The brightest stars sparkle with a small cross.
                    Pattern glow = radial({sx, sy}, 0, 5 * k,
                                          {{0, {0.9, 0.95, 1}, 0.5}, {1, {0.9, 0.95, 1}, 0}});
                    cairo_set_source(cr.get(), glow.get());
                    cairo_set_line_width(cr.get(), std::max(0.6, 0.8 * k));
                    cairo_move_to(cr.get(), sx - 5 * k, sy);
                    cairo_line_to(cr.get(), sx + 5 * k, sy);
                    cairo_move_to(cr.get(), sx, sy - 5 * k);
                    cairo_line_to(cr.get(), sx, sy + 5 * k);
                    cairo_stroke(cr.get());
                }
            }
        }
    }
    return read_opaque(s.get());
}

Scene scene_for(int index, const Look& look) {
    Scene s;
    s.camera = {{0, 0, -14}, {0, 0, 0}, 0.75, 0};
    s.light = {-0.6, 0.7, -0.7};
    s.environment = [look](Vec3 d) {
        const double up = std::clamp(d.y * 0.5 + 0.5, 0.0, 1.0);
        return mix(scaled(look.haze, 1.4), mix(look.nebula, {1, 1, 1}, 0.5), up);
    };
    switch (index) {
        case 0:
            add_to_scene(s, benzene(), {{-0.8, 0.2, 0}, 1.55, 0.5, 0.9});
            add_to_scene(s, methane(), {{4.6, -2.2, 3}, 1.1, 0.8, 0.4});
            add_to_scene(s, methane(), {{-5.4, -3.0, 5}, 0.9, 2.1, 0.7});
            break;
        case 1:
            add_to_scene(s, double_helix(12), {{0.2, -0.3, 0}, 0.78, 0.55, 0.5});
            break;
        case 2:
            add_to_scene(s, salt_lattice(3), {{0, -0.2, 0}, 1.05, 0.6, 0.45});
            break;
        case 3:
            add_to_scene(s, purine_like(), {{0.2, 0.3, 0}, 1.45, 0.35, 0.55});
            add_to_scene(s, methane(), {{5.4, 2.9, 4}, 1.0, 1.0, 0.3});
            break;
        case 4:
            add_to_scene(s, methane(), {{-3.8, 1.6, 0}, 1.3, 0.2, 0.3});
            add_to_scene(s, propane(), {{2.8, -1.2, -1}, 1.3, 0.9, 0.8});
            add_to_scene(s, methane(), {{3.8, 3.0, 6}, 1.0, 1.3, 0.1});
            add_to_scene(s, benzene(), {{-4.0, -3.4, 8}, 0.9, 0.2, 1.2});
            break;
        default:
            add_to_scene(s, propane(), {{-2.6, 1.4, 0}, 1.4, 0.4, 0.3});
            add_to_scene(s, benzene(), {{3.0, -1.0, 2}, 1.2, 1.1, 0.6});
            break;
    }
    return s;
}

// The clock in the upper left and, where shown, the frame rate in the lower right: the corners
// the TV screen's outline leaves whole.
void draw_overlay(cairo_t* cr, const Look& look, int width, int height) {
    const double k = height / 215.0;
    use_typeface(cr, Typeface::mono_bold, 17 * k);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, look.clock, &ext);
    const double x = 10 * k, y = 22 * k;
    for (double w : {6.0, 3.0}) {
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, look.clock);
        cairo_set_line_width(cr, w * k);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, look.nebula.r, look.nebula.g, look.nebula.b, 0.3);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, look.clock);
    Pattern fill =
        linear(0, y - ext.height, 0, y, {{0, {1, 1, 1}}, {1, mix(look.nebula, {1, 1, 1}, 0.5)}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    if (look.frames_per_second > 0) {
        const std::string fps = "FPS " + std::to_string(look.frames_per_second);
        use_typeface(cr, Typeface::mono_bold, 11 * k);
        cairo_text_extents_t fps_ext;
        cairo_text_extents(cr, fps.c_str(), &fps_ext);
        cairo_move_to(cr, width - fps_ext.x_advance - 10 * k, height - 8 * k);
        cairo_set_source_rgba(cr, 1, 0.9, 0.35, 0.9);
        cairo_show_text(cr, fps.c_str());
    }
}

}  // namespace

Image render_screenshot(int index, int width, int height) {
    const Look& look = looks.at(index);
    const Scene scene = scene_for(index, look);
    const Image sky = backdrop(look, index, width, height);
    const Image picture = over_backdrop(render_objects(scene, width, height, 2), sky);
    Surface s = surface_from(picture);
    {
        Context cr = make_context(s);
        draw_overlay(cr.get(), look, width, height);
    }
    return read_opaque(s.get());
}

}  // namespace skin_art
