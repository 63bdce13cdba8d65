#include "app/command_line.h"

#include <gtest/gtest.h>

#include "ui/errors.h"

namespace {

using Args = std::vector<std::string>;

TEST(Split_Command_Line, Separates_On_Every_Control_Character_And_Blank) {
    EXPECT_EQ(Split_Command_Line("saver.scr /p 1234"), (Args{"saver.scr", "/p", "1234"}));
    EXPECT_EQ(Split_Command_Line("  a\tb\r\nc\x01"
                                 "d  "),
              (Args{"a", "b", "c", "d"}));
    EXPECT_EQ(Split_Command_Line(""), Args{});
    EXPECT_EQ(Split_Command_Line(" \t "), Args{});
}

TEST(Split_Command_Line, Quotes_Group_And_Are_Dropped) {
    EXPECT_EQ(Split_Command_Line("\"C:\\Program Files\\Q.scr\" \"/c\""),
              (Args{"C:\\Program Files\\Q.scr", "/c"}));
    EXPECT_EQ(Split_Command_Line("a\"b c\"d e"), (Args{"ab cd", "e"}));
    // Backslashes and doubled quotes have no special meaning, unlike the C runtime's rules.
    EXPECT_EQ(Split_Command_Line("x \\\"/c\\\""), (Args{"x", "\\/c\\"}));
    EXPECT_EQ(Split_Command_Line("x \"\"\"/p\""), (Args{"x", "/p"}));
    EXPECT_EQ(Split_Command_Line("x \"unterminated arg"), (Args{"x", "unterminated arg"}));
}

struct Mode_Case {
    const char* command_line;  // arguments after the program path
    const char* mode;
    std::int32_t window;
    friend void PrintTo(const Mode_Case& c, std::ostream* os) {
        *os << '"' << c.command_line << '"';
    }
};

class Command_Line_Modes : public testing::TestWithParam<Mode_Case> {};

TEST_P(Command_Line_Modes, Picks_The_Mode_And_Window) {
    const Mode_Case& c = GetParam();
    Command_Line_Choice choice =
        Parse_Command_Line(Split_Command_Line(std::string("Quelvar.scr ") + c.command_line));
    EXPECT_EQ(choice.run_mode, c.mode) << c.command_line;
    EXPECT_EQ(choice.host_window, c.window) << c.command_line;
}

INSTANTIATE_TEST_SUITE_P(
    Windows_And_Edge_Cases, Command_Line_Modes,
    testing::Values(Mode_Case{"", "", 0}, Mode_Case{"/s", "", 0}, Mode_Case{"/S", "", 0},
                    Mode_Case{"-s", "", 0}, Mode_Case{"s", "", 0}, Mode_Case{"/x", "", 0},
                    Mode_Case{"/", "", 0}, Mode_Case{"c", "c", 0}, Mode_Case{"C", "c", 0},
                    Mode_Case{"/c", "c", 0}, Mode_Case{"/C", "c", 0}, Mode_Case{"r", "c", 0},
                    Mode_Case{"/r", "c", 0}, Mode_Case{"-R", "c", 0}, Mode_Case{"/c:4711", "c", 0},
                    Mode_Case{"ca", "a", 0}, Mode_Case{"/ca", "c", 0},
                    Mode_Case{"/p 1234", "p", 1234}, Mode_Case{"/p", "p", 0},
                    Mode_Case{"/p $1F", "p", 31}, Mode_Case{"/p 0x1F", "p", 31},
                    Mode_Case{"/p -5", "p", -5}, Mode_Case{"/p $FFFFFFFF", "p", -1},
                    Mode_Case{"/p 0", "p", 0}, Mode_Case{"/a 1234", "a", 1234},
                    Mode_Case{"/A", "a", 0}, Mode_Case{"\"/c\"", "c", 0},
                    Mode_Case{"/p 12 extra words", "p", 12}, Mode_Case{"/P \"\"", "p", 0}));

TEST(Command_Line_Modes, Bad_Window_Number_Stops_Every_Mode) {
    for (const char* line : {"/p abc", "/s abc", "/c abc", "/p 99999999999", "/x 1x"}) {
        const std::string bad = Split_Command_Line(line)[1];
        try {
            Parse_Command_Line(Split_Command_Line(std::string("Q.scr ") + line));
            ADD_FAILURE() << line << ": no error";
        } catch (const ui::Error& error) {
            EXPECT_EQ(error.kind(), ui::Convert_Error_Kind) << line;
            EXPECT_EQ(error.what(), "'" + bad + "' is not a valid integer value") << line;
        }
    }
}

}  // namespace
