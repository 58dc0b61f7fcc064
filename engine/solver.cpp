// The solver: a depth-first walk over the board in a fixed neighbour order, for every dictionary word.
#include "engine/solver.h"

#include <cstring>
#include <string_view>
#include <unordered_set>

#include "engine/game_state.h"

namespace {

// Right, left, down, up, down-right, down-left, up-right, up-left: this order decides
// which path is found first.
const int NEIGHBOUR_COLUMN_STEP[NEIGHBOUR_COUNT] = {+1, -1, 0, 0, +1, -1, +1, -1};
const int NEIGHBOUR_ROW_STEP[NEIGHBOUR_COUNT] = {0, 0, +1, -1, +1, +1, -1, -1};

bool isOnBoard(int column, int row)
{
    return column >= 0 && column < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
}

// Walks the letters from `position` on, standing on the cell the walk reached last.
bool walkRest(std::string_view word, std::size_t position)
{
    if (position == word.size()) {
        return true;
    }
    int column = gameState.walkColumn;
    int row = gameState.walkRow;
    for (int step = stepWalk(word[position], 0); step != NO_STEP; step = stepWalk(word[position], step + 1)) {
        int reached = boardIndex(gameState.walkColumn, gameState.walkRow);
        gameState.visited[reached] = 1;
        if (walkRest(word, position + 1)) {
            return true;
        }
        gameState.visited[reached] = 0;
        gameState.walkColumn = column;
        gameState.walkRow = row;
    }
    return false;
}

bool isTraceable(std::string_view word)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(TILE_COUNT)) {
        return false;
    }
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        if (gameState.board[cell] != word[0]) {
            continue;
        }
        std::memset(gameState.visited, 0, sizeof gameState.visited);
        if (walkWord(word, cell / BOARD_SIZE, cell % BOARD_SIZE)) {
            return true;
        }
    }
    return false;
}

} // namespace

int stepWalk(char letter, int fromNeighbour)
{
    for (int neighbour = fromNeighbour; neighbour < NEIGHBOUR_COUNT; ++neighbour) {
        int column = gameState.walkColumn + NEIGHBOUR_COLUMN_STEP[neighbour];
        int row = gameState.walkRow + NEIGHBOUR_ROW_STEP[neighbour];
        if (!isOnBoard(column, row)) {
            continue;
        }
        int cell = boardIndex(column, row);
        if (gameState.board[cell] == letter && gameState.visited[cell] == 0) {
            gameState.walkColumn = column;
            gameState.walkRow = row;
            return neighbour;
        }
    }
    return NO_STEP;
}

bool walkWord(std::string_view word, int startColumn, int startRow)
{
    gameState.walkColumn = startColumn;
    gameState.walkRow = startRow;
    gameState.visited[boardIndex(startColumn, startRow)] = 1;
    return walkRest(word, 1);
}

void solveBoard()
{
    gameState.solutionCount = 0;
    // A word listed twice in the dictionary is a solution once, at its first place.
    std::unordered_set<std::string_view> solutionsSoFar;
    for (int slot = 0; slot < gameState.dictionaryCount; ++slot) {
        std::string_view word = wordAt(gameState.dictionary, slot);
        if (!isTraceable(word) || !solutionsSoFar.insert(word).second) {
            continue;
        }
        storeWord(gameState.solutionList, gameState.solutionCount, word);
    }
}
