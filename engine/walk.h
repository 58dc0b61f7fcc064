// The walk a player makes over the board: one step at a time, neighbours in a fixed order,
// backing up from dead ends, with the cells taken marked in gameState.visited.
#pragma once

#include <string_view>

constexpr int NEIGHBOUR_COUNT = 8;
constexpr int NO_STEP = -1;

// Traces `word` from its first letter's cell, backing up from dead ends; true when some path of
// distinct, adjacent tiles spells the whole word. Leaves the path's cells marked in visited and
// the walk on its last cell; of several paths, the neighbours' order decides which is taken.
bool walkWord(std::string_view word, int startColumn, int startRow);

// From the current cell, tries the neighbours in their fixed order starting at `fromNeighbour`
// and moves to the first unvisited one holding `letter`; returns its number, or NO_STEP.
int stepWalk(char letter, int fromNeighbour);
