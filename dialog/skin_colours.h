#pragma once
// The colours the background and the group boxes end in; each opening draws its own.

#include <array>

#include "ui/colour.h"

inline constexpr std::array<ui::Colour, 5> Skin_Colour_Options = {
    ui::Colour::Rgb(140, 200, 120), ui::Colour::Rgb(160, 220, 120), ui::colours::Money_Green,
    ui::colours::Silver, ui::colours::Sky_Blue};
