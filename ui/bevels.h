#pragma once
// Windowless frames and lines: the plain bevel and the gradient bevel.

#include "ui/gradient.h"
#include "ui/graphic_control.h"

namespace ui {

enum class Bevel_Edge { None, Raised, Lowered };

// Reads "key none|raised|lowered".
Bevel_Edge Bevel_Edge_Of(const Component_Description& description, std::string_view key,
                         Bevel_Edge fallback);
// A frame of that edge, `width` pixels wide; `rect` shrinks by it.
void Draw_Bevel_Edge(HDC dc, RECT& rect, Bevel_Edge edge, int width);

class Bevel : public Graphic_Control {
  public:
    enum class Shape { Box, Frame, Top_Line, Bottom_Line, Left_Line, Right_Line };

    using Graphic_Control::Graphic_Control;
    std::string_view Kind() const override { return "Bevel"; }

    Shape Bevel_Shape() const { return shape_; }

    void Paint(HDC dc) override;
    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  private:
    Shape shape_ = Shape::Box;
    Bevel_Edge style_ = Bevel_Edge::Lowered;
};

class Gradient_Bevel : public Graphic_Control {
  public:
    using Graphic_Control::Graphic_Control;
    std::string_view Kind() const override { return "Gradient_Bevel"; }

    const Gradient& Current_Gradient() const { return gradient_; }
    void Set_Gradient(const Gradient& gradient);

    void Paint(HDC dc) override;
    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  private:
    Gradient gradient_{colours::White, colours::Silver};
    Bevel_Edge outer_ = Bevel_Edge::Lowered;
    Bevel_Edge inner_ = Bevel_Edge::None;
    bool bold_ = false;
};

}  // namespace ui
