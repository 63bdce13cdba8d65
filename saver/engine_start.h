#pragma once
// Starting the scene engine, which draws the show in a process of its own.

#include <windows.h>

// Opens korun.exe from the install directory, which also becomes its working directory, with no
// arguments. Whether it started is not known here: the foreground watch finds out either way.
void Start_Scene_Engine(HWND owner);
