// Opening the help document, Lettro.chm.
#pragma once

#include <windows.h>

// Hands "Lettro.chm", beside the exe, to the shell; a failure is told with the file's full name and why.
void openHelp(HWND hwnd);
