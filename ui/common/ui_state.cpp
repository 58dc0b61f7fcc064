// The user-interface handles; the background brush is made before WinMain runs and never freed.
#include "ui/common/ui_state.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;
HWND statusLine = nullptr;
HBRUSH backgroundBrush = CreateSolidBrush(BACKGROUND_COLOUR);
unsigned dealCount = 0;
