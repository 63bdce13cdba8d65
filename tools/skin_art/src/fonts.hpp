// Typefaces for lettering, loaded from fixed font files so that the output never depends on
// the machine's font configuration.
#pragma once

#include <cairo.h>

namespace skin_art {

enum class Typeface {
    sans_bold,               // DejaVu Sans Bold
    condensed_bold_oblique,  // DejaVu Sans Condensed Bold Oblique
    mono_bold,               // DejaVu Sans Mono Bold
};

// Selects the typeface at `size` pixels on `cr`, with unhinted outlines and greyscale
// anti-aliasing.
void use_typeface(cairo_t* cr, Typeface face, double size);

}  // namespace skin_art
