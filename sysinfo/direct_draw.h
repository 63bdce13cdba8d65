#pragma once
// A connection to the primary display driver through DirectDraw, open only while the About page
// reads the display memory.

#include <windows.h>
#include <unknwn.h>

// Ends the process at once, with exit code 0 and no message, when the machine has no DirectDraw
// driver.
void Open_DirectDraw(HWND window);

// The adapter's total display memory in whole millions of bytes; 0 when the driver tells
// nothing or no connection is open.
float Read_Video_Memory_Mb();

// Releases whatever the connection holds; harmless when nothing is open.
void Close_DirectDraw();

// The connection made from a DirectDraw object that already exists: takes over its one
// reference, keeps its IDirectDraw4 interface and a primary surface. An object without that
// interface leaves the connection empty.
void Connect_DirectDraw(IUnknown* object, HWND window);
