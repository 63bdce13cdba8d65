#include "ui/bevels.h"

#include "ui/painting.h"

namespace ui {

namespace {

const Colour Shadow = Colour::System(System_Colour::Button_Shadow);
const Colour Light = Colour::System(System_Colour::Button_Highlight);

}  // namespace

Bevel_Edge Bevel_Edge_Of(const Component_Description& description, std::string_view key,
                         Bevel_Edge fallback) {
    if (!description.Has(key))
        return fallback;
    const std::string word = description.Word(key);
    if (word == "none")
        return Bevel_Edge::None;
    if (word == "raised")
        return Bevel_Edge::Raised;
    if (word == "lowered")
        return Bevel_Edge::Lowered;
    description.Fail(nullptr, std::string(key) + " is none, raised or lowered");
}

void Draw_Bevel_Edge(HDC dc, RECT& rect, Bevel_Edge edge, int width) {
    if (edge == Bevel_Edge::Raised)
        Frame_3d(dc, rect, Light, Shadow, width);
    else if (edge == Bevel_Edge::Lowered)
        Frame_3d(dc, rect, Shadow, Light, width);
}

void Bevel::Load(const Component_Description& description, const Handler_Table& handlers) {
    Graphic_Control::Load(description, handlers);
    const std::string shape = description.Word("shape", "box");
    if (shape == "box")
        shape_ = Shape::Box;
    else if (shape == "frame")
        shape_ = Shape::Frame;
    else if (shape == "top_line")
        shape_ = Shape::Top_Line;
    else if (shape == "bottom_line")
        shape_ = Shape::Bottom_Line;
    else if (shape == "left_line")
        shape_ = Shape::Left_Line;
    else if (shape == "right_line")
        shape_ = Shape::Right_Line;
    else
        description.Fail(nullptr, "no bevel shape " + shape);
    style_ = Bevel_Edge_Of(description, "style", Bevel_Edge::Lowered);
}

void Bevel::Paint(HDC dc) {
    const int width = Width();
    const int height = Height();
    const Colour first = style_ == Bevel_Edge::Raised ? Light : Shadow;
    const Colour second = style_ == Bevel_Edge::Raised ? Shadow : Light;
    switch (shape_) {
        case Shape::Box: {
            RECT rect{0, 0, width, height};
            Draw_Bevel_Edge(dc, rect, style_, 1);
            break;
        }
        case Shape::Frame: {
            // An etched frame: two offset rectangles.
            Frame(dc, {0, 0, width - 1, height - 1}, first);
            Frame(dc, {1, 1, width, height}, second);
            break;
        }
        case Shape::Top_Line:
            ui::Fill(dc, {0, 0, width, 1}, first);
            ui::Fill(dc, {0, 1, width, 2}, second);
            break;
        case Shape::Bottom_Line:
            ui::Fill(dc, {0, height - 2, width, height - 1}, first);
            ui::Fill(dc, {0, height - 1, width, height}, second);
            break;
        case Shape::Left_Line:
            ui::Fill(dc, {0, 0, 1, height}, first);
            ui::Fill(dc, {1, 0, 2, height}, second);
            break;
        case Shape::Right_Line:
            ui::Fill(dc, {width - 2, 0, width - 1, height}, first);
            ui::Fill(dc, {width - 1, 0, width, height}, second);
            break;
    }
}

void Gradient_Bevel::Load(const Component_Description& description, const Handler_Table& handlers) {
    Graphic_Control::Load(description, handlers);
    if (auto gradient = description.Gradient_Of("gradient"))
        gradient_ = *gradient;
    outer_ = Bevel_Edge_Of(description, "outer", Bevel_Edge::Lowered);
    inner_ = Bevel_Edge_Of(description, "inner", Bevel_Edge::None);
    bold_ = description.Flag("bold");
}

void Gradient_Bevel::Set_Gradient(const Gradient& gradient) {
    gradient_ = gradient;
    Invalidate();
}

void Gradient_Bevel::Paint(HDC dc) {
    RECT rect{0, 0, Width(), Height()};
    Draw_Bevel_Edge(dc, rect, outer_, bold_ ? 2 : 1);
    Draw_Bevel_Edge(dc, rect, inner_, 1);
    Fill_Gradient(dc, rect, gradient_);
}

}  // namespace ui
