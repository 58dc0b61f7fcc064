// A word list that cannot be used is told: otherwise the game deals boards and calls every word
// invalid, a failure that looks like a working game.
#include "ui/word_list_report.h"

#include <string>

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/ui_state.h"
#include "ui/wide_text.h"

namespace {

// The system's own words for an error code, without the line end it ends with. Wide, like the
// rest of the box, so that a folder's name outside the ANSI code page is shown as it is.
std::wstring systemReason(unsigned long error)
{
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text / sizeof text[0], nullptr);
    std::wstring reason(text, length);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ')) {
        reason.pop_back();
    }
    return reason.empty() ? widenedUtf8("Error " + std::to_string(error) + ".") : reason;
}

std::wstring folderOfWordList()
{
    const std::string& path = gameState.dictionaryPath;
    return widenedUtf8(path.substr(0, path.find_last_of('\\')));
}

std::wstring whatWentWrong()
{
    std::wstring named = L"The word list \"" + widenedUtf8(DICTIONARY_FILE_NAME) + L"\"";
    std::wstring inFolder = L"in the folder\r\n" + folderOfWordList();
    switch (wordListLoad.fault) {
    case WORD_LIST_NOT_OPENED:
        return named + L" could not be opened " + inFolder + L"\r\n\r\n" + systemReason(wordListLoad.systemError);
    case WORD_LIST_NOT_READ:
        return named + L" could not be read " + inFolder + L"\r\n\r\n" + systemReason(wordListLoad.systemError);
    default:
        return named + L" " + inFolder + L"\r\nholds no words.";
    }
}

} // namespace

void reportUnusableWordList(HWND owner)
{
    if (wordListLoad.fault == WORD_LIST_USABLE) {
        return;
    }
    std::wstring text = whatWentWrong();
    if (gameState.dictionaryCount == 0) {
        text += L"\r\n\r\nWithout it, every word handed in is called invalid.";
    }
    MessageBoxW(owner, text.c_str(), widenedUtf8(ERROR_BOX_TITLE).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
