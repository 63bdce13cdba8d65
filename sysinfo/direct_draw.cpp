#include "sysinfo/direct_draw.h"

#include <ddraw.h>

#include "sysinfo/probe_figures.h"
#include "ui/handles.h"

// The DirectX 6 and 7 layouts, which every DirectDraw since accepts; the surface description
// holds a pointer, so only the 32-bit build knows its size.
static_assert(sizeof(DDCAPS) == 380);
#if !defined(_WIN64)
static_assert(sizeof(DDSURFACEDESC2) == 124);
#endif

namespace {

ui::Com_Ptr<IDirectDraw4> Direct_Draw;
ui::Com_Ptr<IDirectDrawSurface4> Primary_Surface;

}  // namespace

void Open_DirectDraw(HWND window) {
    IDirectDraw* created = nullptr;
    if (FAILED(DirectDrawCreate(nullptr, &created, nullptr)))
        ExitProcess(0);
    Connect_DirectDraw(created, window);
}

void Connect_DirectDraw(IUnknown* object, HWND window) {
    ui::Com_Ptr<IUnknown> created(object);
    Close_DirectDraw();
    void* answer = nullptr;
    if (SUCCEEDED(created->QueryInterface(IID_IDirectDraw4, &answer)))
        Direct_Draw.reset(static_cast<IDirectDraw4*>(answer));
    created.reset();
    // Without IDirectDraw4 there is nothing to ask; the memory figure then reads 0.
    if (!Direct_Draw)
        return;

    // Neither status matters: a driver that refuses leaves the memory figure at 0.
    Direct_Draw->SetCooperativeLevel(window, DDSCL_NORMAL);
    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    IDirectDrawSurface4* surface = nullptr;
    if (SUCCEEDED(Direct_Draw->CreateSurface(&description, &surface, nullptr)))
        Primary_Surface.reset(surface);
}

float Read_Video_Memory_Mb() {
    if (!Direct_Draw)
        return 0.0f;
    DDCAPS driver{};
    DDCAPS emulation{};
    driver.dwSize = sizeof driver;
    emulation.dwSize = sizeof emulation;
    Direct_Draw->GetCaps(&driver, &emulation);
    return Video_Memory_Mb(driver.dwVidMemTotal);
}

void Close_DirectDraw() {
    Primary_Surface.reset();
    Direct_Draw.reset();
}
