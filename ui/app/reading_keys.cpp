// The keys that read the game aloud. They speak on the time announcer, never on the verdict one,
// where they would replace a verdict before it is read.
#include "ui/app/reading_keys.h"

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/key_flags.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

const WPARAM READ_BOARD_KEY = 'B';
const WPARAM READ_NEIGHBOURS_KEY = 'N';

// The tiles around `tile` in reading order, and whether each is picked in the word.
void lettersAround(int tile, std::vector<PlacedLetter>& around, std::vector<bool>& inWord)
{
    for (int place = 0; place < TILE_COUNT; ++place) {
        int neighbour = tileAtReadingPlace(place);
        if (areNeighbours(neighbour, tile)) {
            around.push_back(placedLetterOf(neighbour));
            inWord.push_back(pickedPlace(neighbour) != 0);
        }
    }
}

} // namespace

void readBoardAloud()
{
    if (!gameState.boardDealt) {
        announceOnTimeAnnouncer(NO_GAME_RUNNING);
        return;
    }
    announceOnTimeAnnouncer(boardReading(std::string(gameState.tileLetters, TILE_COUNT)));
}

void readNeighboursAloud()
{
    int last = lastPickedTile();
    if (last < 0 || !gameState.boardDealt) {
        announceOnTimeAnnouncer(NO_LETTER_PICKED);
        return;
    }
    std::vector<PlacedLetter> around;
    std::vector<bool> inWord;
    lettersAround(last, around, inWord);
    announceOnTimeAnnouncer(neighboursReading(gameState.board[last], around, inWord));
}

bool takeReadingKey(const MSG* message)
{
    bool chord = message->message == WM_KEYDOWN && isKeyHeld(VK_CONTROL) && !isKeyHeld(VK_MENU) && !isKeyHeld(VK_SHIFT);
    if (!chord || (message->wParam != READ_BOARD_KEY && message->wParam != READ_NEIGHBOURS_KEY)) {
        return false;
    }
    if (!isKeyRepeat(message->lParam)) {
        if (message->wParam == READ_BOARD_KEY) {
            readBoardAloud();
        } else {
            readNeighboursAloud();
        }
    }
    return true;
}
