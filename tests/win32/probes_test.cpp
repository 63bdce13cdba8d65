#include <windows.h>

#include <ddraw.h>
#include <gtest/gtest.h>

#include <cmath>

#include "sysinfo/cpu_clock.h"
#include "sysinfo/direct_draw.h"
#include "sysinfo/memory_status.h"
#include "sysinfo/screen_figures.h"
#include "sysinfo/screen_metrics.h"
#include "ui/handles.h"

namespace {

TEST(Screen_Metrics, Figures_Come_From_The_Device_And_The_Work_Area) {
    const ui::Window_Dc screen(nullptr);
    Screen_HorzRes = WorkArea_HalfWidth = WorkArea_HalfHeight = -1;
    Read_Screen_Metrics(screen.get());

    EXPECT_EQ(Screen_HorzRes, GetSystemMetrics(SM_CXSCREEN));
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(WorkArea_HalfWidth, (work.right - work.left) / 2);
    EXPECT_EQ(WorkArea_HalfHeight, (work.bottom - work.top) / 2);
    EXPECT_GT(WorkArea_HalfHeight, 0);
}

class Direct_Draw : public testing::Test {
  protected:
    void SetUp() override {
        window_.reset(CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(window_);
    }
    void TearDown() override { Close_DirectDraw(); }

    ui::Window window_;
};

TEST_F(Direct_Draw, Display_Memory_Is_A_Whole_Number_Of_Millions) {
    // Open_DirectDraw ends the process when DirectDraw is missing, which would pass for success.
    {
        IDirectDraw* probe = nullptr;
        ASSERT_TRUE(SUCCEEDED(DirectDrawCreate(nullptr, &probe, nullptr))) << "no DirectDraw here";
        probe->Release();
    }
    Open_DirectDraw(window_.get());
    const float mb = Read_Video_Memory_Mb();
    RecordProperty("video_memory_mb", static_cast<int>(mb));
    EXPECT_GT(mb, 0.0f);
    EXPECT_LT(mb, 1'000'000.0f);
    EXPECT_EQ(mb, std::floor(mb));

    Close_DirectDraw();
    EXPECT_EQ(Read_Video_Memory_Mb(), 0.0f) << "still connected after closing";
    Close_DirectDraw();  // twice is harmless
}

// A DirectDraw object of a runtime older than IDirectDraw4.
class Old_Direct_Draw : public IUnknown {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = nullptr;
        if (IsEqualGUID(id, IID_IUnknown)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        ++queries;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    ULONG references = 1;
    int queries = 0;
};

TEST_F(Direct_Draw, Driver_Without_IDirectDraw4_Reports_No_Memory) {
    Old_Direct_Draw old;
    Connect_DirectDraw(&old, window_.get());
    EXPECT_EQ(old.queries, 1);
    EXPECT_EQ(old.references, 0u) << "the created object is released";
    EXPECT_EQ(Read_Video_Memory_Mb(), 0.0f);
    Close_DirectDraw();
}

TEST(Cpu_Clock, Plausible_Figure_And_Priorities_Put_Back) {
    const DWORD process_class = GetPriorityClass(GetCurrentProcess());
    const int thread_priority = GetThreadPriority(GetCurrentThread());
    const ULONGLONG started = GetTickCount64();

    const double mhz = Measure_CPU_MHz();

    const ULONGLONG elapsed = GetTickCount64() - started;
    RecordProperty("cpu_mhz", static_cast<int>(mhz));
    EXPECT_GT(mhz, 100.0);
    EXPECT_LT(mhz, 8590.0);
    EXPECT_GE(elapsed, 490u);
    EXPECT_LT(elapsed, 5000u);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), process_class);
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), thread_priority);
}

TEST(Memory_Status, Figures_Match_The_System) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));

    const Ram_Figures figures = Read_RAM_Figures();
    EXPECT_EQ(figures.total_mb, status.ullTotalPhys / 1'000'000);
    EXPECT_LE(figures.load_percent, 100u);
    // The load moves with everything else running; it must still be the same figure.
    EXPECT_NEAR(static_cast<double>(figures.load_percent), status.dwMemoryLoad, 5.0);
}

}  // namespace
