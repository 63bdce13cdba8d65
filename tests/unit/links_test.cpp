#include "app/links.h"

#include <gtest/gtest.h>

#include "app/startup_texts.h"

namespace {

TEST(Page_Slug, Hyphens_For_Blanks_And_Lower_Case_For_A_To_Z_Only) {
    EXPECT_EQ(Page_Slug("Quelvar ScreenSaver"), "quelvar-screensaver");
    EXPECT_EQ(Page_Slug("Two  Blanks"), "two--blanks");
    EXPECT_EQ(Page_Slug("Tab\tStays"), "tab\tstays");
    EXPECT_EQ(Page_Slug("\xC4\xD6 ÄÖ 123"), "\xC4\xD6-ÄÖ-123");
    EXPECT_EQ(Page_Slug(""), "");
}

TEST(Links, Product_And_Support_Pages_Sit_Under_The_Site) {
    ASSERT_EQ(Site_URL.back(), '/');
    EXPECT_EQ(Product_Page_For(Site_URL, Application_Title),
              std::string(Site_URL) + "quelvar-screensaver.shtml");
    EXPECT_EQ(Support_Page_For(Site_URL), std::string(Site_URL) + "support.shtml");
}

TEST(Install_Dirs, Registry_Answer_Or_Fall_Back) {
    struct Case {
        const char* value;  // nullptr: no usable value
        const char* install;
        const char* info;
    };
    const Case cases[] = {
        {"C:\\Savers\\Q", "C:\\Savers\\Q\\", "C:\\Savers\\Q\\Info\\"},
        {"C:\\Savers\\Q\\", "C:\\Savers\\Q\\\\", "C:\\Savers\\Q\\\\Info\\"},
        {"", "\\", "\\Info\\"},
        {"%ProgramFiles%\\Q", "%ProgramFiles%\\Q\\", "%ProgramFiles%\\Q\\Info\\"},
        {nullptr, "h:\\all-Quelvar-inst\\", "h:\\all-Quelvar-inst\\Info\\"},
    };
    for (const Case& c : cases) {
        std::string read = c.value ? Install_Path_From_Value(c.value) : std::string();
        std::string install = Install_Dir_From(read);
        EXPECT_EQ(install, c.install);
        EXPECT_EQ(Info_Dir_For(install), c.info);
    }
}

}  // namespace
