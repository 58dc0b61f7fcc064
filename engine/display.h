// The window operations the engine needs: defined by ui/ for the game, by a fake for tests.
#pragma once

#include <string>

// Status line: replaces its whole text.
void showStatus(const char* text);

// Found-words list: emptied at New Game; an accepted word is added at `index` and scrolled into view.
void clearFoundWords();
void addFoundWord(const char* word, int index);

void showScore(const char* text);
void showTime(const char* text);

// Word field: its text as typed, emptied after every submission, focused after a button submit.
std::string readWordField();
void clearWordField();
void focusWordField();

// Word field and Submit button together, the field first.
void enableWordEntry(bool enabled);

// The one-second countdown timer.
void startCountdownTimer();
void stopCountdownTimer();

// The closing box of a game, with the game's finished score. When `offerScore` is set the window
// offers it to the high-score table once the box is dismissed (at once, should the program end
// first); an untimed game's score is never offered. Returns when the player has dismissed the box.
void showClosingMessage(const char* text, int finishedScore, bool offerScore);

// Ask for the board to be repainted once the current message has been handled.
void requestBoardRepaint();

// Every pick has just been cleared from gameState.picked (a hand-in, a new game).
void showPicksCleared();

// The command that shows the ended game's solutions: offered from the end of a game to the next.
void enableSolutions(bool enabled);

// The End Game command: offered while a game is running, from its deal to its end.
void enableEndGame(bool enabled);
