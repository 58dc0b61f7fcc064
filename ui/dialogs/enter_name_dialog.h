// The "Enter Name" dialog: the player names a score that earned a place in the high-score table.
#pragma once

#include <windows.h>

// Opened with the finished game's score as its creation parameter. OK enters the score under the
// typed name and saves it at once.
INT_PTR CALLBACK enterNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens Enter Name for a finished game's score, as a child dialog. `dealsWhenBoxShown` is dealCount
// when the game's closing box appeared: a game dealt since (under the box, perhaps) keeps the focus
// when the dialog closes. Returns the dialog, or null.
HWND openNameEntry(int finishedScore, unsigned dealsWhenBoxShown);

// The program is ending: every open name dialog enters its score under the name typed so far,
// without a word to the player, and closes. Saving is left to the caller.
void enterScoresOfOpenNameDialogs();
