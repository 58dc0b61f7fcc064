// Dropping the word being built: the way out of a word whose picks the field no longer shows.
#include "ui/app/word_clearing.h"

#include <cstring>

#include <windows.h>

#include "engine/display.h"
#include "engine/game_state.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/spoken_texts.h"

void clearWordOnEscape()
{
    if (!IsWindowEnabled(mainWindow) || !IsWindowEnabled(GetDlgItem(mainWindow, IDC_WORD_FIELD))) {
        return;
    }
    clearWordField();
    std::memset(gameState.picked, 0, sizeof gameState.picked);
    showPicksCleared();
    announce(WORD_CLEARED);
}
