#include "ui/graphic_control.h"

#include "ui/win_control.h"

namespace ui {

void Graphic_Control::Invalidate() {
    if (Parent())
        Parent()->Invalidate_Area(Rect());
}

void Graphic_Control::Repaint() {
    Invalidate();
    if (Parent() && Parent()->Handle())
        UpdateWindow(Parent()->Handle());
}

void Graphic_Control::Bounds_Changed(const Layout_Rect& old_bounds) {
    if (Parent() && Visible()) {
        Parent()->Invalidate_Area({old_bounds.left, old_bounds.top,
                                   old_bounds.left + old_bounds.width,
                                   old_bounds.top + old_bounds.height});
        Invalidate();
    }
    Control::Bounds_Changed(old_bounds);
}

void Graphic_Control::Visible_Changed() {
    Invalidate();
}

}  // namespace ui
