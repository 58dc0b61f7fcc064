// The walk a player makes over the board, step by step in the neighbours' fixed order.
#include "engine/walk.h"

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
