// The life of a game: New Game, the one-second countdown, and the end of the time.
#pragma once

extern const char CLOSING_TITLE[];

// Deals and solves a fresh board, resets the words and the score, and starts the countdown.
void startNewGame();

// One second off the clock; at zero the game ends.
void countdownTick();

// Stops the countdown and entry, then tells the player the tally and hands the window the score.
void endGame();

// The program has begun to end (Exit, the close box, the session's end): the countdown stops for
// good, so that no game ends under a box of the leaving, nor asks for a name once it is over.
void stopCountdownForLeaving();
