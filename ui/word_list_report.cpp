// A word list that cannot be used is told: otherwise the game deals boards and calls every word
// invalid, a failure that looks like a working game.
#include "ui/word_list_report.h"

#include <string>

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/ui_state.h"
#include "ui/wide_text.h"

namespace {

// The system's own words for an error code, without the line end it ends with. The box is built in
// UTF-8 and shown with MessageBoxW, so that a folder named outside the ANSI code page shows as it is.
std::string systemReason(unsigned long error)
{
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text / sizeof text[0], nullptr);
    std::string reason = utf8Of(text, length);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "Error " + std::to_string(error) + "." : reason;
}

std::string whatWentWrong()
{
    const std::string& path = gameState.dictionaryPath;
    std::string named = std::string("The word list \"") + DICTIONARY_FILE_NAME + "\"";
    std::string inFolder = "in the folder\r\n" + path.substr(0, path.find_last_of('\\'));
    switch (wordListLoad.fault) {
    case WORD_LIST_NOT_OPENED:
        return named + " could not be opened " + inFolder + "\r\n\r\n" + systemReason(wordListLoad.systemError);
    case WORD_LIST_NOT_READ:
        return named + " could not be read " + inFolder + "\r\n\r\n" + systemReason(wordListLoad.systemError);
    default:
        return named + " " + inFolder + "\r\nholds no words.";
    }
}

} // namespace

void reportUnusableWordList(HWND owner)
{
    if (wordListLoad.fault == WORD_LIST_USABLE) {
        return;
    }
    std::string text = whatWentWrong();
    if (gameState.dictionaryCount == 0) {
        text += "\r\n\r\nWithout it, every word handed in is called invalid.";
    }
    MessageBoxW(owner, widenedUtf8(text).data(), widenedUtf8(ERROR_BOX_TITLE).data(), MB_OK | MB_ICONEXCLAMATION);
}
