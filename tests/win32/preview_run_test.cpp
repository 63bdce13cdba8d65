#include <gtest/gtest.h>

#include <chrono>

#include "app/startup_values.h"
#include "saver/preview.h"
#include "saver/saver_constants.h"
#include "saver/saver_loop.h"
#include "saver_test_canvas.h"

namespace {

using Clock = std::chrono::steady_clock;
using saver_test::Describe;

// A host of the test's own runs on the preview's own thread, so the test acts from thread
// timers that the preview's loop dispatches.
struct Scripted_Run {
    HWND host = nullptr;
    std::vector<std::vector<COLORREF>> seen;      // preview pixels at each look
    std::vector<std::vector<COLORREF>> expected;  // the same points of the screenshot, painted
    bool closed_window_exists = false;
    bool closed_window_painting = false;
    Clock::time_point ended_at{};
};
Scripted_Run Script;

std::vector<POINT> Sample_Points() {
    std::vector<POINT> points;
    for (int y = 1; y < Preview_Dest_Rect.bottom; y += 9) {
        for (int x = 1; x < Preview_Dest_Rect.right; x += 11)
            points.push_back({x, y});
    }
    return points;
}

// What the paint step makes of the loaded screenshot, on a bitmap of the test's own.
std::vector<COLORREF> Reference_Pixels(const std::vector<POINT>& points) {
    ui::Window_Dc screen(nullptr);
    ui::Memory_Dc dc(CreateCompatibleDC(screen.get()));
    ui::Gdi_Bitmap bitmap(
        CreateCompatibleBitmap(screen.get(), Preview_Dest_Rect.right, Preview_Dest_Rect.bottom));
    ui::Selected_Object picked(dc.get(), bitmap.get());
    Paint_Preview_Picture(dc.get(), Preview_Bitmap, Preview_Dest_Rect, Preview_Source_Rect);
    std::vector<COLORREF> colours;
    for (const POINT& point : points)
        colours.push_back(GetPixel(dc.get(), point.x, point.y));
    return colours;
}

void Look() {
    const std::vector<POINT> points = Sample_Points();
    Script.seen.push_back(saver_test::Read_Pixels(Preview_Window, points));
    Script.expected.push_back(Reference_Pixels(points));
}

void CALLBACK Look_Then_Blank(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Look();
    // As if something had covered the window and gone away again, leaving it unpainted.
    ui::Window_Dc dc(Preview_Window);
    RECT all{};
    GetClientRect(Preview_Window, &all);
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void CALLBACK Look_Then_End_Host(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Look();
    Script.ended_at = Clock::now();
    DestroyWindow(Script.host);
}

void CALLBACK Close_Preview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Script.ended_at = Clock::now();
    SendMessageA(Preview_Window, WM_CLOSE, 0, 0);
    Script.closed_window_exists = IsWindow(Preview_Window);
    // Killing a timer that is still set succeeds.
    Script.closed_window_painting = KillTimer(Preview_Window, Preview_Timer_Id);
}

void CALLBACK Give_Up(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
}

class Preview_Run : public testing::Test {
  protected:
    void SetUp() override {
        Script = {};
        host_ = saver_test::Make_Canvas(20, 20, 152, 112);
        Script.host = host_.get();
        Host_Window = HandleToLong(host_.get());
        // However a test goes wrong, the run ends.
        SetTimer(nullptr, 0, 10000, &Give_Up);
    }

    double Seconds_Since_End() const {
        return std::chrono::duration<double>(Clock::now() - Script.ended_at).count();
    }

    ui::Window host_;
};

TEST_F(Preview_Run, Paints_The_Screenshot_Into_The_Host_And_Repaints_Within_A_Tick) {
    SetTimer(nullptr, 0, 400, &Look_Then_Blank);
    // Blanked at 400 ms: by 560 ms at least one tick has painted again.
    SetTimer(nullptr, 0, 560, &Look_Then_End_Host);
    Run_Preview();

    EXPECT_LT(Seconds_Since_End(), 0.5) << "seconds from the host's end to the mode's";
    EXPECT_FALSE(IsWindow(Preview_Window));
    ASSERT_EQ(Script.seen.size(), 2u);
    EXPECT_EQ(Preview_Dest_Rect.right, 152);
    EXPECT_EQ(Preview_Dest_Rect.bottom, 112);
    for (std::size_t look = 0; look < Script.seen.size(); ++look) {
        int differences = 0;
        for (std::size_t i = 0; i < Script.seen[look].size(); ++i) {
            if (Script.seen[look][i] != Script.expected[look][i] && ++differences <= 3) {
                ADD_FAILURE() << "look " << look << ", sample " << i << ": "
                              << Describe(Script.seen[look][i]) << " instead of "
                              << Describe(Script.expected[look][i]);
            }
        }
    }
}

TEST_F(Preview_Run, Close_Stops_The_Painting_At_Once_And_Leaves_The_Window) {
    SetTimer(nullptr, 0, 300, &Close_Preview);
    Run_Preview();

    EXPECT_LT(Seconds_Since_End(), 0.5) << "seconds from WM_CLOSE to the mode's end";
    EXPECT_TRUE(Script.closed_window_exists) << "closing is not destroying";
    EXPECT_FALSE(Script.closed_window_painting) << "the paint timer still ran";
    EXPECT_TRUE(IsWindow(host_.get()));
}

TEST_F(Preview_Run, A_Tick_That_Finds_The_Host_Gone_Ends_The_Loop) {
    Saver_Quit = false;
    Paint_Preview_Tick();
    EXPECT_FALSE(Saver_Quit) << "the host is still there";

    host_.reset();
    Paint_Preview_Tick();
    EXPECT_TRUE(Saver_Quit);
    saver_test::Flush_Events();
    Saver_Quit = false;
}

TEST_F(Preview_Run, Without_A_Host_Returns_At_Once_And_Makes_No_Window) {
    const std::int32_t gone = HandleToLong(host_.get());
    host_.reset();
    for (std::int32_t number : {std::int32_t{0}, gone}) {
        Host_Window = number;
        const auto start = Clock::now();
        Run_Preview();
        EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 0.5) << number;
        EXPECT_FALSE(FindWindowA(Preview_Class_Name, nullptr)) << number;
    }
}

}  // namespace
