#include "skin_preview.hpp"

#include <stdexcept>

#include "paint_kit.hpp"
#include "skin_geometry.hpp"

namespace skin_art {

namespace {

Image skin_over(const KeyedImage& skin, const Image& under) {
    Image out = under;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            if (skin.is_drawn(x, y)) {
                out.at(x, y) = skin.colours.at(x, y);
            }
        }
    }
    return out;
}

void save(const Surface& s, const std::string& path) {
    if (cairo_surface_write_to_png(s.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path);
    }
}

void stroke_outline(cairo_t* cr, const std::vector<Point>& outline, Colour colour) {
    add_polygon(cr, outline);
    set_colour(cr, colour, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

void write_outline_preview(const KeyedImage& skin, const std::string& png_path) {
    Image checks(skin.colours.width, skin.colours.height);
    for (int y = 0; y < checks.height; ++y) {
        for (int x = 0; x < checks.width; ++x) {
            checks.at(x, y) = (x / 8 + y / 8) % 2 ? Rgb{204, 204, 204} : Rgb{244, 244, 244};
        }
    }
    Surface s = surface_from(skin_over(skin, checks));
    {
        Context cr = make_context(s);
        cairo_translate(cr.get(), 0.5, 0.5);
        stroke_outline(cr.get(), dialog_outline(), {1, 0, 0});
        stroke_outline(cr.get(), screen_outline_on_dialog(), {0, 0.8, 1});
    }
    save(s, png_path);
}

void write_mock_up(const KeyedImage& skin, const Image& screenshot, const std::vector<Layer>& above,
                   const std::string& png_path) {
    const int w = skin.colours.width, h = skin.colours.height;
    Surface back = make_surface(w, h, CAIRO_FORMAT_RGB24);
    {
        Context cr = make_context(back);
        cairo_set_source_rgb(cr.get(), 0.3, 0.32, 0.36);  // the desktop
        cairo_paint(cr.get());
        Pattern bevel = linear(0, 0, 0, bevel_rect.h, {{0, {1, 1, 1}}, {1, rgb(166, 202, 240)}});
        cairo_rectangle(cr.get(), 0, 0, bevel_rect.w, bevel_rect.h);
        cairo_set_source(cr.get(), bevel.get());
        cairo_fill(cr.get());
    }
    const Image with_skin = skin_over(skin, read_opaque(back.get()));
    Surface s = surface_from(skin_over(compose(above, w, h), with_skin));
    {
        Context cr = make_context(s);
        // Controls that lie above the skin.
        const Rect& pc = page_control_rect;
        cairo_rectangle(cr.get(), pc.x, pc.y, pc.w, pc.h);
        cairo_set_source_rgb(cr.get(), 0.83, 0.82, 0.78);
        cairo_fill_preserve(cr.get());
        cairo_set_source_rgb(cr.get(), 0.5, 0.5, 0.5);
        cairo_stroke(cr.get());
        // The TV screen: the screenshot stretched over the panel, cut to the screen's outline.
        cairo_save(cr.get());
        cairo_translate(cr.get(), 0.5, 0.5);
        add_polygon(cr.get(), screen_outline_on_dialog());
        cairo_restore(cr.get());
        cairo_clip(cr.get());
        Surface shot = surface_from(screenshot);
        cairo_translate(cr.get(), tv_panel_rect.x, tv_panel_rect.y);
        cairo_scale(cr.get(), double(tv_panel_rect.w) / screenshot.width,
                    double(tv_panel_rect.h) / screenshot.height);
        cairo_set_source_surface(cr.get(), shot.get(), 0, 0);
        cairo_paint(cr.get());
        cairo_reset_clip(cr.get());
        cairo_identity_matrix(cr.get());
        // Outside the window's outline lies the desktop.
        cairo_translate(cr.get(), 0.5, 0.5);
        cairo_rectangle(cr.get(), -1, -1, w + 2, h + 2);
        add_polygon(cr.get(), dialog_outline());
        cairo_set_fill_rule(cr.get(), CAIRO_FILL_RULE_EVEN_ODD);
        cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgb(cr.get(), 0.3, 0.32, 0.36);
        cairo_fill(cr.get());
    }
    save(s, png_path);
}

}  // namespace skin_art
