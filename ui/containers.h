#pragma once
// Windowed containers painted by this layer: the panel, the plain group box and the gradient
// group box.

#include <optional>

#include "ui/bevels.h"
#include "ui/gradient.h"
#include "ui/labels.h"
#include "ui/win_control.h"

namespace ui {

class Panel : public Custom_Control {
  public:
    using Custom_Control::Custom_Control;
    std::string_view Kind() const override { return "Panel"; }

    Bevel_Edge Outer_Bevel() const { return outer_; }
    Bevel_Edge Inner_Bevel() const { return inner_; }
    int Bevel_Width() const { return bevel_width_; }

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    void Paint_Background(HDC dc, const RECT& client) override;

  private:
    Bevel_Edge outer_ = Bevel_Edge::Raised;
    Bevel_Edge inner_ = Bevel_Edge::None;
    int bevel_width_ = 1;
};

class Group_Box : public Custom_Control {
  public:
    using Custom_Control::Custom_Control;
    std::string_view Kind() const override { return "Group_Box"; }

  protected:
    void Paint_Background(HDC dc, const RECT& client) override;
};

// A framed container with its caption on a filled bar, a gradient over its client area, and
// colours that change while a control inside has the focus.
class Gradient_Group_Box : public Custom_Control {
  public:
    struct Look {
        Colour background = colours::Button_Face;
        Colour caption = colours::Black;
        Colour caption_active = colours::Blue;
        Colour bar = colours::Silver;
        Colour bar_active = colours::Sky_Blue;
        Colour bar_gradient_end = colours::Silver;  // the bar runs from its colour to this
        Colour client = colours::Teal;
        std::optional<Gradient> client_gradient;
        Bevel_Edge outer_border = Bevel_Edge::None;
        bool inner_space = true;  // a blank margin inside the outer border
        int caption_shift = 0;    // how far the bar is lifted from its resting place
        Alignment caption_alignment = Alignment::Centre;
    };

    // The bar rests this far below the top edge; a shift of as much puts it on the edge.
    static constexpr int Caption_Rest_Top = 15;

    using Custom_Control::Custom_Control;
    std::string_view Kind() const override { return "Gradient_Group_Box"; }

    const Look& Colours() const { return look_; }
    // The client gradient's end colour (its start stays).
    void Set_Client_Gradient_End(Colour colour);
    // True while a control inside has the focus.
    bool Active() const { return Contains_Focus(); }
    // Where the caption bar lies, in client coordinates (empty without a caption).
    RECT Caption_Bar(HDC dc) const;

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    void Paint_Background(HDC dc, const RECT& client) override;

  private:
    Look look_;
};

}  // namespace ui
