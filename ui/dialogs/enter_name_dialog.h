// The "Enter Name" dialog: the player names a score that earned a place in the high-score table.
#pragma once

#include <windows.h>

// Opened with the finished game's score as its creation parameter. OK enters the score under the
// typed name and saves it at once.
INT_PTR CALLBACK enterNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The program is ending: every open name dialog enters its score under the name typed so far,
// without a word to the player, and closes. Saving is left to the caller.
void enterScoresOfOpenNameDialogs();
