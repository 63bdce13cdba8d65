#include "skin_canvas.hpp"

#include <stdexcept>

#include "skin_parts.hpp"

namespace skin_art {

namespace {

// Pixel centres sit on whole numbers, as in the outline lists.
void use_pixel_positions(cairo_t* cr) {
    cairo_translate(cr, 0.5, 0.5);
}

void paint_window_edge(cairo_t* cr) {
    const PathFn outline = [](cairo_t* c) { add_polygon(c, dialog_outline()); };
    SavedState keep(cr);
    emboss(cr, outline, 2, 0.35, 0.3);
    outline(cr);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 0.06, 0.07, 0.1, 0.95);
    cairo_stroke(cr);
}

std::vector<std::uint8_t> body_coverage() {
    Surface mask = make_surface(canvas_width, dialog_height, CAIRO_FORMAT_A8);
    Context cr = make_context(mask);
    use_pixel_positions(cr.get());
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 1);
    for (const auto& bodies : {frame_bodies(), tv_bodies()}) {
        for (const PathFn& body : bodies) {
            cairo_new_path(cr.get());
            body(cr.get());
            cairo_fill(cr.get());
        }
    }
    cairo_surface_flush(mask.get());
    const unsigned char* data = cairo_image_surface_get_data(mask.get());
    const int stride = cairo_image_surface_get_stride(mask.get());
    std::vector<std::uint8_t> covered(std::size_t(canvas_width) * dialog_height);
    for (int y = 0; y < dialog_height; ++y) {
        for (int x = 0; x < canvas_width; ++x) {
            covered[std::size_t(y) * canvas_width + x] = data[std::size_t(y) * stride + x] >= 128;
        }
    }
    return covered;
}

// A dark line along every edge between drawn and undrawn pixels keeps the hard edges crisp
// against whatever lies behind the skin.
void darken_edges(KeyedImage& skin) {
    const int w = skin.colours.width, h = skin.colours.height;
    const std::vector<std::uint8_t> drawn = skin.drawn;
    auto is_drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && drawn[std::size_t(y) * w + x];
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!is_drawn(x, y) || (is_drawn(x - 1, y) && is_drawn(x + 1, y) &&
                                    is_drawn(x, y - 1) && is_drawn(x, y + 1))) {
                continue;
            }
            Rgb& c = skin.colours.at(x, y);
            auto towards = [](std::uint8_t v, int dark) {
                return static_cast<std::uint8_t>((v * 45 + dark * 55) / 100);
            };
            c = {towards(c.r, 18), towards(c.g, 20), towards(c.b, 26)};
        }
    }
}

bool in_porthole(Point p) {
    const double dx = p.x - porthole.centre.x, dy = p.y - porthole.centre.y;
    return dx * dx + dy * dy < porthole.radius * porthole.radius;
}

}  // namespace

const std::array<Colour, tube_variants>& tube_colours() {
    static const std::array<Colour, tube_variants> colours{
        rgb(40, 112, 240),  // blue
        rgb(36, 190, 84),   // green
        rgb(226, 44, 44),   // red
        rgb(246, 158, 20),  // amber
        rgb(150, 70, 224),  // violet
        rgb(20, 188, 212),  // cyan
        rgb(232, 58, 160),  // magenta
    };
    return colours;
}

KeyedImage paint_skin(Colour left_tube_colour, Colour right_tube_colour) {
    Surface surface = make_surface(canvas_width, dialog_height);
    {
        Context cr = make_context(surface);
        use_pixel_positions(cr.get());
        paint_frame(cr.get());
        paint_tv(cr.get());
        paint_tubes(cr.get(), left_tube_colour, right_tube_colour);
        paint_top_bar_details(cr.get());
        paint_title(cr.get());
        paint_bottom_plate(cr.get());
        paint_exit_socket(cr.get());
        paint_window_edge(cr.get());
    }
    KeyedImage out{read_opaque(surface.get()), body_coverage()};
    static const std::vector<std::uint8_t> inside =
        coverage(dialog_outline(), canvas_width, dialog_height);
    for (int y = 0; y < dialog_height; ++y) {
        for (int x = 0; x < canvas_width; ++x) {
            const std::size_t i = std::size_t(y) * canvas_width + x;
            out.drawn[i] = out.drawn[i] && inside[i] && !in_porthole({x, y});
        }
    }
    darken_edges(out);
    return out;
}

KeyedImage cut_piece(const KeyedImage& skin, Piece piece) {
    const PiecePlace& place = place_of(piece);
    const Rect& r = place.rect;
    KeyedImage out{Image(r.w, r.h), std::vector<std::uint8_t>(std::size_t(r.w) * r.h)};
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const int sx = r.x + x, sy = r.y + y;
            if (sx >= skin.colours.width || sy >= skin.colours.height) {
                continue;
            }
            out.colours.at(x, y) = skin.colours.at(sx, sy);
            out.drawn[std::size_t(y) * r.w + x] = skin.is_drawn(sx, sy);
        }
    }
    if (place.opaque) {
        for (std::uint8_t d : out.drawn) {
            if (!d) {
                throw std::logic_error(std::string(place.name) + " must be drawn everywhere");
            }
        }
    }
    return out;
}

}  // namespace skin_art
