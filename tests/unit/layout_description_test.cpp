// The layout description: its syntax, its typed readers, and the dialog's own layout file.

#include "ui/layout_description.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ui/errors.h"

namespace {

using ui::Parse_Layout;

TEST(Layout_Description, Nesting_Gives_Parents_In_The_Order_Of_The_Text) {
    const auto table = Parse_Layout(R"(
# a comment
object Main Form
  object Box Group_Box
    object Inner Label
    end
  end
  object After Label
  end
end
)");
    ASSERT_EQ(table.size(), 4u);
    const std::pair<const char*, const char*> expected[] = {
        {"Main", ""}, {"Box", "Main"}, {"Inner", "Box"}, {"After", "Main"}};
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].name, expected[i].first);
        EXPECT_EQ(table[i].parent, expected[i].second);
    }
    EXPECT_EQ(table[2].kind, "Label");
    EXPECT_EQ(table[2].line, 5);
}

TEST(Layout_Description, Texts_Keep_Every_Character) {
    struct Case {
        const char* line;
        std::string text;
    };
    const Case cases[] = {
        {"caption ' Options' pad 12", " Options    "},
        {"caption '&Restore'#13'Defaults'", "&Restore\rDefaults"},
        {"caption 'it''s'", "it's"},
        {"caption ' In FULL Screen use Key  -\" F1 \"- '", " In FULL Screen use Key  -\" F1 \"- "},
        {"caption 'Текущее время' pad 15", "Текущее время  "},
        {"caption ''", ""},
        {"caption #9", "\t"},
    };
    for (const Case& c : cases) {
        const auto table = Parse_Layout(std::string("object F Form\n  ") + c.line + "\nend\n");
        EXPECT_EQ(table[0].Text("caption"), c.text) << c.line;
    }
}

TEST(Layout_Description, Typed_Readers) {
    const auto table = Parse_Layout(R"(
object F Form
  bounds -4 64 232 233
  visible no
  checked
  interval 5100
  colour money_green
  font 'Verdana' 10 teal bold italic charset 1251
  gradient white silver horizontal
  fill gray window centre reversed
  selection 3 5
end
)");
    const auto& form = table[0];
    EXPECT_EQ(form.Bounds(), (ui::Layout_Rect{-4, 64, 232, 233}));
    EXPECT_FALSE(form.Flag("visible", true));
    EXPECT_TRUE(form.Flag("checked"));
    EXPECT_TRUE(form.Flag("enabled", true));
    EXPECT_EQ(form.Number("interval", 0), 5100);
    EXPECT_EQ(form.Colour_Of("colour"), ui::colours::Money_Green);
    const ui::Font_Description font = *form.Font();
    EXPECT_EQ(font.face, "Verdana");
    EXPECT_EQ(font.points, 10);
    EXPECT_EQ(font.colour, ui::colours::Teal);
    EXPECT_EQ(font.weight, ui::Font_Weight::Bold);
    EXPECT_TRUE(font.italic);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(font.code_page, 1251);
    EXPECT_EQ(*form.Gradient_Of("gradient"),
              (ui::Gradient{ui::colours::White, ui::colours::Silver,
                            ui::Gradient_Direction::Horizontal, false}));
    EXPECT_EQ(*form.Gradient_Of("fill"), (ui::Gradient{ui::colours::Gray, ui::colours::Window,
                                                       ui::Gradient_Direction::Centre, true}));
    EXPECT_EQ(form.Numbers("selection"), (std::vector<std::int32_t>{3, 5}));
    EXPECT_TRUE(form.Unread_Keys().empty());
}

TEST(Layout_Description, Styles_Are_Pulled_In_And_Overridden_By_Later_Lines) {
    const auto table = Parse_Layout(R"(
style base
  colour teal
  caption 'from the style'
end
style derived
  use base
  colour blue
end
object F Form
  use derived
  caption 'own'
end
)");
    EXPECT_EQ(table[0].Colour_Of("colour"), ui::colours::Blue);
    EXPECT_EQ(table[0].Text("caption"), "own");
}

TEST(Layout_Description, Keys_Nobody_Reads_Are_Named) {
    const auto table = Parse_Layout("object F Form\n  colour red\n  colr red\nend\n");
    table[0].Colour_Of("colour");
    EXPECT_EQ(table[0].Unread_Keys(), std::vector<std::string>{"colr"});
}

TEST(Layout_Description, Mistakes_Name_Their_Line) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"object F Form\n  caption 'open\nend\n", "line 2: a text is not closed"},
        {"object F Form\n  caption ' Options' pad 3\nend\n", "line 2: the text is longer"},
        {"object F Form\n", "has no end"},
        {"end\n", "line 1: end without"},
        {"colour red\n", "line 1: a property outside"},
        {"object F Form\nend\nobject G Form\nend\n", "line 3: only one form"},
        {"object F Form\n  object A Label\n  end\n  object A Label\n  end\nend\n",
         "line 4: the name A is used twice"},
        {"object F Form\n  use nothing\nend\n", "no style named nothing"},
        {"object F Form\n  size 1x\nend\n", "'1x' is not a number"},
        {"object F Form\n  caption #300\nend\n", "character code"},
        {"", "no form"},
    };
    for (const Case& c : cases) {
        try {
            Parse_Layout(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const ui::Error& error) {
            EXPECT_EQ(error.kind(), ui::Layout_Error_Kind);
            EXPECT_NE(std::string(error.what()).find(c.expected), std::string::npos)
                << error.what();
        }
    }
}

TEST(Layout_Description, Values_Of_The_Wrong_Shape_Name_The_Component_And_Line) {
    const auto table = Parse_Layout("object F Form\n  bounds 1 2 3\n  colour plaid\nend\n");
    EXPECT_THROW(table[0].Bounds(), ui::Error);
    try {
        table[0].Colour_Of("colour");
        ADD_FAILURE();
    } catch (const ui::Error& error) {
        EXPECT_NE(std::string(error.what()).find("line 3: F.colour"), std::string::npos)
            << error.what();
    }
}

// The dialog's own layout, as the program carries it.
TEST(Dialog_Layout_File, Parses_Into_Every_Component_Once) {
    std::ifstream file(std::string(QUELVAR_SOURCE_DIR) + "/resources/adjustment_form.layout",
                       std::ios::binary);
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    const auto table = Parse_Layout(text.str());
    EXPECT_EQ(table.front().name, "Adjustment_Form");
    EXPECT_EQ(table.front().kind, "Form");
    // The page control holds three pages, in order.
    std::vector<std::string> pages;
    for (const auto& row : table) {
        if (row.parent == "Page_Control")
            pages.push_back(row.name);
    }
    EXPECT_EQ(pages,
              (std::vector<std::string>{"TabSheet_Main", "TabSheet_Sound", "TabSheet_About"}));
}

}  // namespace
