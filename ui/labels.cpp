#include "ui/labels.h"

#include "ui/painting.h"
#include "ui/win_control.h"

namespace ui {

UINT Text_Format(Alignment alignment) {
    switch (alignment) {
        case Alignment::Centre:
            return DT_CENTER;
        case Alignment::Right:
            return DT_RIGHT;
        default:
            return DT_LEFT;
    }
}

namespace {

constexpr UINT Label_Format = DT_NOPREFIX | DT_EXPANDTABS;

}  // namespace

void Label::Load(const Component_Description& description, const Handler_Table& handlers) {
    Graphic_Control::Load(description, handlers);
    alignment_ = Alignment_Of(description, Alignment::Left);
    auto_size_ = !description.Flag("fixed_size");
    transparent_ = description.Flag("transparent");
    if (auto_size_)
        Fit_To_Text();
}

void Label::Fit_To_Text() {
    Window_Dc screen(nullptr);
    Saved_Dc saved(screen.get());
    SelectObject(screen.get(), Font_Handle());
    const SIZE size = Text_Extent(screen.get(), Caption().empty() ? " " : Caption(), Label_Format);
    const int left = alignment_ == Alignment::Right ? Left() + Width() - size.cx : Left();
    Set_Bounds(left, Top(), size.cx, size.cy);
}

void Label::Caption_Changed() {
    if (auto_size_)
        Fit_To_Text();
    Invalidate();
}

void Label::Look_Changed() {
    if (auto_size_)
        Fit_To_Text();
    Invalidate();
}

void Label::Paint(HDC dc) {
    const RECT rect{0, 0, Width(), Height()};
    if (!transparent_)
        Fill(dc, rect, Back_Colour());
    Draw_Text(dc, Caption(), rect, Label_Format | Text_Format(alignment_),
              Enabled() ? Font().colour : Colour::System(System_Colour::Button_Shadow));
}

void Gradient_Label::Load(const Component_Description& description, const Handler_Table& handlers) {
    Graphic_Control::Load(description, handlers);
    gradient_ = description.Gradient_Of("gradient");
    highlight_ = description.Flag("highlight");
    active_look_ = description.Flag("active_look");
    alignment_ = Alignment_Of(description, Alignment::Left);
}

bool Gradient_Label::Looks_Active() const {
    return active_look_ && Parent() && Parent()->Contains_Focus();
}

void Gradient_Label::Paint(HDC dc) {
    if (Caption().empty())
        return;
    const RECT rect{0, 0, Width(), Height()};
    const UINT format = DT_NOPREFIX | DT_SINGLELINE | Text_Format(alignment_);
    if (highlight_) {
        // Light behind the letters, a pixel down and right, lifts them off the background.
        const RECT lit{1, 1, rect.right + 1, rect.bottom + 1};
        Draw_Text(dc, Caption(), lit, format, colours::White);
    }
    if (Looks_Active()) {
        Draw_Text(dc, Caption(), rect, format, Colour::System(System_Colour::Highlight));
    } else if (gradient_) {
        Draw_Gradient_Text(dc, Caption(), rect, format, *gradient_);
    } else {
        Draw_Text(dc, Caption(), rect, format, Font().colour);
    }
}

}  // namespace ui
