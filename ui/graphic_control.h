#pragma once
// Windowless controls: plain objects painted by the window that holds them, in the order of that
// window's list (later ones on top), and hit by the mouse in the opposite order.

#include "ui/component.h"

namespace ui {

class Graphic_Control : public Control {
  public:
    using Control::Control;

    bool Is_Windowed() const override { return false; }
    void Invalidate() override;
    void Repaint() override;

    // Paints the control with the device context's origin at its top left corner and drawing
    // clipped to its bounds.
    virtual void Paint(HDC dc) = 0;

  protected:
    void Bounds_Changed(const Layout_Rect& old_bounds) override;
    void Visible_Changed() override;
};

}  // namespace ui
