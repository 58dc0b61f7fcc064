// The board control's window, as the board's modules find it.
#pragma once

#include <windows.h>

// Null while the main window is not open.
HWND boardWindow();

bool boardHasFocus();
