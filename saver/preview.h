#pragma once
// Preview mode: paints one of the embedded screenshots into the Display Properties monitor,
// the host window given on the command line, ten times a second until that window goes away.

#include <windows.h>

#include "saver/preview_picture.h"

// Kept for the run; the paint of every tick reads them.
inline Preview_Picture Preview_Bitmap;
inline RECT Preview_Dest_Rect{};    // the host's outer size, taken once at the start
inline RECT Preview_Source_Rect{};  // the whole screenshot
inline HWND Preview_Window = nullptr;

// Returns when the host window has gone or the preview window was closed; at once when there
// is no host window to paint into.
void Run_Preview();

// One of the first five screenshots, chosen afresh from the clock on every call.
Preview_Picture Load_Preview_Screenshot();

HWND Create_Preview_Window(HWND parent, const char* class_name);

LRESULT CALLBACK Preview_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Timer 700: paints the screenshot, or ends the mode once the host has gone.
void Paint_Preview_Tick();
