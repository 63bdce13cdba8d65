// Owning handles for cairo objects.
#pragma once

#include <cairo.h>

#include <memory>
#include <stdexcept>

namespace skin_art {

struct SurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextRelease {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternRelease {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct FontFaceRelease {
    void operator()(cairo_font_face_t* f) const { cairo_font_face_destroy(f); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternRelease>;
using FontFace = std::unique_ptr<cairo_font_face_t, FontFaceRelease>;

inline Surface make_surface(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32) {
    Surface s(cairo_image_surface_create(format, width, height));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a cairo surface");
    }
    return s;
}

inline Context make_context(const Surface& surface) {
    Context c(cairo_create(surface.get()));
    if (cairo_status(c.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a cairo context");
    }
    return c;
}

// Saves the drawing state on construction and restores it on destruction.
class SavedState {
  public:
    explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~SavedState() { cairo_restore(cr_); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

  private:
    cairo_t* cr_;
};

}  // namespace skin_art
