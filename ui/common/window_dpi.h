// The dots an inch of the monitor a window is on.
#pragma once

#include <windows.h>

// Every pixel size in the program is given for this DPI (100 %) and scaled from it.
constexpr int BASE_DPI = 96;

// The window's DPI: GetDpiForWindow where Windows has it (10 1607 on, per monitor), else the
// system's (GetDeviceCaps); BASE_DPI for no window.
int windowDpi(HWND window);
