// The About box: the name, who made it, the year, the version, and the "B" tile.
#include "ui/dialogs/about_box.h"

#include <cstring>

#include "lettro_version.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_painting.h"
#include "ui/common/dialog_scale.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/control_names.h"

const char VERSION_TEXT[] = LETTRO_VERSION_TEXT;

namespace {

const char ABOUT_TEXT_START[] = "Lettro\r\n\r\nWritten by the Lettro team\r\n\r\n2026\r\n\r\nVersion ";
const int ABOUT_TILE_SLOT = 5; // "B" in letterOrder
// At 96 dots an inch; scaled across and down with the dialog, as the board is, so that the gap
// to the text below grows with the text.
const RECT ABOUT_TILE_PLACE = {130, 10, 130 + BASE_TILE_PIXELS, 10 + BASE_TILE_PIXELS};

void showAboutText(HWND dialog)
{
    char text[sizeof ABOUT_TEXT_START + sizeof VERSION_TEXT];
    std::strcpy(text, ABOUT_TEXT_START);
    std::strcat(text, VERSION_TEXT);
    SetDlgItemTextA(dialog, IDC_ABOUT_TEXT, text);
}

void paintAboutTile(HWND dialog)
{
    DialogScale scale = dialogScale(dialog);
    RECT tile = squareCentredIn(scaledRect(scale, ABOUT_TILE_PLACE), scaledSquare(scale, BASE_TILE_PIXELS));
    HDC target = beginTilePaint(dialog);
    drawTile(target, ABOUT_TILE_SLOT, tile.left, tile.top, tile.right - tile.left);
    endTilePaint(dialog);
}

} // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        showAboutText(dialog);
        nameControls(dialog, IDD_ABOUT);
        return TRUE;
    case WM_COMMAND:
    case WM_CLOSE:
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_PAINT:
        paintAboutTile(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}
