#include "ui/progress_bars.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/caption_text.h"
#include "ui/form.h"
#include "ui/handler_table.h"
#include "ui/painting.h"

namespace ui {

// ---------------------------------------------------------------------------------------------
// Gradient_Progress_Bar

void Gradient_Progress_Bar::Load(const Component_Description& description,
                                 const Handler_Table& handlers) {
    Custom_Control::Load(description, handlers);
    const std::int32_t percent = description.Number("percent", 0);
    if (percent < 0 || percent > 255)
        description.Fail(nullptr, "the percentage is a byte");
    percent_ = percent;
    if (auto fill = description.Gradient_Of("fill"))
        fill_ = *fill;
    if (auto background = description.Gradient_Of("background"))
        background_ = *background;
    outline_ = description.Colour_Of("outline").value_or(outline_);
    shadow_ = description.Colour_Of("shadow").value_or(shadow_);
    gap_ = description.Colour_Of("gap_colour").value_or(gap_);
    caption_font_ = description.Font("caption_font");
    caption_shadow_ = description.Flag("caption_shadow");
    step_ = std::max(1, description.Number("step", 1));
    interspace_ = std::max(0, description.Number("interspace", 0));
}

void Gradient_Progress_Bar::Set_Percent(int percent) {
    percent = std::clamp(percent, 0, 255);
    if (percent == percent_)
        return;
    percent_ = percent;
    Invalidate();
}

void Gradient_Progress_Bar::Set_Fill_Reversed(bool reversed) {
    fill_.reversed = reversed;
    Invalidate();
}

std::string Gradient_Progress_Bar::Shown_Caption() const {
    return Format_Percent(Caption(), percent_);
}

void Gradient_Progress_Bar::Paint_Background(HDC dc, const RECT& client) {
    const int width = Width();
    const int height = Height();
    if (Parent()) {
        const HBRUSH behind = Parent()->Child_Background(dc, *this);
        FillRect(dc, &client, behind);
    }
    if (width < 3 || height < 3)
        return;
    // Shadow along the right and bottom edges, the outline inside it.
    ui::Fill(dc, {1, height - 1, width, height}, shadow_);
    ui::Fill(dc, {width - 1, 1, width, height}, shadow_);
    const RECT outline{0, 0, width - 1, height - 1};
    Frame(dc, outline, outline_);
    RECT inside = outline;
    InflateRect(&inside, -1, -1);
    ui::Fill(dc, inside, gap_);
    Fill_Gradient(dc, inside, background_);

    // A percentage beyond 100 (a byte can hold one) fills the bar and no more.
    const int shown = std::min(percent_, 100);
    const bool upwards = height > width;
    const int run = upwards ? inside.bottom - inside.top : inside.right - inside.left;
    const int filled = run * shown / 100;
    const Gradient fill{Fixed_Colour(fill_.from), Fixed_Colour(fill_.to),
                        Gradient_Direction::Horizontal, fill_.reversed};
    for (int offset = 0; offset < filled; offset += step_ + interspace_) {
        const int stripe = std::min(step_, filled - offset);
        const RECT part = upwards ? RECT{inside.left, inside.bottom - offset - stripe, inside.right,
                                         inside.bottom - offset}
                                  : RECT{inside.left + offset, inside.top,
                                         inside.left + offset + stripe, inside.bottom};
        // Each stripe takes its colour from its place along the whole bar, which runs up from
        // the bottom edge when the bar stands upright.
        const int index = upwards ? run - 1 - offset : offset;
        const Colour colour = Gradient_Colour(fill, index, run);
        ui::Fill(dc, part, colour);
        if (interspace_ > 0) {
            const int gap = std::min(interspace_, filled - offset - stripe);
            if (gap > 0) {
                const RECT space =
                    upwards ? RECT{inside.left, part.top - gap, inside.right, part.top}
                            : RECT{part.right, inside.top, part.right + gap, inside.bottom};
                ui::Fill(dc, space, gap_);
            }
        }
    }

    const std::string caption = Shown_Caption();
    if (caption.empty())
        return;
    Saved_Dc saved(dc);
    const Font_Description font = caption_font_.value_or(Font());
    SelectObject(dc, Owner().Font_Handle(font));
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (caption_shadow_)
        Draw_Text(dc, caption,
                  {inside.left + 1, inside.top + 1, inside.right + 1, inside.bottom + 1}, format,
                  shadow_);
    Draw_Text(dc, caption, inside, format, font.colour);
}

// ---------------------------------------------------------------------------------------------
// Marquee_Progress_Bar

void Marquee_Progress_Bar::Load(const Component_Description& description,
                                const Handler_Table& handlers) {
    System_Control::Load(description, handlers);
    position_ = description.Number("position", 0);
    smooth_ = description.Flag("smooth");
    running_ = description.Flag("running");
    speed_ = description.Number("speed", 100);
    bar_colour_ = description.Colour_Of("bar_colour").value_or(bar_colour_);
}

HWND Marquee_Progress_Bar::Make_Window(HWND parent_window) {
    return Make_System_Window(parent_window, PROGRESS_CLASSW,
                              Base_Style() | PBS_MARQUEE | (smooth_ ? PBS_SMOOTH : 0u));
}

void Marquee_Progress_Bar::Window_Created() {
    System_Control::Window_Created();
    SendMessageW(Handle(), PBM_SETRANGE32, 0, 100);
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
    SendMessageW(Handle(), PBM_SETBARCOLOR, 0, static_cast<LPARAM>(To_Colorref(bar_colour_)));
    SendMessageW(Handle(), PBM_SETMARQUEE, running_, speed_);
}

void Marquee_Progress_Bar::Set_Running(bool running) {
    running_ = running;
    if (Handle())
        SendMessageW(Handle(), PBM_SETMARQUEE, running_, speed_);
}

}  // namespace ui
