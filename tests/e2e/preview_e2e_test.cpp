#include <gtest/gtest.h>

#include <memory>

#include "driver.h"
#include "test_windows.h"

namespace {

using namespace e2e;

constexpr const char* Preview_Class = "Module Preview Window";

// Hosts like the Display Properties monitor: a child control of a dialog-like window. This one
// has a sunken edge, so that its client area differs from its outer rectangle.
constexpr DWORD Dialog_Style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
constexpr RECT Dialog_Outer = {200, 150, 600, 450};
constexpr DWORD Host_Style = WS_CHILD | WS_VISIBLE;
constexpr DWORD Host_Ex_Style = WS_EX_CLIENTEDGE;
constexpr RECT Host_Outer = {40, 30, 232, 174};

class Preview : public testing::Test {
  protected:
    // Shared: without a window manager, Wine takes two seconds to take a top-level window off
    // the screen.
    static void SetUpTestSuite() {
        dialog_ = std::make_unique<Test_Window>("Display Properties", Dialog_Style, Dialog_Outer);
    }
    static void TearDownTestSuite() { dialog_.reset(); }

    static inline std::unique_ptr<Test_Window> dialog_;
    Test_Window host_{"", Host_Style, Host_Outer, dialog_->get(), Host_Ex_Style};
};

// Under Wine the host's end reaches a child in another process only seconds later; the saver
// has to notice by itself, within its 100 ms tick and the process's teardown.
constexpr auto Prompt_End = 1500ms;

// The preview window once it is shown: its creation and its showing are separate steps.
HWND Wait_Preview_Child(HWND host) {
    HWND child = nullptr;
    Pump_Until(
        [&] {
            child = FindWindowExA(host, nullptr, Preview_Class, nullptr);
            return child != nullptr && IsWindowVisible(child);
        },
        10s);
    return child;
}

RECT Client_On_Screen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

void Expect_Same_Rect(const RECT& actual, const RECT& expected, const char* what) {
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

TEST_F(Preview, Child_Fills_The_Host_Client_Area_And_Ends_With_The_Host) {
    Test_Window& host = host_;
    ASSERT_TRUE(host.get());
    Saver_Process saver("/p " + Window_Number(host.get()));
    ASSERT_TRUE(saver.handle()) << "could not start " << Saver_Path();

    HWND child = Wait_Preview_Child(host.get());
    ASSERT_TRUE(child) << "no preview window in the host";

    DWORD owner = 0;
    GetWindowThreadProcessId(child, &owner);
    EXPECT_EQ(owner, saver.id());
    EXPECT_EQ(Window_Text(child), "NO NAME");
    EXPECT_EQ(GetAncestor(child, GA_PARENT), host.get());
    const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    EXPECT_EQ(style & 0xFFFF0000u, WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_MAXIMIZE)
        << std::hex << style;
    const auto ex_style = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
    EXPECT_TRUE(ex_style & WS_EX_TOOLWINDOW) << std::hex << ex_style;
    RECT child_rect{};
    GetWindowRect(child, &child_rect);
    Expect_Same_Rect(child_rect, Client_On_Screen(host.get()), "child against host client");

    // It keeps painting until the host goes.
    Pump_Messages(700ms);
    ASSERT_TRUE(saver.Running());

    const auto destroyed = std::chrono::steady_clock::now();
    host.Destroy();
    EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
    EXPECT_LT(Seconds_Since(destroyed), std::chrono::duration<double>(Prompt_End).count())
        << "seconds from the host's end to the saver's";
}

TEST_F(Preview, Closing_The_Preview_Window_Ends_The_Process) {
    Test_Window& host = host_;
    Saver_Process saver("/p " + Window_Number(host.get()));
    HWND child = Wait_Preview_Child(host.get());
    ASSERT_TRUE(child);
    Pump_Messages(300ms);

    const auto closed = std::chrono::steady_clock::now();
    PostMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
    EXPECT_LT(Seconds_Since(closed), std::chrono::duration<double>(Prompt_End).count())
        << "seconds from WM_CLOSE to the saver's end";
    EXPECT_TRUE(IsWindow(host.get())) << "the host is not the saver's to end";
}

TEST_F(Preview, Without_A_Live_Host_Ends_At_Once_With_Code_0) {
    HWND gone = host_.get();
    host_.Destroy();
    ASSERT_FALSE(IsWindow(gone));
    for (const std::string& line : {"/p " + Window_Number(gone), std::string("/p -2")}) {
        Saver_Process saver(line);
        EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u) << line;
    }
}

}  // namespace
