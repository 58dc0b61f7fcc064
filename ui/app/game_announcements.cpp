// Each deal and each game's end, told to screen readers: a stray F2 drops a game, and the closing
// box is not read by every reader, so neither may pass unheard.
#include "ui/app/game_announcements.h"

#include "engine/game_life.h"
#include "engine/game_state.h"
#include "ui/common/ui_state.h"
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
        announceOnTimeAnnouncer(dealAnnouncement(gameState.gameKind == TIMED_GAME, GAME_SECONDS));
    }
}

void endGameByPlayer()
{
    endingByPlayer = true;
    endRunningGame();
    endingByPlayer = false;
}

void announceGameEnd()
{
    announceOnceSettled(mainWindow, IDC_TIME_ANNOUNCER, endingByPlayer ? GAME_ENDED : TIMES_UP);
}
