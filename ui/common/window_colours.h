// The main window's colours: its light blue, or the system's own pair while High Contrast is on.
#pragma once

#include <windows.h>

// True while the system's High Contrast mode is on, as last read by readContrastSetting.
extern bool highContrastOn;

// Reads whether High Contrast is on: at start, and whenever the system's colours or settings change.
void readContrastSetting();

// The answer to WM_CTLCOLORDLG: the brush of the window's background.
INT_PTR dialogBackground();

// The answer to WM_CTLCOLORSTATIC for the labels and read-only fields drawn on `context`.
INT_PTR colourStatic(HDC context);
