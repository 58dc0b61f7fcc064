// Points on screen as MSAA gives them, in physical pixels, and as the game sees them: Lettro is
// not DPI-aware, so on a scaled display the system shows it, and reports to it, in logical pixels.
#pragma once

#include <windows.h>

POINT physicalPoint(HWND window, POINT logical);
POINT logicalPoint(HWND window, POINT physical);
