#pragma once
// A place on screen for the saver windows' in-process tests: one top-level frame for the whole
// program (without a window manager, Wine takes two seconds to take a top-level window off the
// screen) and child windows in it that nothing erases behind the test's back.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/handles.h"

namespace saver_test {

// A child of the shared frame, at `x`, `y` of the frame's client area, `width` by `height`.
ui::Window Make_Canvas(int x, int y, int width, int height);

// Handles the thread's pending messages, so that nothing pending paints over what a test reads.
void Flush_Events();

// The colour at each of `points` of the window's client area.
std::vector<COLORREF> Read_Pixels(HWND window, const std::vector<POINT>& points);

std::string Describe(COLORREF colour);

}  // namespace saver_test
