// Each deal and each game's end, told to screen readers on the time announcer.
#pragma once

// After a deal has moved the focus: "New game, 3 minutes" or "New untimed game".
void announceDeal();

// End Game: the running game ends as its time would, and its end is told as "Game ended".
void endGameByPlayer();

// As the closing box appears: "Time's up", or "Game ended" when End Game ended it. Said once the
// box has taken the focus.
void announceGameEnd();
