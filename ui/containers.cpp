#include "ui/containers.h"

#include <algorithm>

#include "ui/painting.h"

namespace ui {

namespace {

bool Is_Light(Colour colour) {
    const COLORREF value = To_Colorref(colour);
    return GetRValue(value) * 299 + GetGValue(value) * 587 + GetBValue(value) * 114 > 128000;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Panel

void Panel::Load(const Component_Description& description, const Handler_Table& handlers) {
    Custom_Control::Load(description, handlers);
    outer_ = Bevel_Edge_Of(description, "bevel_outer", Bevel_Edge::Raised);
    inner_ = Bevel_Edge_Of(description, "bevel_inner", Bevel_Edge::None);
    bevel_width_ = description.Number("bevel_width", 1);
    if (bevel_width_ < 1)
        description.Fail(nullptr, "the bevel width is at least 1");
}

void Panel::Paint_Background(HDC dc, const RECT& client) {
    RECT rect = client;
    Fill(dc, rect, Back_Colour());
    Draw_Bevel_Edge(dc, rect, outer_, bevel_width_);
    Draw_Bevel_Edge(dc, rect, inner_, bevel_width_);
    if (!Caption().empty()) {
        Draw_Text(dc, Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                  Font().colour);
    }
}

// ---------------------------------------------------------------------------------------------
// Group_Box

void Group_Box::Paint_Background(HDC dc, const RECT& client) {
    Fill(dc, client, Back_Colour());
    const SIZE text =
        Text_Extent(dc, Caption().empty() ? "0" : Caption(), DT_SINGLELINE | DT_NOPREFIX);
    RECT frame{client.left, client.top + text.cy / 2, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty())
        return;
    const RECT label{8, 0, std::min<LONG>(8 + text.cx, client.right - 8), text.cy};
    Fill(dc, label, Back_Colour());
    Draw_Text(dc, Caption(), label, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX,
              Enabled() ? Font().colour : Colour::System(System_Colour::Button_Shadow));
}

// ---------------------------------------------------------------------------------------------
// Gradient_Group_Box

void Gradient_Group_Box::Load(const Component_Description& description,
                              const Handler_Table& handlers) {
    Custom_Control::Load(description, handlers);
    Look look;
    look.background = description.Colour_Of("background").value_or(Back_Colour());
    look.caption = description.Colour_Of("caption_colour").value_or(look.caption);
    look.caption_active =
        description.Colour_Of("caption_active_colour").value_or(look.caption_active);
    look.bar = description.Colour_Of("bar_colour").value_or(look.bar);
    look.bar_active = description.Colour_Of("bar_active_colour").value_or(look.bar_active);
    look.bar_gradient_end = description.Colour_Of("bar_gradient_end").value_or(look.bar);
    look.client = description.Colour_Of("client_colour").value_or(look.client);
    look.client_gradient = description.Gradient_Of("client_gradient");
    look.outer_border = Bevel_Edge_Of(description, "outer_border", Bevel_Edge::None);
    const std::string inner = description.Word("inner_border", "space");
    if (inner != "space" && inner != "none")
        description.Fail(nullptr, "the inner border is space or none");
    look.inner_space = inner == "space";
    look.caption_shift = description.Number("caption_shift", 0);
    look.caption_alignment = Alignment_Of(description, Alignment::Centre, "caption_alignment");
    look_ = look;
}

void Gradient_Group_Box::Set_Client_Gradient_End(Colour colour) {
    if (!look_.client_gradient)
        look_.client_gradient = Gradient{colours::White, colour};
    look_.client_gradient->to = colour;
    Invalidate();
}

RECT Gradient_Group_Box::Caption_Bar(HDC dc) const {
    if (Caption().empty())
        return {0, 0, 0, 0};
    const SIZE text = Text_Extent(dc, Caption(), DT_SINGLELINE | DT_NOPREFIX);
    const int width = std::min<int>(text.cx + 8, Width() - 4);
    const int height = text.cy + 2;
    int left = 2;
    if (look_.caption_alignment == Alignment::Centre)
        left = (Width() - width) / 2;
    else if (look_.caption_alignment == Alignment::Right)
        left = Width() - 2 - width;
    const int top = Caption_Rest_Top - look_.caption_shift;
    return {left, top, left + width, top + height};
}

void Gradient_Group_Box::Paint_Background(HDC dc, const RECT& client) {
    RECT rect = client;
    Fill(dc, rect, look_.background);
    Draw_Bevel_Edge(dc, rect, look_.outer_border, 1);
    if (look_.inner_space)
        InflateRect(&rect, -2, -2);
    Frame(dc, rect, look_.client);
    InflateRect(&rect, -1, -1);
    if (look_.client_gradient)
        Fill_Gradient(dc, rect, *look_.client_gradient);
    else
        Fill(dc, rect, look_.client);

    const RECT bar = Caption_Bar(dc);
    if (IsRectEmpty(&bar))
        return;
    const bool active = Active();
    const Colour bar_colour = active ? look_.bar_active : look_.bar;
    // The bar keeps its own colour over its upper half and turns to the gradient's end colour
    // below, so that the caption stands on the bar's colour.
    const RECT upper{bar.left, bar.top, bar.right, bar.top + (bar.bottom - bar.top) / 2};
    Fill(dc, upper, bar_colour);
    Fill_Gradient(dc, {bar.left, upper.bottom, bar.right, bar.bottom},
                  {bar_colour, look_.bar_gradient_end, Gradient_Direction::Horizontal});
    RECT text = bar;
    text.left += 4;
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const Colour caption = active ? look_.caption_active : look_.caption;
    // A one-pixel relief in the opposite brightness keeps the caption legible on any bar.
    RECT relief = text;
    OffsetRect(&relief, 1, 1);
    Draw_Text(dc, Caption(), relief, format, Is_Light(caption) ? colours::Black : colours::White);
    Draw_Text(dc, Caption(), text, format, caption);
}

}  // namespace ui
