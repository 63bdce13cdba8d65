#pragma once
// Progress bars: the windowless gradient bar with its percentage caption, and the windowed
// marquee bar (the standard progress bar running its marquee).

#include <optional>

#include "ui/gradient.h"
#include "ui/win_control.h"

namespace ui {

// Fills with a gradient from the bottom edge (a bar taller than wide) or from the left edge, in
// stripes of `step` pixels `interspace` pixels apart, over a background gradient. The caption
// is a format in which "%d" stands for the percentage. Where it draws nothing (its corners) the
// parent shows through.
class Gradient_Progress_Bar : public Custom_Control {
  public:
    using Custom_Control::Custom_Control;
    std::string_view Kind() const override { return "Gradient_Progress_Bar"; }

    // 0 to 255, as a byte holds; more than 100 draws as 100.
    int Percent() const { return percent_; }
    void Set_Percent(int percent);
    const Gradient& Fill_Colours() const { return fill_; }
    // The fill's colours laid from the opposite edge.
    void Set_Fill_Reversed(bool reversed);
    // The caption as drawn, the percentage put in.
    std::string Shown_Caption() const;

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    void Paint_Background(HDC dc, const RECT& client) override;

  private:
    int percent_ = 0;
    Gradient fill_{colours::Blue, colours::Fuchsia};
    Gradient background_{colours::Silver, colours::Gray};
    Colour outline_ = colours::Gray;
    Colour shadow_ = colours::Black;
    Colour gap_ = colours::Black;
    std::optional<Font_Description> caption_font_;
    bool caption_shadow_ = false;
    int step_ = 1;
    int interspace_ = 0;
};

class Marquee_Progress_Bar : public System_Control {
  public:
    using System_Control::System_Control;
    std::string_view Kind() const override { return "Marquee_Progress_Bar"; }

    bool Running() const { return running_; }
    void Set_Running(bool running);
    int Speed() const { return speed_; }
    Colour Bar_Colour() const { return bar_colour_; }

    void Load(const Component_Description& description, const Handler_Table& handlers) override;

  protected:
    HWND Make_Window(HWND parent_window) override;
    void Window_Created() override;

  private:
    int position_ = 0;
    bool smooth_ = false;
    bool running_ = false;
    int speed_ = 100;
    Colour bar_colour_ = Colour::System(System_Colour::Highlight);
};

}  // namespace ui
