#include "ui/integer_text.h"

#include <gtest/gtest.h>

#include "ui/errors.h"

namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> value;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class Integer_Text : public testing::TestWithParam<Case> {};

TEST_P(Integer_Text, Converts_By_The_Rules) {
    EXPECT_EQ(ui::Try_Str_To_Int(GetParam().text), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, Integer_Text,
    testing::Values(Case{"0", 0}, Case{"1234", 1234}, Case{"-5", -5}, Case{"+17", 17},
                    Case{"  42", 42}, Case{"007", 7}, Case{"-0", 0}, Case{"2147483647", 2147483647},
                    Case{"-2147483648", INT32_MIN}, Case{"2147483648", std::nullopt},
                    Case{"-2147483649", std::nullopt}, Case{"99999999999", std::nullopt},
                    Case{"000000000000000000001", 1}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, Integer_Text,
                         testing::Values(Case{"$1F", 31}, Case{"0x1F", 31}, Case{"0X1f", 31},
                                         Case{"x1F", 31}, Case{"X1F", 31}, Case{"$FFFFFFFF", -1},
                                         Case{"$7FFFFFFF", INT32_MAX}, Case{"$80000000", INT32_MIN},
                                         Case{"-$1", -1}, Case{"-$FFFFFFFF", 1}, Case{"+0x10", 16},
                                         Case{" $a", 10}, Case{"$00000001", 1},
                                         Case{"$100000000", std::nullopt}, Case{"$", std::nullopt},
                                         Case{"0x", std::nullopt}, Case{"$G", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Rejected, Integer_Text,
                         testing::Values(Case{"", std::nullopt}, Case{" ", std::nullopt},
                                         Case{"abc", std::nullopt}, Case{"12 ", std::nullopt},
                                         Case{"12a", std::nullopt}, Case{"-", std::nullopt},
                                         Case{"+", std::nullopt}, Case{"--1", std::nullopt},
                                         Case{"1.5", std::nullopt}, Case{"\t1", std::nullopt},
                                         Case{"- 1", std::nullopt}, Case{"0x-1", std::nullopt},
                                         Case{"fast", std::nullopt}));

TEST(Integer_Text, Bad_Text_Raises_The_Conversion_Error_Quoting_It) {
    try {
        ui::Str_To_Int("abc");
        FAIL() << "no error raised";
    } catch (const ui::Error& error) {
        EXPECT_EQ(error.kind(), ui::Convert_Error_Kind);
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
        EXPECT_NE(error.address(), nullptr);
    }
}

TEST(Integer_Text, Embedded_Nul_Is_Not_A_Digit) {
    EXPECT_EQ(ui::Try_Str_To_Int(std::string_view("12\0"
                                                  "3",
                                                  4)),
              std::nullopt);
}

}  // namespace
