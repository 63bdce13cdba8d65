#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <memory>

#include "driver.h"
#include "stand_in_engine.h"
#include "test_windows.h"
#include "tests/win32/registry_fixture.h"

namespace {

using namespace e2e;

constexpr const char* Launcher_Class = "ScreenSaver FullScreen Window";

// The watch looks once a second and the loop sees its verdict with the next tick.
constexpr double Watch_End_Seconds = 2.0 + 1.0;  // with a second of slack under Wine
// A close or a quit ends the loop at once.
constexpr double Prompt_End_Seconds = 1.5;

std::string Engine_Install_Dir() {
    return Build_Dir() + "tests\\e2e\\engine_install";
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Without_Trailing_Backslash(std::string path) {
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

struct Engine_Plan {
    int show_after_ms = 0;
    int keep_ms = 3000;
};

// Full screen with the stand-in engine in a test install directory that the registry names for
// the duration of one test.
class Launcher : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetFileAttributesA((Engine_Install_Dir() + "\\korun.exe").c_str()) &
                      FILE_ATTRIBUTE_DIRECTORY,
                  0u)
            << "stand-in engine not built in " << Engine_Install_Dir();
        Use_Install_Dir(Engine_Install_Dir());
        DeleteFileA(Report_Path().c_str());
        Write_Settings();
        Bring_Desktop_To_Front();
    }

    // Shared: without a window manager, Wine takes two seconds to take a top-level window off
    // the screen.
    static void SetUpTestSuite() {
        desktop_ = std::make_unique<Test_Window>(
            "Desktop stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{600, 400, 900, 600});
    }
    static void TearDownTestSuite() { desktop_.reset(); }

    // The window that is in front before the saver starts, as on a real desktop.
    static void Bring_Desktop_To_Front() {
        SetForegroundWindow(desktop_->get());
        Pump_Messages(100ms);
    }

    void TearDown() override {
        // An engine outlives its launcher by design; a test does not leave one behind.
        for (HWND engine : Windows_Of_Class(stand_in::Window_Class))
            PostMessageA(engine, WM_CLOSE, 0, 0);
        Pump_Until([] { return Windows_Of_Class(stand_in::Window_Class).empty(); }, 5s);
    }

    void Use_Install_Dir(const std::string& directory) {
        install_dir_ = directory;
        registry_.Set_Text(directory);
    }

    std::string Report_Path() const { return Engine_Install_Dir() + "\\" + stand_in::Report_File; }

    void Plan(Engine_Plan plan) {
        const std::string file = Engine_Install_Dir() + "\\" + stand_in::Plan_File;
        WritePrivateProfileStringA(stand_in::Plan_Section, stand_in::Show_After_Key,
                                   std::to_string(plan.show_after_ms).c_str(), file.c_str());
        WritePrivateProfileStringA(stand_in::Plan_Section, stand_in::Keep_Key,
                                   std::to_string(plan.keep_ms).c_str(), file.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    }

    // Values no default would give, so that the report shows the file was read.
    static constexpr const char* Settings_Values[] = {"1", "0", "1", "0", "73", "3"};

    void Write_Settings() {
        std::ofstream file(Engine_Install_Dir() + "\\" + stand_in::Settings_File,
                           std::ios::binary | std::ios::trunc);
        file << "[" << stand_in::Settings_Section << "]\r\n";
        for (std::size_t i = 0; i < std::size(stand_in::Settings_Keys); ++i)
            file << stand_in::Settings_Keys[i] << "=" << Settings_Values[i] << "\r\n";
    }

    std::string Report(const char* section, const char* key) const {
        char value[2048] = {};
        GetPrivateProfileStringA(section, key, "<no report>", value, sizeof value,
                                 Report_Path().c_str());
        return value;
    }

    bool Engine_Started() const {
        return GetFileAttributesA(Report_Path().c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    static HWND Launcher_Window(const Saver_Process& saver) {
        HWND found = nullptr;
        Pump_Until(
            [&] {
                auto windows = Process_Windows_Of_Class(saver.id(), Launcher_Class);
                found = windows.empty() ? nullptr : windows.front();
                return found != nullptr;
            },
            10s);
        return found;
    }

    static HWND Engine_Window() {
        auto windows = Windows_Of_Class(stand_in::Window_Class);
        return windows.empty() ? nullptr : windows.front();
    }

    static inline std::unique_ptr<Test_Window> desktop_;
    Install_Key_Fixture registry_;
    std::string install_dir_;
};

TEST_F(Launcher, Stays_While_The_Engine_Is_In_Front_And_Ends_After_It) {
    Plan({.show_after_ms = 0, .keep_ms = 5000});
    Saver_Process saver("/s");
    HWND launcher = Launcher_Window(saver);
    ASSERT_TRUE(launcher);

    HWND engine = nullptr;
    ASSERT_TRUE(Pump_Until([&] { return (engine = Engine_Window()) != nullptr; }, 10s));
    Pump_Messages(500ms);
    EXPECT_EQ(GetForegroundWindow(), engine) << "the stand-in could not take the foreground";

    // Invisible: a hidden, disabled popup of no size, and nothing else of the saver on screen.
    EXPECT_EQ(Window_Text(launcher), "NO NAME");
    const auto style = static_cast<DWORD>(GetWindowLongA(launcher, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_DISABLED | WS_VISIBLE), WS_POPUP | WS_DISABLED)
        << std::hex << style;
    RECT rect{};
    GetWindowRect(launcher, &rect);
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_EQ(rect.bottom - rect.top, 0);
    for (HWND window : saver.Top_Level_Windows())
        EXPECT_FALSE(IsWindowVisible(window)) << Class_Name(window);

    // Past the start wait and a few ticks: the engine is still in front, so the launcher stays.
    Pump_Messages(3500ms);
    EXPECT_TRUE(saver.Running());

    ASSERT_TRUE(Pump_Until([] { return Engine_Window() == nullptr; }, 10s));
    const auto engine_gone = std::chrono::steady_clock::now();
    EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
    EXPECT_LT(Seconds_Since(engine_gone), Watch_End_Seconds)
        << "seconds from the engine's end to the launcher's";

    // Started from the install directory, with nothing on its command line, reading the
    // settings file there.
    EXPECT_EQ(Lowered(Without_Trailing_Backslash(Report(stand_in::Report_Section, "working_dir"))),
              Lowered(install_dir_));
    EXPECT_EQ(Report(stand_in::Report_Section, "arguments"), "");
    for (std::size_t i = 0; i < std::size(stand_in::Settings_Keys); ++i) {
        EXPECT_EQ(Report(stand_in::Report_Controls_Section, stand_in::Settings_Keys[i]),
                  Settings_Values[i])
            << stand_in::Settings_Keys[i];
    }
}

TEST_F(Launcher, Engine_Coming_Up_After_The_Wait_Ends_The_Launcher_But_Keeps_Running) {
    Plan({.show_after_ms = 4000, .keep_ms = 8000});
    Saver_Process saver("/s");
    ASSERT_TRUE(Launcher_Window(saver));

    HWND engine = nullptr;
    ASSERT_TRUE(Pump_Until([&] { return (engine = Engine_Window()) != nullptr; }, 15s));
    const auto engine_shown = std::chrono::steady_clock::now();
    EXPECT_TRUE(saver.Running()) << "the launcher ended before the engine came up";

    EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
    EXPECT_LT(Seconds_Since(engine_shown), Watch_End_Seconds)
        << "seconds from the engine's showing to the launcher's end";
    EXPECT_TRUE(IsWindow(engine)) << "the launcher does not stop the engine";
}

TEST_F(Launcher, Without_An_Engine_Waits_For_Another_Window_In_Front) {
    const std::string empty = Build_Dir() + "tests\\e2e\\install_without_engine";
    CreateDirectoryA(empty.c_str(), nullptr);
    Use_Install_Dir(empty);

    Saver_Process saver("/s");
    ASSERT_TRUE(Launcher_Window(saver));
    Pump_Messages(5s);
    ASSERT_TRUE(saver.Running()) << "nothing changed in front, yet the launcher ended";
    EXPECT_FALSE(Engine_Started());

    Test_Window other("Another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {50, 50, 300, 200});
    SetForegroundWindow(other.get());
    const auto switched = std::chrono::steady_clock::now();
    EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
    EXPECT_LT(Seconds_Since(switched), Watch_End_Seconds)
        << "seconds from the switch to the launcher's end";
}

struct Outside_Stop {
    const char* name;
    void (*send)(HWND launcher);
};

void Post_Close(HWND launcher) {
    PostMessageA(launcher, WM_CLOSE, 0, 0);
}
void Send_Destroy(HWND launcher) {
    SendMessageA(launcher, WM_DESTROY, 0, 0);
}
void Post_Quit_To_Thread(HWND launcher) {
    PostThreadMessageA(GetWindowThreadProcessId(launcher, nullptr), WM_QUIT, 0, 0);
}

TEST_F(Launcher, Close_Destroy_Or_Quit_From_Outside_Ends_It_Within_A_Second) {
    const Outside_Stop stops[] = {
        {"WM_CLOSE posted to the window", &Post_Close},
        {"WM_DESTROY sent to the window", &Send_Destroy},
        {"WM_QUIT posted to the thread", &Post_Quit_To_Thread},
    };
    for (const Outside_Stop& stop : stops) {
        SCOPED_TRACE(stop.name);
        Plan({.show_after_ms = 0, .keep_ms = 8000});
        Saver_Process saver("/s");
        HWND launcher = Launcher_Window(saver);
        ASSERT_TRUE(launcher);
        // Into the watch, past the start wait, during which messages only queue up.
        ASSERT_TRUE(Pump_Until([] { return Engine_Window() != nullptr; }, 10s));
        Pump_Messages(2500ms);
        ASSERT_TRUE(saver.Running());

        const auto sent = std::chrono::steady_clock::now();
        stop.send(launcher);
        EXPECT_EQ(Wait_Exit_Pumping(saver, 10s), 0u);
        EXPECT_LT(Seconds_Since(sent), Prompt_End_Seconds) << "seconds to the launcher's end";
        EXPECT_TRUE(Engine_Window()) << "the launcher does not stop the engine";
        TearDown();
        Bring_Desktop_To_Front();
    }
}

TEST_F(Launcher, Every_Line_That_Selects_No_Other_Mode_Starts_The_Engine) {
    const char* const lines[] = {"", "/s", "/S", "-s", "s", "/x", "/"};
    // All at once: each start is seconds of waiting, and an engine per launcher is what counts.
    Plan({.show_after_ms = 0, .keep_ms = 15000});
    std::vector<std::unique_ptr<Saver_Process>> savers;
    for (const char* line : lines)
        savers.push_back(std::make_unique<Saver_Process>(line));
    EXPECT_TRUE(Pump_Until(
        [&] { return Windows_Of_Class(stand_in::Window_Class).size() == std::size(lines); }, 20s))
        << Windows_Of_Class(stand_in::Window_Class).size() << " engines for " << std::size(lines)
        << " launchers";

    for (std::size_t i = 0; i < std::size(lines); ++i) {
        // Queued while a launcher still waits for its engine; it ends the launcher either way.
        for (HWND launcher : Process_Windows_Of_Class(savers[i]->id(), Launcher_Class))
            PostMessageA(launcher, WM_CLOSE, 0, 0);
        EXPECT_EQ(Wait_Exit_Pumping(*savers[i], 10s), 0u) << "command line: " << lines[i];
    }
}

}  // namespace
