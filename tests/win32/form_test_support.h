#pragma once
// Helpers for in-process tests of forms: pumping the message loop, driving keys through it,
// temporary install directories, reading window texts, and pictures of windows for review.

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/layout_description.h"

namespace form_test {

using namespace std::chrono_literals;

// Handles the application's messages for a while (the form layer's own handling included), and
// its idle work, as the loop would.
void Pump(std::chrono::milliseconds duration = 50ms);
// Handles what is queued and runs the idle work until it no longer asks to go on.
void Run_Idle_Work();

// Posts a key press to a window as the keyboard would, and handles it.
void Press_Key(HWND window, WORD key);

// The window's text as UTF-8.
std::string Text_Of(HWND window);

// Errors the application would have shown, while an instance lives.
class Recorded_Errors {
  public:
    Recorded_Errors();
    ~Recorded_Errors();
    const std::vector<std::string>& Messages() const { return messages_; }

  private:
    std::vector<std::string> messages_;
};

// A fresh folder under the system's temporary folder, removed with its files afterwards.
class Temporary_Folder {
  public:
    Temporary_Folder();
    ~Temporary_Folder();
    Temporary_Folder(const Temporary_Folder&) = delete;
    Temporary_Folder& operator=(const Temporary_Folder&) = delete;
    // Ends with a backslash.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Saves what the screen shows of a window as a 24-bit BMP file beside the test program, in
// the folder "screenshots"; returns the file's path, or the empty text when it failed.
std::string Save_Window_Picture(HWND window, const std::string& name);

// Counts of the process's GDI and USER objects, or nothing where the system does not count.
struct Object_Counts {
    DWORD gdi = 0;
    DWORD user = 0;
};
bool Read_Object_Counts(Object_Counts& counts);

// Where the system does not count them (Wine), GDI objects still show a leak: a handle that is
// never given back keeps its slot, so fresh objects reach ever higher slots. This is the
// highest slot number among a batch of fresh objects.
unsigned Gdi_Slot_High_Water();

}  // namespace form_test
