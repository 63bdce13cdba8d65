#include "fonts.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "cairo_handles.hpp"

namespace skin_art {

namespace {

const char* file_of(Typeface face) {
    switch (face) {
        case Typeface::sans_bold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        case Typeface::condensed_bold_oblique:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-BoldOblique.ttf";
        case Typeface::mono_bold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
    }
    return "";
}

struct LibraryRelease {
    void operator()(FT_Library lib) const { FT_Done_FreeType(lib); }
};
using Library = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryRelease>;

FT_Library library() {
    static const Library lib = [] {
        FT_Library raw = nullptr;
        if (FT_Init_FreeType(&raw) != 0) {
            throw std::runtime_error("cannot start FreeType");
        }
        return Library(raw);
    }();
    return lib.get();
}

// cairo keeps the FreeType face for as long as its own face lives; this key ties them.
const cairo_user_data_key_t face_key{};

void release_face(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

FontFace load(Typeface face) {
    FT_Face ft = nullptr;
    if (FT_New_Face(library(), file_of(face), 0, &ft) != 0) {
        throw std::runtime_error(std::string("cannot load font ") + file_of(face));
    }
    FontFace cf(cairo_ft_font_face_create_for_ft_face(ft, 0));
    if (cairo_font_face_set_user_data(cf.get(), &face_key, ft, release_face) !=
        CAIRO_STATUS_SUCCESS) {
        FT_Done_Face(ft);
        throw std::runtime_error("cannot attach a font face");
    }
    return cf;
}

cairo_font_face_t* face_of(Typeface face) {
    static const std::array<FontFace, 3> faces{load(Typeface::sans_bold),
                                               load(Typeface::condensed_bold_oblique),
                                               load(Typeface::mono_bold)};
    return faces[static_cast<std::size_t>(face)].get();
}

}  // namespace

void use_typeface(cairo_t* cr, Typeface face, double size) {
    cairo_set_font_face(cr, face_of(face));
    cairo_set_font_size(cr, size);
    std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)> options(
        cairo_font_options_create(), cairo_font_options_destroy);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options.get());
}

}  // namespace skin_art
