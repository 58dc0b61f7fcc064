// The board's words once a game is over: every solution, marked where the player found it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Notes how far the game that just ended had got, so that words handed in after the time was up
// (a double-click still submits) neither count nor show as found.
void rememberEndedGame(int finishedScore);

// "You found N of M": the ended game's score out of its board's solutions.
std::string solutionsTally();

// One line a solution, in the solver's order: "* WORD" for a word the player found, else "WORD".
std::vector<std::string> solutionLines();

// The word of one of those lines, without the mark of a found word.
std::string_view solutionLineWord(std::string_view line);
