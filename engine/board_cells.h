// The board as sets of cells, for tracing words without stepping from tile to tile.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/game_state.h"

// A set of cells: bit i stands for board index i.
typedef std::uint32_t CellSet;

struct BoardCells {
    // The cells holding each byte.
    std::uint16_t holding[256];
    // The letter code of each cell's tile (see letterCode).
    unsigned codeOf[TILE_COUNT];
    // Every tile holds one of A to Z, as every dealt board does.
    bool allLetters;
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

// The eight (or fewer, at the edges) cells around `cell`.
CellSet neighbourCells(int cell);

// Describes gameState.board.
void describeBoard(BoardCells& cells);

// Whether some path of distinct, adjacent cells spells `word`. The neighbours' order decides only
// which path a walk finds first, never whether there is one, so this search takes the cells that
// fit each letter as one set and answers in a few instructions a letter.
bool canTrace(const BoardCells& cells, std::string_view word);
