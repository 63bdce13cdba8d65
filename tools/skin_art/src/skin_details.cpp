// Details laid onto the frame: the title plate with the product's lettering, the slogan strip
// of the bottom plate and the recess behind the close button.
#include <algorithm>
#include <string_view>

#include "fonts.hpp"
#include "skin_geometry.hpp"
#include "skin_parts.hpp"

namespace skin_art {

namespace {

constexpr std::string_view title_text = "Quelvar ScreenSaver";

void plate_path(cairo_t* cr) {
    const Rect& r = title_plate;
    add_rounded_rect(cr, r.x, r.y, r.w, r.h, 14);
}

}  // namespace

void paint_top_bar_details(cairo_t* cr) {
    // Between the housing and the title plate: two screws and an air grille.
    for (const Vec2 s : {Vec2{392, 56}, Vec2{434, 56}}) {
        screw_head(cr, s, 3, 0.4);
    }
    for (double y = 24; y <= 46; y += 5) {
        add_rounded_rect(cr, 396, y, 34, 2.5, 1.2);
    }
    cairo_set_source_rgba(cr, 0.04, 0.05, 0.08, 0.65);
    cairo_fill(cr);
    for (double y = 24; y <= 46; y += 5) {
        cairo_rectangle(cr, 397, y + 2.5, 32, 1);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
}

void paint_title(cairo_t* cr) {
    const Rect& r = title_plate;
    // Chrome frame, then dark glass.
    {
        SavedState keep(cr);
        Pattern frame = chrome(0, r.y - 3, 0, r.bottom() + 3);
        add_rounded_rect(cr, r.x - 3, r.y - 3, r.w + 6, r.h + 6, 17);
        cairo_set_source(cr, frame.get());
        cairo_fill(cr);
        Pattern glass_fill =
            linear(0, r.y, 0, r.bottom(),
                   {{0, rgb(40, 58, 96)}, {0.5, rgb(12, 20, 42)}, {1, rgb(22, 40, 80)}});
        fill_with(cr, plate_path, glass_fill.get());
        deboss(cr, plate_path, 2, 0.3, 0.7);
    }
    // Lettering, fitted into the plate.
    SavedState keep(cr);
    plate_path(cr);
    cairo_clip(cr);
    use_typeface(cr, Typeface::condensed_bold_oblique, 30);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, title_text.data(), &ext);
    const double scale = std::min((r.w - 26) / ext.width, (r.h - 16) / ext.height);
    use_typeface(cr, Typeface::condensed_bold_oblique, 30 * scale);
    cairo_text_extents(cr, title_text.data(), &ext);
    const double x = r.x + (r.w - ext.width) / 2 - ext.x_bearing;
    const double y = r.y + (r.h - ext.height) / 2 - ext.y_bearing;
    // Glow behind the letters.
    for (double w : {9.0, 6.0, 3.5}) {
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, title_text.data());
        cairo_set_line_width(cr, w);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, 0.35, 0.6, 1.0, 0.16);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, title_text.data());
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0.02, 0.04, 0.1, 0.9);
    cairo_stroke_preserve(cr);
    Pattern letters = linear(0, y + ext.y_bearing, 0, y + ext.y_bearing + ext.height,
                             {{0, rgb(255, 255, 255)},
                              {0.45, rgb(200, 222, 255)},
                              {0.5, rgb(96, 140, 210)},
                              {1, rgb(190, 214, 250)}});
    cairo_set_source(cr, letters.get());
    cairo_fill(cr);
}

void paint_bottom_plate(cairo_t* cr) {
    const double x = 236, y = 523.5, w = 446, h = 24;
    auto strip = [&](cairo_t* c) { add_rounded_rect(c, x, y, w, h, 9); };
    Pattern fill =
        linear(0, y, 0, y + h,
               {{0, rgb(208, 216, 228)}, {0.4, rgb(244, 247, 252)}, {1, rgb(214, 222, 234)}});
    fill_with(cr, strip, fill.get());
    deboss(cr, strip, 1.5, 0.8, 0.55);
    for (const Vec2 s : {Vec2{120, 535}, Vec2{216, 535}, Vec2{702, 535}}) {
        screw_head(cr, s, 3.5, 0.8);
    }
    led(cr, {140, 535}, 2.5, rgb(60, 230, 90));
    led(cr, {152, 535}, 2.5, rgb(60, 230, 90));
    led(cr, {164, 535}, 2.5, rgb(255, 170, 40));
}

void paint_exit_socket(cairo_t* cr) {
    const Rect& r = exit_button_rect;
    auto socket = [&](cairo_t* c) {
        add_rounded_rect(c, r.x - 1.5, r.y - 1.5, r.w + 2, r.h + 2, 13);
    };
    Pattern fill = linear(0, r.y, 0, r.bottom(), {{0, rgb(30, 34, 42)}, {1, rgb(84, 92, 108)}});
    fill_with(cr, socket, fill.get());
    deboss(cr, socket, 1.5, 0.6, 0.7);
}

}  // namespace skin_art
