#include "pictures.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fonts.hpp"
#include "paint_kit.hpp"

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;
constexpr Rgb soft_edge{214, 214, 218};

// The maker's emblem: a blue glass orb in a chrome ring, crossed by an orbit.
void draw_emblem(cairo_t* cr, Vec2 c, double radius) {
    const double ring = radius * 0.14;
    Pattern chrome_ring = chrome(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
    add_circle(cr, c, radius);
    cairo_set_source(cr, chrome_ring.get());
    cairo_fill(cr);
    const double r = radius - ring;
    Pattern orb = radial({c.x - r * 0.3, c.y - r * 0.35}, r * 0.05, r * 1.25,
                         {{0, rgb(150, 220, 255)},
                          {0.35, rgb(30, 110, 230)},
                          {0.8, rgb(10, 30, 110)},
                          {1, rgb(4, 10, 40)}});
    add_circle(cr, c, r);
    cairo_set_source(cr, orb.get());
    cairo_fill(cr);
    // A tilted orbit with an electron on it.
    const double tilt = -0.5, a = r * 1.05, b = a * 0.36, at = 0.9;
    {
        SavedState keep(cr);
        cairo_translate(cr, c.x, c.y);
        cairo_rotate(cr, tilt);
        cairo_scale(cr, 1, b / a);
        cairo_arc(cr, 0, 0, a, 0, 2 * pi);
    }
    cairo_set_line_width(cr, std::max(1.0, radius * 0.07));
    cairo_set_source_rgba(cr, 1, 0.86, 0.4, 0.95);
    cairo_stroke(cr);
    const Vec2 e{c.x + a * std::cos(at) * std::cos(tilt) - b * std::sin(at) * std::sin(tilt),
                 c.y + a * std::cos(at) * std::sin(tilt) + b * std::sin(at) * std::cos(tilt)};
    Pattern electron =
        radial({e.x - radius * 0.04, e.y - radius * 0.04}, 0, radius * 0.16,
               {{0, rgb(255, 255, 230)}, {0.6, rgb(255, 190, 40)}, {1, rgb(150, 80, 0)}});
    add_circle(cr, e, radius * 0.13);
    cairo_set_source(cr, electron.get());
    cairo_fill(cr);
    // Specular highlight.
    {
        SavedState keep(cr);
        cairo_translate(cr, c.x - r * 0.22, c.y - r * 0.45);
        cairo_scale(cr, 1, 0.55);
        Pattern shine = radial({0, 0}, 0, r * 0.6, {{0, {1, 1, 1}, 0.85}, {1, {1, 1, 1}, 0}});
        add_circle(cr, {0, 0}, r * 0.6);
        cairo_set_source(cr, shine.get());
        cairo_fill(cr);
    }
}

void draw_maker_name(cairo_t* cr, double centre_x, double baseline, double width) {
    const char* name = "TARNWICK";
    use_typeface(cr, Typeface::sans_bold, 20);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, name, &ext);
    const double size = 20 * width / ext.width;
    use_typeface(cr, Typeface::sans_bold, size);
    cairo_text_extents(cr, name, &ext);
    cairo_move_to(cr, centre_x - ext.width / 2 - ext.x_bearing, baseline);
    cairo_text_path(cr, name);
    Pattern fill = linear(0, baseline - ext.height, 0, baseline,
                          {{0, rgb(40, 90, 200)}, {1, rgb(10, 30, 100)}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
}

void draw_logo(cairo_t* cr, int w, int h) {
    const double radius = w * 0.42;
    draw_emblem(cr, {w / 2.0, radius + 2}, radius);
    draw_maker_name(cr, w / 2.0, h - 2.5, w - 6);
}

void draw_eighth_note(cairo_t* cr, Vec2 head, double size, Colour colour) {
    SavedState keep(cr);
    // Head: a tilted ellipse; stem up on the right; a flag.
    cairo_save(cr);
    cairo_translate(cr, head.x, head.y);
    cairo_rotate(cr, -0.45);
    cairo_scale(cr, 1, 0.72);
    add_circle(cr, {0, 0}, size * 0.32);
    cairo_restore(cr);
    const double sx = head.x + size * 0.27;
    cairo_rectangle(cr, sx - size * 0.07, head.y - size * 1.25, size * 0.09, size * 1.25);
    cairo_move_to(cr, sx, head.y - size * 1.25);
    cairo_curve_to(cr, sx + size * 0.1, head.y - size * 0.95, sx + size * 0.55,
                   head.y - size * 0.85, sx + size * 0.35, head.y - size * 0.4);
    cairo_curve_to(cr, sx + size * 0.4, head.y - size * 0.75, sx + size * 0.1, head.y - size * 0.85,
                   sx, head.y - size * 0.95);
    cairo_close_path(cr);
    Pattern fill =
        linear(head.x - size, head.y - size, head.x + size, head.y + size * 0.3,
               {{0, mix(colour, {1, 1, 1}, 0.5)}, {0.5, colour}, {1, scaled(colour, 0.4)}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
}

void draw_music_folder(cairo_t* cr, int w, int h) {
    const double x = 2, y = 6, fw = w - 4, fh = h - 9;
    // Back with its tab.
    cairo_move_to(cr, x + 3, y + 8);
    cairo_line_to(cr, x + 3, y + 2);
    cairo_curve_to(cr, x + 3, y, x + 5, y - 3, x + 8, y - 3);
    cairo_line_to(cr, x + 26, y - 3);
    cairo_line_to(cr, x + 31, y + 3);
    cairo_line_to(cr, x + fw - 4, y + 3);
    cairo_line_to(cr, x + fw - 4, y + 12);
    cairo_close_path(cr);
    Pattern back = linear(0, y - 3, 0, y + 12, {{0, rgb(250, 214, 110)}, {1, rgb(200, 150, 40)}});
    cairo_set_source(cr, back.get());
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.45, 0.3, 0, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Front.
    auto front = [&](cairo_t* c) {
        cairo_move_to(c, x, y + 9);
        cairo_line_to(c, x + fw, y + 9);
        cairo_line_to(c, x + fw - 3, y + fh);
        cairo_line_to(c, x + 3, y + fh);
        cairo_close_path(c);
    };
    Pattern face =
        linear(0, y + 9, 0, y + fh,
               {{0, rgb(255, 236, 150)}, {0.5, rgb(246, 200, 80)}, {1, rgb(214, 156, 36)}});
    fill_with(cr, front, face.get());
    front(cr);
    cairo_set_source_rgba(cr, 0.45, 0.3, 0, 0.85);
    cairo_stroke(cr);
    emboss(cr, front, 1.2, 0.6, 0.2);
    draw_eighth_note(cr, {w * 0.45, h * 0.74}, h * 0.36, rgb(30, 70, 200));
}

void draw_music_note(cairo_t* cr, int w, int h) {
    // Stave.
    for (int i = 0; i < 5; ++i) {
        const double y = h * 0.34 + i * h * 0.105;
        Pattern line = linear(0, 0, w, 0,
                              {{0, rgb(60, 70, 90), 0.0},
                               {0.1, rgb(60, 70, 90)},
                               {0.9, rgb(60, 70, 90)},
                               {1, rgb(60, 70, 90), 0.0}});
        cairo_rectangle(cr, 4, y - 1.5, w - 8, 3);
        cairo_set_source(cr, line.get());
        cairo_fill(cr);
    }
    // Two beamed notes with a soft shadow.
    const Colour ink = rgb(24, 40, 110);
    for (int pass = 0; pass < 2; ++pass) {
        SavedState keep(cr);
        if (pass == 0) {
            cairo_translate(cr, 6, 7);
        }
        const Vec2 a{w * 0.30, h * 0.78}, b{w * 0.70, h * 0.66};
        const double hr = w * 0.105, stem = w * 0.035;
        for (const Vec2 head : {a, b}) {
            cairo_save(cr);
            cairo_translate(cr, head.x, head.y);
            cairo_rotate(cr, -0.45);
            cairo_scale(cr, 1, 0.72);
            add_circle(cr, {0, 0}, hr);
            cairo_restore(cr);
            cairo_rectangle(cr, head.x + hr * 0.82 - stem, head.y - h * 0.52, stem, h * 0.52);
        }
        // Beam.
        cairo_move_to(cr, a.x + hr * 0.82 - stem, a.y - h * 0.52);
        cairo_line_to(cr, b.x + hr * 0.82, b.y - h * 0.52);
        cairo_line_to(cr, b.x + hr * 0.82, b.y - h * 0.52 + h * 0.09);
        cairo_line_to(cr, a.x + hr * 0.82 - stem, a.y - h * 0.52 + h * 0.09);
        cairo_close_path(cr);
        if (pass == 0) {
            cairo_set_source_rgba(cr, 0.1, 0.12, 0.2, 0.25);
        } else {
            Pattern fill = linear(0, h * 0.1, w, h * 0.9,
                                  {{0, rgb(90, 130, 240)}, {0.45, ink}, {1, rgb(6, 10, 40)}});
            cairo_set_source(cr, fill.get());
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 1, 1, 1, 0);
        }
        cairo_fill(cr);
    }
    // Highlights on the heads.
    for (const Vec2 head : {Vec2{w * 0.27, h * 0.755}, Vec2{w * 0.67, h * 0.635}}) {
        SavedState keep(cr);
        cairo_translate(cr, head.x, head.y);
        cairo_rotate(cr, -0.45);
        cairo_scale(cr, 1, 0.5);
        Pattern shine = radial({0, 0}, 0, w * 0.06, {{0, {1, 1, 1}, 0.8}, {1, {1, 1, 1}, 0}});
        add_circle(cr, {0, 0}, w * 0.06);
        cairo_set_source(cr, shine.get());
        cairo_fill(cr);
    }
}

void draw_loudspeaker(cairo_t* cr, int w, int h) {
    auto box = [&](cairo_t* c) { add_rounded_rect(c, 8, 2, w - 16, h - 4, 6); };
    Pattern wood = linear(8, 0, w - 8, 0,
                          {{0, rgb(40, 42, 50)}, {0.3, rgb(86, 90, 104)}, {1, rgb(26, 28, 34)}});
    fill_with(cr, box, wood.get());
    emboss(cr, box, 1.5, 0.35, 0.5);
    box(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    auto cone = [&](Vec2 c, double r) {
        Pattern rim = linear(c.x - r, c.y - r, c.x + r, c.y + r,
                             {{0, rgb(200, 206, 220)}, {1, rgb(40, 44, 52)}});
        add_circle(cr, c, r);
        cairo_set_source(cr, rim.get());
        cairo_fill(cr);
        Pattern dish = radial({c.x, c.y}, r * 0.15, r * 0.88,
                              {{0, rgb(30, 32, 40)}, {0.7, rgb(70, 74, 86)}, {1, rgb(14, 15, 20)}});
        add_circle(cr, c, r * 0.86);
        cairo_set_source(cr, dish.get());
        cairo_fill(cr);
        Pattern cap =
            radial({c.x - r * 0.08, c.y - r * 0.08}, 0, r * 0.3,
                   {{0, rgb(220, 226, 240)}, {0.6, rgb(110, 116, 130)}, {1, rgb(40, 42, 50)}});
        add_circle(cr, c, r * 0.28);
        cairo_set_source(cr, cap.get());
        cairo_fill(cr);
    };
    cone({w / 2.0, h * 0.28}, w * 0.17);
    cone({w / 2.0, h * 0.67}, w * 0.29);
    led(cr, {w - 15.0, h - 9.0}, 1.6, rgb(60, 230, 90));
}

void draw_cpu_chip(cairo_t* cr, int w, int h) {
    const double m = 7, s = w - 2 * m;
    // Pins along all four sides.
    Pattern pin = linear(0, 0, w, h, {{0, rgb(240, 240, 246)}, {1, rgb(120, 124, 134)}});
    cairo_set_source(cr, pin.get());
    for (int i = 0; i < 8; ++i) {
        const double at = m + 3 + i * (s - 6) / 7.0 - 1;
        cairo_rectangle(cr, at, 1, 2, m);
        cairo_rectangle(cr, at, h - m - 1, 2, m);
        cairo_rectangle(cr, 1, at, m, 2);
        cairo_rectangle(cr, w - m - 1, at, m, 2);
    }
    cairo_fill(cr);
    auto package = [&](cairo_t* c) { add_rounded_rect(c, m, m, s, s, 3); };
    Pattern body = linear(m, m, m + s, m + s, {{0, rgb(86, 92, 106)}, {1, rgb(24, 26, 32)}});
    fill_with(cr, package, body.get());
    emboss(cr, package, 1.2, 0.4, 0.5);
    auto die = [&](cairo_t* c) {
        add_rounded_rect(c, w * 0.34, h * 0.34, w * 0.32, h * 0.32, 1.5);
    };
    Pattern gold =
        linear(w * 0.34, h * 0.34, w * 0.66, h * 0.66,
               {{0, rgb(255, 236, 150)}, {0.5, rgb(214, 160, 40)}, {1, rgb(140, 90, 10)}});
    fill_with(cr, die, gold.get());
    emboss(cr, die, 1, 0.6, 0.4);
    add_circle(cr, {m + 4, m + 4}, 1.6);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_fill(cr);
}

void draw_video_card(cairo_t* cr, int w, int h) {
    // Board with the edge connector along the bottom.
    auto board = [&](cairo_t* c) { add_rounded_rect(c, 3, 12, w - 8, h - 24, 3); };
    Pattern pcb = linear(0, 12, 0, h - 12, {{0, rgb(40, 150, 70)}, {1, rgb(10, 80, 36)}});
    fill_with(cr, board, pcb.get());
    emboss(cr, board, 1.2, 0.4, 0.4);
    Pattern gold = linear(0, h - 12, 0, h - 5, {{0, rgb(255, 230, 130)}, {1, rgb(180, 120, 20)}});
    cairo_set_source(cr, gold.get());
    for (double x = 10; x < w - 14; x += 3) {
        cairo_rectangle(cr, x, h - 12, 2, 7);
    }
    cairo_fill(cr);
    // Heat sink and fan.
    const Vec2 fan{w * 0.38, h * 0.48};
    const double fr = h * 0.2;
    Pattern sink = linear(fan.x - fr - 4, 0, fan.x + fr + 4, 0,
                          {{0, rgb(210, 214, 224)}, {1, rgb(90, 94, 106)}});
    add_rounded_rect(cr, fan.x - fr - 4, fan.y - fr - 4, 2 * fr + 8, 2 * fr + 8, 3);
    cairo_set_source(cr, sink.get());
    cairo_fill(cr);
    add_circle(cr, fan, fr);
    cairo_set_source_rgb(cr, 0.1, 0.11, 0.14);
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        SavedState keep(cr);
        cairo_translate(cr, fan.x, fan.y);
        cairo_rotate(cr, i * 2 * pi / 7);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, fr * 0.3, -fr * 0.2, fr * 0.8, -fr * 0.3, fr * 0.92, 0);
        cairo_curve_to(cr, fr * 0.6, fr * 0.1, fr * 0.3, fr * 0.1, 0, 0);
        cairo_set_source_rgb(cr, 0.45, 0.48, 0.56);
        cairo_fill(cr);
    }
    add_circle(cr, fan, fr * 0.25);
    cairo_set_source_rgb(cr, 0.7, 0.72, 0.78);
    cairo_fill(cr);
    // Memory chips.
    for (int i = 0; i < 3; ++i) {
        add_rounded_rect(cr, w * 0.68, 16 + i * 9.0, 10, 6, 1);
    }
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
    cairo_fill(cr);
    // Information badge.
    const Vec2 b{w - 12.0, 12.0};
    Pattern badge =
        radial({b.x - 3, b.y - 3}, 0, 12,
               {{0, rgb(140, 200, 255)}, {0.6, rgb(30, 100, 230)}, {1, rgb(10, 40, 120)}});
    add_circle(cr, b, 10);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    add_circle(cr, b, 8.5);
    cairo_set_source(cr, badge.get());
    cairo_fill(cr);
    use_typeface(cr, Typeface::sans_bold, 13);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "i", &ext);
    cairo_move_to(cr, b.x - ext.width / 2 - ext.x_bearing, b.y - ext.height / 2 - ext.y_bearing);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, "i");
}

RgbaImage draw(int w, int h, void (*painter)(cairo_t*, int, int)) {
    Surface surface = make_surface(w, h);
    {
        Context cr = make_context(surface);
        painter(cr.get(), w, h);
    }
    return read_surface(surface.get());
}

}  // namespace

const PictureInfo& info_of(Picture picture) {
    static const PictureInfo infos[] = {
        {"LOGO_LARGE", 81, 94, "the maker's logo, beside the title plate"},
        {"LOGO_SMALL", 51, 56, "the maker's logo on the About page"},
        {"MUSIC_FOLDER", 80, 70, "a folder with a musical note"},
        {"MUSIC_NOTE", 232, 233, "a large musical note over a stave"},
        {"LOUDSPEAKER", 80, 87, "a loudspeaker"},
        {"CPU_CHIP", 50, 50, "a processor chip"},
        {"VIDEO_CARD", 62, 62, "a display card with an information badge"},
    };
    return infos[static_cast<int>(picture)];
}

Image render_picture(Picture picture) {
    const PictureInfo& info = info_of(picture);
    void (*painter)(cairo_t*, int, int) = nullptr;
    switch (picture) {
        case Picture::logo_large:
        case Picture::logo_small:
            painter = draw_logo;
            break;
        case Picture::music_folder:
            painter = draw_music_folder;
            break;
        case Picture::music_note:
            painter = draw_music_note;
            break;
        case Picture::loudspeaker:
            painter = draw_loudspeaker;
            break;
        case Picture::cpu_chip:
            painter = draw_cpu_chip;
            break;
        case Picture::video_card:
            painter = draw_video_card;
            break;
    }
    return flatten_on_key(draw(info.width, info.height, painter), white, soft_edge);
}

RgbaImage render_icon(int size) {
    return draw(size, size, [](cairo_t* cr, int w, int) {
        draw_emblem(cr, {w / 2.0, w / 2.0}, w / 2.0 - std::max(0.5, w / 64.0));
    });
}

}  // namespace skin_art
