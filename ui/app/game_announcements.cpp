// Each deal and each game's end, told to screen readers: a stray F2 drops a game, and the closing
// box is not read by every reader (under Wine it raises no focus event), so neither may pass
// unheard, and the end tells the tally.
#include "ui/app/game_announcements.h"

#include "engine/game_life.h"
#include "engine/game_state.h"
#include "ui/common/ui_state.h"
#include "ui/common/word_field.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

// Set while End Game ends the game, so that its closing box is told as the player's own ending.
bool endingByPlayer = false;

} // namespace

void announceDeal()
{
    if (gameState.gameKind != NO_GAME) {
        announceOnTimeAnnouncer(dealAnnouncement(gameState.gameKind == TIMED_GAME, GAME_SECONDS, wordFieldText()));
    }
}

void endGameByPlayer()
{
    endingByPlayer = true;
    endRunningGame();
    endingByPlayer = false;
}

void announceGameEnd(const char* closingText)
{
    announceOnceSettled(mainWindow, IDC_TIME_ANNOUNCER, gameEndAnnouncement(endingByPlayer, closingText));
}
