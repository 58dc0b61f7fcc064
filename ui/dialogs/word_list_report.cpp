// A word list that cannot be used is told: otherwise the game deals boards and calls every word
// invalid, a failure that looks like a working game.
#include "ui/dialogs/word_list_report.h"

#include <string>

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/common/error_box.h"

namespace {

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
    showErrorBox(owner, text, MB_OK);
}
