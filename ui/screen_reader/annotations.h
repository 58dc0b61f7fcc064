// Dynamic Annotation: properties laid on a window's own accessible object through the system's
// IAccPropServices, which keeps everything else the system says of the control.
#pragma once

#include <windows.h>

#include <string>

// Each is false where the system has no Dynamic Annotation (Wine answers E_NOTIMPL).
bool annotateName(HWND window, const std::string& name);
bool annotateAsPoliteLiveRegion(HWND window);

// Whether the program has asked for `window` to be a polite live region, granted or not: what it
// asks for is the same on every system, what the system makes of it is not.
bool isAskedToBeLiveRegion(HWND window);

// Takes back every annotation laid on the window, before it is destroyed.
void clearAnnotations(HWND window);
