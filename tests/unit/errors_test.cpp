#include "ui/errors.h"

#include <gtest/gtest.h>

namespace {

TEST(Error_Report, Names_Kind_Module_Address_Then_Message_With_Full_Stop) {
    EXPECT_EQ(ui::Format_Error_Report("EConvertError", "Quelvar.scr", 0x1A2B,
                                      "'abc' is not a valid integer value"),
              "Exception EConvertError in module Quelvar.scr at 00001A2B.\n"
              "'abc' is not a valid integer value.");
}

TEST(Error_Report, Full_Stop_Is_Not_Doubled) {
    EXPECT_EQ(ui::With_Full_Stop("Unable to write to C:\\x."), "Unable to write to C:\\x.");
    EXPECT_EQ(ui::With_Full_Stop("Unable to write to C:\\x"), "Unable to write to C:\\x.");
    EXPECT_EQ(ui::With_Full_Stop(""), ".");
}

}  // namespace
