// The board as sets of cells: who neighbours whom, and each cell's letter.
#pragma once

#include <cstdint>

#include "engine/game_state.h"

// A set of cells: bit i stands for board index i.
typedef std::uint32_t CellSet;

struct BoardCells {
    // The letter code of each cell's tile (see letterCode).
    unsigned codeOf[TILE_COUNT];
};

constexpr CellSet cellBit(int cell)
{
    return CellSet(1) << cell;
}

// The first cell of a set that is not empty (a GCC and Clang builtin: both builds use one of them).
inline int lowestCell(CellSet cells)
{
    return __builtin_ctz(cells);
}

struct NeighbourTable {
    CellSet of[TILE_COUNT];
};

constexpr NeighbourTable makeNeighbourTable()
{
    NeighbourTable table = {};
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        for (int columnStep = -1; columnStep <= 1; ++columnStep) {
            for (int rowStep = -1; rowStep <= 1; ++rowStep) {
                int column = cell / BOARD_SIZE + columnStep;
                int row = cell % BOARD_SIZE + rowStep;
                bool onBoard = column >= 0 && column < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
                if (onBoard && (columnStep != 0 || rowStep != 0)) {
                    table.of[cell] |= cellBit(boardIndex(column, row));
                }
            }
        }
    }
    return table;
}

// The eight (or fewer, at the edges) cells around each cell.
inline constexpr NeighbourTable NEIGHBOURS = makeNeighbourTable();

// Describes gameState.board.
void describeBoard(BoardCells& cells);
