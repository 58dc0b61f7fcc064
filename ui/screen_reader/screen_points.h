// Points on screen as MSAA gives them, in physical pixels, and as the game sees them. Lettro is
// aware of each monitor's DPI, so the two agree where Windows honours that; where it runs the
// game unaware of DPI (a setting of compatibility, a Windows too old for the manifest's awareness),
// the system shows it, and reports to it, in logical pixels, and these convert.
#pragma once

#include <windows.h>

POINT physicalPoint(HWND window, POINT logical);
POINT logicalPoint(HWND window, POINT physical);
