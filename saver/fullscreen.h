#pragma once
// Full-screen mode: starts the scene engine and stays, invisible, until the window that was in
// front shortly after the start has left the foreground.

#include <windows.h>

inline HWND FullScreen_Window = nullptr;
// The foreground window once the engine has had its time to come up.
inline HWND Start_Foreground = nullptr;

// Returns when the foreground has changed, the window was closed or a quit message came; at
// once when the window cannot be made, as then nothing could ever end the watch.
void Run_FullScreen();

// A hidden, disabled popup of no size: it shows nothing and takes no input.
HWND Create_FullScreen_Window(const char* class_name);

LRESULT CALLBACK FullScreen_Window_Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Timer 900: the show is over once another window (or none) is in front.
void Watch_Foreground_Tick();
