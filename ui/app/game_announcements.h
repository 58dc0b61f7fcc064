// Each deal and each game's end, told to screen readers on the time announcer.
#pragma once

// After a deal has moved the focus: "New game, 3 minutes" or "New untimed game", and the word
// left in the word field, which the new game's first word would extend.
void announceDeal();

// End Game: the running game ends as its time would, and its end is told as "Game ended".
void endGameByPlayer();

// As the closing box appears: "Time's up", or "Game ended" when End Game ended it, then the box's
// own text, `closingText` ("You got 11 out of 21."). Said once the box has taken the focus.
void announceGameEnd(const char* closingText);
