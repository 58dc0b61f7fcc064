// The names a screen reader gives the controls that have no label of their own, or the wrong one.
#pragma once

#include <windows.h>

// Names the controls of `dialog`, made from template `templateId`: the main window (IDD_MAIN),
// Enter Name (IDD_ENTER_NAME), High Scores (IDD_HIGH_SCORES), Solutions (IDD_SOLUTIONS) or About
// (IDD_ABOUT). Called at WM_INITDIALOG.
void nameControls(HWND dialog, int templateId);
