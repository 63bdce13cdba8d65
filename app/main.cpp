#include <windows.h>

#include "app/entry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return Run_Program(GetCommandLineA());
}
