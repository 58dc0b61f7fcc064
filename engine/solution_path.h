// Where a solution lies on the board: the tiles that spell it, in the word's order.
#pragma once

#include <string_view>

#include "engine/game_state.h"

// A path of distinct, adjacent tiles: `cells` holds board indexes (column * 4 + row), the tile of
// the word's first letter first. A length of 0 means that the board spells no such word.
struct SolutionPath {
    int cells[TILE_COUNT];
    int length;
};

// The path that spells `word` on gameState.board, the first one the solver meets: start tiles
// are tried in ascending board index, and from each tile its neighbours in ascending board index,
// so of all the paths that spell the word this is the one whose tiles come first in that order.
// A word the board does not hold (a new board has been dealt since) has no path.
SolutionPath solutionPath(std::string_view word);
