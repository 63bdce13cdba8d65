#pragma once
// Colours as the dialog's layout names them: fixed red-green-blue values, or an entry of the
// Windows colour scheme, looked up only when drawn so that a scheme change shows at once.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

// Entries of the Windows colour scheme, by their GetSysColor index.
enum class System_Colour : int {
    Desktop = 1,
    Active_Caption = 2,
    Window = 5,
    Window_Text = 8,
    Highlight = 13,
    Highlight_Text = 14,
    Button_Face = 15,
    Button_Shadow = 16,
    Button_Highlight = 20,
    Gradient_Active_Caption = 27,
};

class Colour {
  public:
    constexpr Colour() = default;
    static constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return Colour(static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
                      (static_cast<std::uint32_t>(blue) << 16));
    }
    static constexpr Colour System(System_Colour entry) {
        return Colour(System_Flag | static_cast<std::uint32_t>(entry));
    }

    constexpr bool Is_System() const { return (value_ & System_Flag) != 0; }
    constexpr System_Colour System_Entry() const {
        return static_cast<System_Colour>(value_ & ~System_Flag);
    }
    // Red in the low byte, then green, then blue: the order of a Win32 COLORREF.
    constexpr std::uint32_t Rgb_Value() const { return value_; }

    friend constexpr bool operator==(Colour, Colour) = default;

  private:
    static constexpr std::uint32_t System_Flag = 0x80000000u;
    constexpr explicit Colour(std::uint32_t value) : value_(value) {}
    std::uint32_t value_ = 0;
};

namespace colours {
inline constexpr Colour Black = Colour::Rgb(0, 0, 0);
inline constexpr Colour White = Colour::Rgb(255, 255, 255);
inline constexpr Colour Silver = Colour::Rgb(192, 192, 192);
inline constexpr Colour Gray = Colour::Rgb(128, 128, 128);
inline constexpr Colour Maroon = Colour::Rgb(128, 0, 0);
inline constexpr Colour Navy = Colour::Rgb(0, 0, 128);
inline constexpr Colour Teal = Colour::Rgb(0, 128, 128);
inline constexpr Colour Olive = Colour::Rgb(128, 128, 0);
inline constexpr Colour Purple = Colour::Rgb(128, 0, 128);
inline constexpr Colour Green = Colour::Rgb(0, 128, 0);
inline constexpr Colour Blue = Colour::Rgb(0, 0, 255);
inline constexpr Colour Red = Colour::Rgb(255, 0, 0);
inline constexpr Colour Fuchsia = Colour::Rgb(255, 0, 255);
inline constexpr Colour Lime = Colour::Rgb(0, 255, 0);
inline constexpr Colour Money_Green = Colour::Rgb(192, 220, 192);
inline constexpr Colour Sky_Blue = Colour::Rgb(166, 202, 240);
inline constexpr Colour Cream = Colour::Rgb(255, 251, 240);
inline constexpr Colour Button_Face = Colour::System(System_Colour::Button_Face);
inline constexpr Colour Window = Colour::System(System_Colour::Window);
inline constexpr Colour Window_Text = Colour::System(System_Colour::Window_Text);
}  // namespace colours

// A colour by its layout name ("teal", "money_green", "button_face", ...), or nothing.
std::optional<Colour> Colour_From_Name(std::string_view name);

// The colour a fraction of the way from `from` to `to` (0 gives `from`, 1 gives `to`); both must
// be fixed colours.
Colour Blend(Colour from, Colour to, double fraction);

}  // namespace ui
