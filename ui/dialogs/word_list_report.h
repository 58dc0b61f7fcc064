// Telling the player that the word list left the game without its words.
#pragma once

#include <windows.h>

// When the last load of the word list failed or found no words, a box owned by `owner` names
// "words.dic", the folder it was looked for in, and why; otherwise nothing is shown.
void reportUnusableWordList(HWND owner);
