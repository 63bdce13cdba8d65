#include <gtest/gtest.h>

#include <cctype>

#include "driver.h"

namespace {

using namespace e2e;

TEST(Startup, Modes_Without_Their_Windows_Yet_End_At_Once_With_Code_0) {
    // Full-screen lines start the scene engine and wait for it: see the launcher's own tests.
    // The configuration lines open the settings dialog: see the dialog's own tests.
    for (const char* line : {"/p", "/p 0"}) {
        Saver_Process saver(line);
        ASSERT_TRUE(saver.handle()) << "could not start " << Saver_Path();
        EXPECT_EQ(saver.Wait_Exit(10s), 0u) << "command line: " << line;
    }
}

struct Bad_Number {
    const char* command_line;
    const char* quoted;
};

class Startup_Bad_Window_Number : public testing::TestWithParam<Bad_Number> {};

TEST_P(Startup_Bad_Window_Number, Reports_The_Error_And_Ends_With_Code_1) {
    Saver_Process saver(GetParam().command_line);
    HWND box = saver.Find_Window("Application Error", 10s);
    ASSERT_TRUE(box) << "no error box for " << GetParam().command_line;

    const std::string text = Message_Box_Text(box);
    EXPECT_NE(text.find("EConvertError"), std::string::npos) << text;
    EXPECT_NE(text.find("in module Quelvar.scr at "), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("'") + GetParam().quoted + "' is not a valid integer value."),
              std::string::npos)
        << text;
    for (HWND window : saver.Top_Level_Windows()) {
        EXPECT_TRUE(window == box || !IsWindowVisible(window))
            << "a mode started beside the error box: " << Class_Name(window);
    }

    Press_Ok(box);
    EXPECT_EQ(saver.Wait_Exit(10s), 1u);
}

INSTANTIATE_TEST_SUITE_P(Edge_Cases, Startup_Bad_Window_Number,
                         testing::Values(Bad_Number{"/p abc", "abc"}, Bad_Number{"/s abc", "abc"},
                                         Bad_Number{"/c abc", "abc"},
                                         Bad_Number{"/p 99999999999", "99999999999"},
                                         Bad_Number{"/p $123456789", "$123456789"},
                                         Bad_Number{"/a 12x", "12x"}),
                         [](const testing::TestParamInfo<Bad_Number>& info) {
                             return "case_" + std::to_string(info.index);
                         });

TEST(Password_Change, Calls_The_System_Service_With_The_Owner_Window) {
    // Wine's password service is a stub that logs its arguments on the mpr channel.
    Saver_Process saver("/a 1234");
    EXPECT_EQ(saver.Wait_Exit(10s), 0u);
    std::string log = saver.Wine_Debug_Output();
    for (char& c : log)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(log.find("pwdchangepassworda"), std::string::npos) << log;
    EXPECT_NE(log.find("scrsave"), std::string::npos) << log;
    EXPECT_NE(log.find("4d2"), std::string::npos) << "owner window 1234 not passed: " << log;
}

TEST(Password_Change, Without_A_Window_Number_Reports_The_Empty_Text) {
    Saver_Process saver("/a");
    HWND box = saver.Find_Window("Application Error", 10s);
    ASSERT_TRUE(box);
    EXPECT_NE(Message_Box_Text(box).find("'' is not a valid integer value."), std::string::npos)
        << Message_Box_Text(box);
    Press_Ok(box);
    EXPECT_EQ(saver.Wait_Exit(10s), 1u);
}

}  // namespace
