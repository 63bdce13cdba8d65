// The form layer's rules that need no window: accelerators, percentage captions, colour names
// and gradient bands.

#include <gtest/gtest.h>

#include "ui/caption_text.h"
#include "ui/colour.h"
#include "ui/gradient.h"

namespace {

TEST(Caption_Text, Accelerators) {
    const std::pair<const char*, std::optional<char>> cases[] = {
        {"&Cancel", 'C'},   {"O&k", 'K'},    {"&Restore\rDefaults", 'R'},
        {"Save && Go", {}}, {"A&&B&c", 'C'}, {"trailing&", {}},
        {"none", {}},
    };
    for (const auto& [caption, expected] : cases)
        EXPECT_EQ(ui::Accelerator_Of(caption), expected) << caption;
}

TEST(Caption_Text, Percent_Formats) {
    EXPECT_EQ(ui::Format_Percent("progress...[%d%%]", 51), "progress...[51%]");
    EXPECT_EQ(ui::Format_Percent("", 101), "");
    EXPECT_EQ(ui::Format_Percent("%d", 0), "0");
    EXPECT_EQ(ui::Format_Percent("odd %", 5), "odd %");
    EXPECT_EQ(ui::Format_Percent("%s %d", 5), "%s 5");
}

TEST(Colours, Names_Of_The_Layout) {
    EXPECT_EQ(ui::Colour_From_Name("cream"), ui::Colour::Rgb(255, 251, 240));
    EXPECT_EQ(ui::Colour_From_Name("money_green"), ui::Colour::Rgb(192, 220, 192));
    EXPECT_EQ(ui::Colour_From_Name("sky_blue"), ui::Colour::Rgb(166, 202, 240));
    EXPECT_EQ(ui::Colour_From_Name("fuchsia"), ui::Colour::Rgb(255, 0, 255));
    const auto face = ui::Colour_From_Name("button_face");
    ASSERT_TRUE(face);
    EXPECT_TRUE(face->Is_System());
    EXPECT_EQ(face->System_Entry(), ui::System_Colour::Button_Face);
    EXPECT_FALSE(ui::Colour_From_Name("Teal"));  // names are exact
    EXPECT_FALSE(ui::Colour_From_Name("plaid"));
}

TEST(Gradients, Bands_Run_From_The_First_Colour_To_The_Second) {
    const ui::Colour white = ui::colours::White;
    const ui::Colour green = ui::Colour::Rgb(140, 200, 120);
    struct Case {
        ui::Gradient_Direction direction;
        bool reversed;
        ui::Colour first, middle, last;
    };
    const ui::Colour half = ui::Blend(white, green, 0.5);
    const Case cases[] = {
        {ui::Gradient_Direction::Horizontal, false, white, half, green},
        {ui::Gradient_Direction::Vertical, false, white, half, green},
        {ui::Gradient_Direction::Horizontal, true, green, half, white},
        {ui::Gradient_Direction::Centre, false, white, green, white},
    };
    for (const Case& c : cases) {
        const ui::Gradient gradient{white, green, c.direction, c.reversed};
        EXPECT_EQ(ui::Gradient_Colour(gradient, 0, 101), c.first);
        EXPECT_EQ(ui::Gradient_Colour(gradient, 50, 101), c.middle);
        EXPECT_EQ(ui::Gradient_Colour(gradient, 100, 101), c.last);
    }
    EXPECT_EQ(ui::Gradient_Colour({white, green}, 0, 1), white);
}

}  // namespace
