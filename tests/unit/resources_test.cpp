#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "resources/jpeg_decoder.h"
#include "resources/points_list.h"
#include "ui/errors.h"

namespace {

using Lines = std::vector<std::string>;

TEST(Points_Text, Splits_On_Any_Line_Break_Without_An_Empty_Last_Line) {
    EXPECT_EQ(Split_Lines("1\r\n2\r\n3"), (Lines{"1", "2", "3"}));
    EXPECT_EQ(Split_Lines("1\r\n2\r\n3\r\n"), (Lines{"1", "2", "3"}));
    EXPECT_EQ(Split_Lines("1\r2\n3\r\n4"), (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(Split_Lines("1\n\n2"), (Lines{"1", "", "2"}));
    EXPECT_EQ(Split_Lines("1\n\r2"), (Lines{"1", "", "2"}));  // LF then CR: two breaks
    EXPECT_EQ(Split_Lines(""), Lines{});
    EXPECT_EQ(Split_Lines("\r\n"), Lines{""});
}

TEST(Points_Text, Keeps_File_Order_And_Rejects_What_Is_Not_A_Number) {
    EXPECT_EQ(Parse_Points_List("32\r\n33\r\n32\r\n406"),
              (std::vector<std::int32_t>{32, 33, 32, 406}));
    EXPECT_EQ(Parse_Points_List("9\r\n1\r\n5\r\n"), (std::vector<std::int32_t>{9, 1, 5}));

    struct Bad {
        const char* text;
        const char* message;
    };
    for (const Bad& bad : {Bad{"1\r\n\r\n2", "'' is not a valid integer value"},
                           Bad{"1\r\n7a\r\n", "'7a' is not a valid integer value"},
                           Bad{"12 \r\n", "'12 ' is not a valid integer value"},
                           Bad{"99999999999", "'99999999999' is not a valid integer value"}}) {
        try {
            Parse_Points_List(bad.text);
            ADD_FAILURE() << "accepted " << bad.text;
        } catch (const ui::Error& error) {
            EXPECT_STREQ(error.what(), bad.message);
        }
    }
}

TEST(Outline_Lists, Pair_Line_I_Of_Each_List) {
    Outline outline = Make_Outline({1, 2, 3}, {4, 5, 6}, "X", "Y");
    ASSERT_EQ(outline.count(), 3);
    EXPECT_EQ(outline.points[2].x, 3);
    EXPECT_EQ(outline.points[2].y, 6);
}

TEST(Outline_Lists, Too_Long_Or_Unequal_Lists_Are_Refused_Not_Overrun) {
    const std::vector<std::int32_t> full(Outline_Capacity, 1);
    EXPECT_EQ(Make_Outline(full, full, "X", "Y").count(), 5001);

    const std::vector<std::int32_t> over(Outline_Capacity + 1, 1);
    for (auto [xs, ys] : {std::pair{over, over}, std::pair{full, over}, std::pair{over, full}}) {
        try {
            Make_Outline(xs, ys, "pApp_X", "pApp_Y");
            ADD_FAILURE() << "accepted a list of more than 5001 points";
        } catch (const ui::Error& error) {
            EXPECT_EQ(error.kind(), ui::Outline_Error_Kind);
            EXPECT_NE(std::string(error.what()).find("5002 points; at most 5001"),
                      std::string::npos)
                << error.what();
        }
    }
    try {
        Make_Outline({1, 2, 3}, {1, 2}, "pTVOut_X", "pTVOut_Y");
        ADD_FAILURE() << "accepted lists of unequal length";
    } catch (const ui::Error& error) {
        EXPECT_STREQ(error.what(),
                     "Outline lists pTVOut_X and pTVOut_Y differ in length (3 and 2)");
    }
}

std::vector<std::uint8_t> Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Screenshots, Every_Jpeg_Decodes_To_Its_Size) {
    for (int i = 0; i < 6; ++i) {
        for (auto [prefix, width, height] :
             {std::tuple{"MINI_SSHOT_", 152, 112}, std::tuple{"MYSCR_SSHOT_", 286, 215}}) {
            const std::string path = std::string(QUELVAR_SOURCE_DIR) + "/resources/art/" + prefix +
                                     std::to_string(i) + ".jpg";
            const std::vector<std::uint8_t> bytes = Read_File(path);
            ASSERT_FALSE(bytes.empty()) << path;
            Rgb_Image image = Decode_Jpeg(bytes);
            EXPECT_EQ(image.width, width) << path;
            EXPECT_EQ(image.height, height) << path;
            EXPECT_EQ(image.rgb.size(), static_cast<std::size_t>(width * height * 3)) << path;
        }
    }
}

TEST(Screenshots, Garbage_Raises_A_Jpeg_Error) {
    const std::vector<std::uint8_t> garbage(100, 0x42);
    try {
        Decode_Jpeg(garbage);
        FAIL() << "decoded garbage";
    } catch (const ui::Error& error) {
        EXPECT_EQ(error.kind(), ui::Jpeg_Error_Kind);
        EXPECT_EQ(std::string(error.what()).rfind("JPEG error #", 0), 0u) << error.what();
    }
    EXPECT_THROW(Decode_Jpeg(std::span<const std::uint8_t>()), ui::Error);
}

}  // namespace
