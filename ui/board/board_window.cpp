// The board control's window, found from the main window by its id.
#include "ui/board/board_window.h"

#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"

HWND boardWindow()
{
    return mainWindow != nullptr ? GetDlgItem(mainWindow, IDC_BOARD) : nullptr;
}

bool boardHasFocus()
{
    HWND focus = GetFocus();
    return focus != nullptr && focus == boardWindow();
}
