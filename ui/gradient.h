#pragma once
// Gradients as the gradient components draw them: two colours and the way the bands run.

#include "ui/colour.h"

namespace ui {

enum class Gradient_Direction {
    Horizontal,  // bands run across: `from` at the top edge, `to` at the bottom edge
    Vertical,    // bands run up and down: `from` at the left edge, `to` at the right edge
    Centre,      // horizontal bands, `from` at the top and bottom edges, `to` in the middle
};

struct Gradient {
    Colour from;
    Colour to;
    Gradient_Direction direction = Gradient_Direction::Horizontal;
    bool reversed = false;  // the colours laid from the opposite edge
    friend bool operator==(const Gradient&, const Gradient&) = default;
};

// The colour of band `index` of `count` bands (count >= 1) across the gradient's run.
Colour Gradient_Colour(const Gradient& gradient, int index, int count);

}  // namespace ui
