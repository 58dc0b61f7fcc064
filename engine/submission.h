// Handing in a word: the repeat check, the validity check, and what the player sees.
#pragma once

#include <string>

extern const char ALREADY_ENTERED_TEXT[];
extern const char INVALID_WORD_TEXT[];
// Written by each check that passes: thirteen spaces, so the status line looks empty.
extern const char BLANK_STATUS_TEXT[];

enum SubmitPath { SUBMIT_BUTTON, SUBMIT_DOUBLE_CLICK };

// True when the word was handed in before in this game; otherwise records it and returns false.
// A word that can no longer be recorded because the list is full counts as handed in before.
bool checkAlreadyEntered(std::string word);

// True when the word is one of the board's solutions.
bool checkValidWord(std::string word);

// Judges the word field's text, shows the verdict, empties the field and clears the picks.
void submitWord(SubmitPath path);
