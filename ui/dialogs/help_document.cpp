// Opening the help document beside the exe with the shell, and telling why when it cannot be opened.
#include "ui/dialogs/help_document.h"

#include <string>
#include <vector>

#include <shellapi.h>

#include "engine/game_state.h"
#include "ui/common/error_box.h"
#include "ui/common/wide_text.h"

namespace {

const char HELP_FILE_NAME[] = "Lettro.chm";

// Beside the exe, in the folder that the word list is read from: a bare name would be looked for in
// the working folder, which a shortcut's "Start in" or a command prompt makes any folder at all.
std::string helpDocumentPath()
{
    const std::string& wordList = gameState.dictionaryPath;
    return wordList.substr(0, wordList.find_last_of('\\') + 1) + HELP_FILE_NAME;
}

} // namespace

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
