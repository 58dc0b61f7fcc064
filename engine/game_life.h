// The life of a game: New Game, New Untimed Game, the one-second countdown, and the end of a game.
#pragma once

extern const char CLOSING_TITLE[];

// Deals and solves a fresh board, resets the words and the score, and starts the countdown.
void startNewGame();

// The same deal with no countdown: the time display reads "--:--" until the next timed game.
void startUntimedGame();

// One second off a timed game's clock; at zero the game ends. With no timed game running, a tick
// does nothing.
void countdownTick();

// End Game: ends the running game at once, as the time running out does (a timed game's clock
// shows 0:00). With no game running it does nothing.
void endRunningGame();

// Stops the countdown and entry, then tells the player the tally and hands the window the score.
void endGame();

// The program has begun to end (Exit, the close box, the session's end): the countdown stops for
// good, so that no game ends under a box of the leaving, nor asks for a name once it is over.
void stopCountdownForLeaving();
