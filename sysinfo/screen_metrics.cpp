#include "sysinfo/screen_metrics.h"

#include "sysinfo/probe_figures.h"
#include "sysinfo/screen_figures.h"

void Read_Screen_Metrics(HDC dc) {
    Screen_HorzRes = GetDeviceCaps(dc, HORZRES);
    RECT work_area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0);
    const Work_Area_Halves halves =
        Halves_Of_Work_Area(work_area.left, work_area.top, work_area.right, work_area.bottom);
    WorkArea_HalfWidth = halves.half_width;
    WorkArea_HalfHeight = halves.half_height;
}
