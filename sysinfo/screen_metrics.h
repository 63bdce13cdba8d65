#pragma once

#include <windows.h>

// Sets Screen_HorzRes from the device context (the dialog's canvas) and the two work-area halves
// from the desktop work area (the screen less the taskbar and docked bars).
void Read_Screen_Metrics(HDC dc);
