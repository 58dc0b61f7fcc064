// The straightforward solver that the engine's own is measured against and checked by.
#pragma once

#include <string>
#include <vector>

// Letters by column (index column * 4 + row), as the engine's board.
typedef char BaselineBoard[16];

// Every dictionary word that some path of distinct, adjacent tiles spells, once each, in
// dictionary order: each word is walked from every tile holding its first letter, and a word
// walked is looked for in the solutions found so far before it is added.
void baselineSolve(const std::vector<std::string>& dictionary, const BaselineBoard board,
                   std::vector<std::string>& solutions);

// Whether `word` is in the list, scanning it from the first word: the straightforward lookup of
// the solver's duplicates and of the submission checks.
bool baselineIsListed(const std::vector<std::string>& list, const std::string& word);
