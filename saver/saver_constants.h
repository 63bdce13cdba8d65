#pragma once
// The fixed facts of the two saver windows: their classes, title, styles and timers, the
// preview's key colour, and how the scene engine is started.

#include <windows.h>

#include "saver/key_mask.h"

inline constexpr const char* Preview_Class_Name = "Module Preview Window";
inline constexpr const char* FullScreen_Class_Name = "ScreenSaver FullScreen Window";
inline constexpr const char* Saver_Window_Title = "NO NAME";

// Both windows are created disabled: they take no input, and the launcher's is hidden at once.
inline constexpr UINT Saver_Class_Style = CS_PARENTDC;
inline constexpr DWORD Preview_Window_Style = WS_CHILD | WS_VISIBLE | WS_DISABLED;
inline constexpr DWORD Preview_Added_Ex_Style = WS_EX_TOOLWINDOW;
inline constexpr DWORD FullScreen_Window_Style = WS_POPUP | WS_VISIBLE | WS_DISABLED;

inline constexpr UINT_PTR Preview_Timer_Id = 700;
inline constexpr UINT Preview_Timer_Period_Ms = 100;
inline constexpr UINT_PTR FullScreen_Timer_Id = 900;
inline constexpr UINT FullScreen_Timer_Period_Ms = 1000;

// The preview picks among the first five embedded screenshots; the sixth is not for it.
inline constexpr int Preview_Screenshot_Choices = 5;

// Screenshot pixels of exactly this colour are painted with the white brush instead.
inline constexpr Rgb_Colour Preview_Key_Colour{0, 0, 255};
// Brush where the monochrome source is set, destination elsewhere (DSPDxax).
inline constexpr DWORD Preview_Mask_Rop = 0x00E20746;

inline constexpr const char* Engine_File_Name = "korun.exe";
inline constexpr const char* Engine_Open_Verb = "Open";
// The engine should own the foreground by then; whatever is in front is what the launcher watches.
inline constexpr DWORD Engine_Start_Wait_Ms = 2000;
