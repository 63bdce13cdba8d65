#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "resources/resource_access.h"
#include "resources/resource_ids.h"
#include "resources/resource_names.h"
#include "ui/bitmaps.h"
#include "ui/errors.h"

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}
std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// The header of a bitmap resource: a 40-byte information header, the palette, the rows.
const BITMAPINFOHEADER& Header_Of(std::string_view name) {
    return *reinterpret_cast<const BITMAPINFOHEADER*>(Resource_Bytes(RT_BITMAP, name).data());
}

struct Bitmap_Entry {
    std::string name;
    int width, height, bits;
};

std::vector<Bitmap_Entry> Catalogue_Bitmaps() {
    std::vector<Bitmap_Entry> entries = {
        {std::string(Skin_Frame_Names[0]), 716, 109, 8},
        {std::string(Skin_Frame_Names[1]), 302, 202, 8},
        {std::string(Skin_Frame_Names[2]), 73, 174, 8},
        {std::string(Skin_Frame_Names[3]), 52, 233, 8},
        {std::string(Skin_Frame_Names[4]), 72, 113, 8},
        {std::string(Skin_Bottom_Name), 638, 37, 8},
        {std::string(Ball_Name), 63, 85, 24},
        {std::string(Exit_Image_Names[0]), 35, 28, 8},
        {std::string(Exit_Image_Names[1]), 35, 28, 8},
    };
    for (auto name : Skin_Left_Top_Names)
        entries.push_back({std::string(name), 105, 372, 8});
    for (auto name : Skin_Right_Top_Names)
        entries.push_back({std::string(name), 44, 287, 8});
    for (auto name : Molecula_Names)
        entries.push_back({std::string(name), 100, 85, 24});
    return entries;
}

TEST(Resource_Catalogue, Every_Bitmap_Has_Its_Size_And_Depth_In_Any_Letter_Case) {
    const auto entries = Catalogue_Bitmaps();
    EXPECT_EQ(entries.size(), 27u);
    for (const Bitmap_Entry& entry : entries) {
        for (const std::string& name : {entry.name, Lower(entry.name), Upper(entry.name)}) {
            const BITMAPINFOHEADER& header = Header_Of(name);
            EXPECT_EQ(header.biSize, 40u) << name;
            EXPECT_EQ(header.biWidth, entry.width) << name;
            EXPECT_EQ(header.biHeight, entry.height) << name << " (rows bottom-up)";
            EXPECT_EQ(header.biBitCount, entry.bits) << name;
            EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB)) << name;
        }
        ui::Gdi_Bitmap loaded = Load_Bitmap_Resource(entry.name);
        ASSERT_TRUE(loaded) << entry.name;
        SIZE size = ui::Bitmap_Size(loaded.get());
        EXPECT_EQ(size.cx, entry.width);
        EXPECT_EQ(size.cy, entry.height);
    }
}

TEST(Resource_Catalogue, Misspelt_Bottom_Name_Is_The_Only_Bottom_Bar) {
    EXPECT_NO_THROW(Resource_Bytes(RT_BITMAP, "Title_Botom_Image"));
    try {
        Resource_Bytes(RT_BITMAP, "Title_Bottom_Image");
        FAIL() << "found a bitmap under the usual spelling";
    } catch (const ui::Error& error) {
        EXPECT_EQ(error.kind(), ui::Resource_Error_Kind);
        EXPECT_STREQ(error.what(), "Resource Title_Bottom_Image not found");
    }
    EXPECT_THROW(Load_Bitmap_Resource("Title_Bottom_Image"), ui::Error);
}

TEST(Resource_Catalogue, Screenshots_Are_Baseline_Jfif_Of_Their_Sizes) {
    for (int i = 0; i < Screenshot_Count; ++i) {
        for (auto [prefix, width, height, low, high] :
             {std::tuple{Preview_Screenshot_Prefix, 152, 112, 3750u, 4526u},
              std::tuple{Dialog_Screenshot_Prefix, 286, 215, 14259u, 18800u}}) {
            const std::string name = Screenshot_Name(prefix, i);
            std::span<const std::uint8_t> bytes = Resource_Bytes(Jpeg_Resource_Type, Lower(name));
            ASSERT_GT(bytes.size(), 11u) << name;
            EXPECT_EQ(bytes[0], 0xFF) << name << ": no SOI";
            EXPECT_EQ(bytes[1], 0xD8) << name << ": no SOI";
            EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 11), std::string("JFIF\0", 5))
                << name;
            EXPECT_GE(bytes.size(), low) << name;
            EXPECT_LE(bytes.size(), high) << name;
            Rgb_Image image = Load_Jpeg_Resource(name);
            EXPECT_EQ(image.width, width) << name;
            EXPECT_EQ(image.height, height) << name;
        }
    }
    EXPECT_THROW(Load_Jpeg_Resource("Mini_sshot_6"), ui::Error);
}

TEST(Resource_Catalogue, Outlines_Have_Their_Counts_Bounds_And_End_Vertices) {
    struct Expected {
        std::string_view x_name, y_name;
        int count, max_x, max_y;
        std::vector<std::pair<int, int>> first, last;
    };
    const Expected outlines[] = {
        {Form_Outline_X_Name,
         Form_Outline_Y_Name,
         410,
         789,
         553,
         {{32, 501}, {33, 500}, {32, 499}, {32, 406}},
         {{34, 504}, {33, 503}}},
        {TVOut_Outline_X_Name,
         TVOut_Outline_Y_Name,
         135,
         283,
         238,
         {{48, 238}, {49, 237}, {43, 236}},
         {{272, 237}, {270, 238}}},
    };
    for (const Expected& e : outlines) {
        Outline outline = Read_Outline(e.x_name, e.y_name);
        ASSERT_EQ(outline.count(), e.count) << e.x_name;
        int max_x = 0, max_y = 0, min_x = 1 << 30, min_y = 1 << 30;
        for (const Outline_Point& p : outline.points) {
            max_x = std::max(max_x, p.x), max_y = std::max(max_y, p.y);
            min_x = std::min(min_x, p.x), min_y = std::min(min_y, p.y);
        }
        EXPECT_EQ(min_x, 0) << e.x_name;
        EXPECT_EQ(min_y, 0) << e.y_name;
        EXPECT_EQ(max_x, e.max_x) << e.x_name;
        EXPECT_EQ(max_y, e.max_y) << e.y_name;
        for (std::size_t i = 0; i < e.first.size(); ++i) {
            EXPECT_EQ(std::make_pair(outline.points[i].x, outline.points[i].y), e.first[i])
                << e.x_name << " vertex " << i;
        }
        for (std::size_t i = 0; i < e.last.size(); ++i) {
            const auto& p = outline.points[outline.points.size() - e.last.size() + i];
            EXPECT_EQ(std::make_pair(p.x, p.y), e.last[i]) << e.x_name << " end vertex " << i;
        }
    }
}

TEST(Resource_Catalogue, Outline_Texts_Keep_Their_Line_Break_Conventions) {
    for (auto [name, final_break] :
         {std::pair{Form_Outline_X_Name, false}, std::pair{Form_Outline_Y_Name, false},
          std::pair{TVOut_Outline_X_Name, true}, std::pair{TVOut_Outline_Y_Name, true}}) {
        std::span<const std::uint8_t> bytes = Resource_Bytes(Points_Resource_Type, name);
        ASSERT_GE(bytes.size(), 2u);
        const bool ends_with_break = bytes[bytes.size() - 2] == '\r' && bytes.back() == '\n';
        EXPECT_EQ(ends_with_break, final_break) << name;
    }
}

TEST(Resource_Catalogue, String_Table_Entries) {
    EXPECT_EQ(Load_Resource_String(IDS_HELP_PAGE), "help.html");
    EXPECT_EQ(Load_Resource_String(IDS_ENGINE_SETTINGS_FILE), "Controls.cfg");
    EXPECT_EQ(Load_Resource_String(IDS_DIALOG_SETTINGS_FILE), "ControlsAdj.cfg");
    EXPECT_EQ(Load_Resource_String(65237), "");
}

TEST(Resource_Catalogue, Icon_Manifest_And_Description) {
    // The icon group: a 6-byte header, then one 14-byte entry per image.
    std::span<const std::uint8_t> group = Resource_Bytes(RT_GROUP_ICON, "MainIcon");
    ASSERT_GE(group.size(), 6u);
    const int count = group[4] | (group[5] << 8);
    ASSERT_EQ(count, 6);
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::vector<std::pair<int, int>> images;  // size, bits
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* entry = group.data() + 6 + 14 * i;
        const int size = entry[0] == 0 ? 256 : entry[0];
        images.emplace_back(size, entry[6] | (entry[7] << 8));
    }
    std::sort(images.begin(), images.end());
    EXPECT_EQ(images, (std::vector<std::pair<int, int>>{
                          {16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 32}, {128, 32}}));

    std::span<const std::uint8_t> manifest = Resource_Bytes(RT_MANIFEST, "#1");
    const std::string xml(manifest.begin(), manifest.end());
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("6595b64144ccf1df"), std::string::npos);
    EXPECT_EQ(xml.find("requestedExecutionLevel"), std::string::npos);

    std::span<const std::uint8_t> description = Resource_Bytes(RT_RCDATA, "Description");
    std::string ascii;
    for (std::size_t i = 0; i + 1 < description.size(); i += 2) {
        ASSERT_EQ(description[i + 1], 0) << "not UTF-16 ASCII at " << i;
        ascii += static_cast<char>(description[i]);
    }
    EXPECT_EQ(ascii.rfind("SCREENSAVER DESCRIPTION : ", 0), 0u) << ascii;
}

}  // namespace
