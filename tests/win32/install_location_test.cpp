#include "app/install_location.h"

#include <gtest/gtest.h>

#include "app/startup_values.h"
#include "registry_fixture.h"

namespace {

class Install_Location : public testing::Test {
  protected:
    Install_Key_Fixture registry_;

    static std::pair<std::string, std::string> Dirs() {
        Set_Install_Dirs();
        return {Install_Dir, Info_Dir};
    }
};

TEST_F(Install_Location, String_Values_Get_One_Backslash_More) {
    struct Case {
        std::string value;
        DWORD type;
        std::string install;
    };
    const Case cases[] = {
        {"C:\\Savers\\Q", REG_SZ, "C:\\Savers\\Q\\"},
        {"C:\\Savers\\Q\\", REG_SZ, "C:\\Savers\\Q\\\\"},
        {"", REG_SZ, "\\"},
        {"%ProgramFiles%\\Q", REG_EXPAND_SZ, "%ProgramFiles%\\Q\\"},
    };
    for (const Case& c : cases) {
        registry_.Set_Text(c.value, c.type);
        auto [install, info] = Dirs();
        EXPECT_EQ(install, c.install) << c.value;
        EXPECT_EQ(info, c.install + "Info\\") << c.value;
    }
}

TEST_F(Install_Location, Missing_Or_Unusable_Value_Gives_The_Fall_Back) {
    const std::string fallback = "h:\\all-Quelvar-inst\\";

    registry_.Delete_Value();
    EXPECT_EQ(Dirs(), std::make_pair(fallback, fallback + "Info\\")) << "value absent";

    const DWORD number = 42;
    registry_.Set_Raw(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Dirs().first, fallback) << "REG_DWORD";

    const BYTE blob[] = {'C', ':', '\\'};
    registry_.Set_Raw(REG_BINARY, blob, sizeof blob);
    EXPECT_EQ(Dirs().first, fallback) << "REG_BINARY";

    Install_Key_Fixture::Delete_Key();
    EXPECT_EQ(Dirs().first, fallback) << "key absent";
}

TEST_F(Install_Location, Long_Value_Is_Read_Whole) {
    std::string value = "C:\\";
    for (int i = 0; value.size() < 6000; ++i)
        value += "folder" + std::to_string(i) + "\\";
    value += "end";
    registry_.Set_Text(value);
    EXPECT_EQ(Read_Install_Path(), value + "\\");
}

TEST_F(Install_Location, Unterminated_Value_Is_Read_Without_Overrun) {
    const char raw[] = {'D', ':', '\\', 'Q'};  // stored without a terminating zero
    registry_.Set_Raw(REG_SZ, raw, sizeof raw);
    EXPECT_EQ(Read_Install_Path(), "D:\\Q\\");
}

TEST(Links, Product_And_Support_Addresses_Are_Set) {
    Make_Links();
    EXPECT_TRUE(Product_Page_URL.ends_with("/quelvar-screensaver.shtml")) << Product_Page_URL;
    EXPECT_TRUE(Support_URL.ends_with("/support.shtml")) << Support_URL;
    EXPECT_EQ(Product_Page_URL.substr(0, Product_Page_URL.size() - 25),
              Support_URL.substr(0, Support_URL.size() - 13));
}

}  // namespace
