#include "ui/gradient.h"

namespace ui {

Colour Gradient_Colour(const Gradient& gradient, int index, int count) {
    if (count <= 1)
        return gradient.reversed ? gradient.to : gradient.from;
    if (gradient.reversed)
        index = count - 1 - index;
    double fraction = static_cast<double>(index) / (count - 1);
    if (gradient.direction == Gradient_Direction::Centre) {
        // Both edges start at `from`; the middle band reaches `to`.
        fraction = 1.0 - (fraction > 0.5 ? fraction - 0.5 : 0.5 - fraction) * 2.0;
    }
    return Blend(gradient.from, gradient.to, fraction);
}

}  // namespace ui
