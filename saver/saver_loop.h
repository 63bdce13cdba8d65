#pragma once
// What the preview and the launcher share: the flag that ends their message loop, the loop
// itself, the timer handler and the handling of the messages that end a saver window.

#include <windows.h>

// Set when the saver window is closed or destroyed, or its timer finds the show over; the loop
// ends at the next message it fetches.
inline bool Saver_Quit = false;

// Sets Saver_Quit and makes sure a message follows, for when the timer that would have brought
// one has just been killed.
void Stop_Saver_Loop();

// Fetches and dispatches the thread's messages until a quit message arrives or Saver_Quit is
// found set; the message that finds it set is dropped. Rethrows an error that a saver window
// procedure caught, once the loop is over.
void Run_Saver_Loop();

// The timer handler of both saver windows: 700 paints the preview, 900 watches the foreground.
void Saver_Timer_Tick(UINT_PTR timer_id);

// The body of both window procedures. `own` is the mode's window: close, destroy and quit stop
// the loop, kill `timer_id` on it, let go of `class_name` where the system allows and minimise
// it; timer messages go to Saver_Timer_Tick; the rest to the default procedure. Never throws.
LRESULT Saver_Window_Message(HWND own, UINT_PTR timer_id, const char* class_name, HWND window,
                             UINT message, WPARAM wparam, LPARAM lparam);
