// A second solver, written for plainness rather than speed, to judge the game's solver against.
#pragma once

#include <string>
#include <vector>

// The words of `words`, in their order and each once, that some path of distinct, adjacent
// tiles of `tileLetters` (16 letters in reading order) spells.
std::vector<std::string> expectedSolutions(const char* tileLetters, const std::vector<std::string>& words);

// Stops the fuzzer unless solutionList holds exactly `expected`, in order.
void checkSolutionList(const std::vector<std::string>& expected);
