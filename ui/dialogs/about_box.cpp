// The About box: the name, who made it, the year, the version, and the "B" tile.
#include "ui/dialogs/about_box.h"

#include <cstring>
#include <string>
#include <vector>

#include <shellapi.h>

#include "engine/game_state.h"
#include "lettro_version.h"
#include "ui/board/board_painting.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/common/error_box.h"
#include "ui/resources/resource_ids.h"
#include "ui/common/wide_text.h"

const char VERSION_TEXT[] = LETTRO_VERSION_TEXT;

namespace {

const char ABOUT_TEXT_START[] = "Lettro\r\n\r\nWritten by the Lettro team\r\n\r\n2026\r\n\r\nVersion ";
const char HELP_FILE_NAME[] = "Lettro.chm";
const int ABOUT_TILE_SLOT = 5; // "B" in letterOrder
const int ABOUT_TILE_X = 130;
const int ABOUT_TILE_Y = 10;

void showAboutText(HWND dialog)
{
    char text[sizeof ABOUT_TEXT_START + sizeof VERSION_TEXT];
    std::strcpy(text, ABOUT_TEXT_START);
    std::strcat(text, VERSION_TEXT);
    SetDlgItemTextA(dialog, IDC_ABOUT_TEXT, text);
}

// Beside the exe, in the folder that the word list is read from: a bare name would be looked for in
// the working folder, which a shortcut's "Start in" or a command prompt makes any folder at all.
std::string helpDocumentPath()
{
    const std::string& wordList = gameState.dictionaryPath;
    return wordList.substr(0, wordList.find_last_of('\\') + 1) + HELP_FILE_NAME;
}

void paintAboutTile(HWND dialog)
{
    HDC target = beginTilePaint(dialog);
    drawTile(target, ABOUT_TILE_SLOT, ABOUT_TILE_X, ABOUT_TILE_Y);
    endTilePaint(dialog);
}

} // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        showAboutText(dialog);
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

// The shell's own boxes are held back (SEE_MASK_FLAG_NO_UI) for the game's, which names the file.
// A failure's reason is GetLastError's: ShellExecute's results of 32 or less are codes of its own.
void openHelp(HWND hwnd)
{
    std::string path = helpDocumentPath();
    std::vector<wchar_t> file = widenedUtf8(path);
    SHELLEXECUTEINFOW request = {};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;
    request.hwnd = hwnd;
    request.lpVerb = L"open";
    request.lpFile = file.data();
    request.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&request)) {
        unsigned long error = GetLastError();
        showErrorBox(hwnd, "The help could not be opened:\r\n" + path + "\r\n\r\n" + systemReason(error), MB_OK);
    }
}
