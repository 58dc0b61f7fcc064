// The board as sets of cells: each cell's letter code.
#include "engine/board_cells.h"

#include "engine/dictionary_index.h"

void describeBoard(BoardCells& cells)
{
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        cells.codeOf[cell] = letterCode(gameState.board[cell]);
    }
}
