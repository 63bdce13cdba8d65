#pragma once
// Windowless texts: the plain label and the gradient label.

#include <optional>

#include "ui/gradient.h"
#include "ui/graphic_control.h"

namespace ui {

class Label : public Graphic_Control {
  public:
    using Graphic_Control::Graphic_Control;
    std::string_view Kind() const override { return "Label"; }

    Alignment Text_Alignment() const { return alignment_; }
    bool Auto_Size() const { return auto_size_; }
    bool Transparent() const { return transparent_; }

    void Paint(HDC dc) override;
    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    void Caption_Changed() override;
    void Look_Changed() override;

  private:
    // Fits the size to the text; the left edge stays (the right edge for right alignment).
    void Fit_To_Text();

    Alignment alignment_ = Alignment::Left;
    bool auto_size_ = true;
    bool transparent_ = false;
};

// A label whose letters are filled with a gradient (or a plain colour), optionally lit by a
// highlight, and optionally drawn in the highlight colour while a control beside it (in the same
// parent) has the focus.
class Gradient_Label : public Graphic_Control {
  public:
    using Graphic_Control::Graphic_Control;
    std::string_view Kind() const override { return "Gradient_Label"; }

    const std::optional<Gradient>& Text_Gradient() const { return gradient_; }
    bool Highlight() const { return highlight_; }
    bool Active_Look() const { return active_look_; }
    Alignment Text_Alignment() const { return alignment_; }
    // True while the active look shows.
    bool Looks_Active() const;

    void Paint(HDC dc) override;
    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  private:
    std::optional<Gradient> gradient_;
    bool highlight_ = false;
    bool active_look_ = false;
    Alignment alignment_ = Alignment::Left;
};

UINT Text_Format(Alignment alignment);

}  // namespace ui
