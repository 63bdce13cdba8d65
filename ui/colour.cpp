#include "ui/colour.h"

#include <array>
#include <cmath>
#include <utility>

namespace ui {

std::optional<Colour> Colour_From_Name(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Colour>, 27> names = {{
        {"black", colours::Black},
        {"white", colours::White},
        {"silver", colours::Silver},
        {"gray", colours::Gray},
        {"maroon", colours::Maroon},
        {"navy", colours::Navy},
        {"teal", colours::Teal},
        {"olive", colours::Olive},
        {"purple", colours::Purple},
        {"green", colours::Green},
        {"blue", colours::Blue},
        {"red", colours::Red},
        {"fuchsia", colours::Fuchsia},
        {"lime", colours::Lime},
        {"money_green", colours::Money_Green},
        {"sky_blue", colours::Sky_Blue},
        {"cream", colours::Cream},
        {"desktop", Colour::System(System_Colour::Desktop)},
        {"active_caption", Colour::System(System_Colour::Active_Caption)},
        {"window", colours::Window},
        {"window_text", colours::Window_Text},
        {"highlight", Colour::System(System_Colour::Highlight)},
        {"highlight_text", Colour::System(System_Colour::Highlight_Text)},
        {"button_face", colours::Button_Face},
        {"button_shadow", Colour::System(System_Colour::Button_Shadow)},
        {"button_highlight", Colour::System(System_Colour::Button_Highlight)},
        {"gradient_active_caption", Colour::System(System_Colour::Gradient_Active_Caption)},
    }};
    for (const auto& [known, colour] : names) {
        if (known == name)
            return colour;
    }
    return std::nullopt;
}

Colour Blend(Colour from, Colour to, double fraction) {
    if (fraction < 0)
        fraction = 0;
    if (fraction > 1)
        fraction = 1;
    auto channel = [&](int shift) {
        const double a = (from.Rgb_Value() >> shift) & 0xFF;
        const double b = (to.Rgb_Value() >> shift) & 0xFF;
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * fraction));
    };
    return Colour::Rgb(channel(0), channel(8), channel(16));
}

}  // namespace ui
