// The board as sets of cells: who neighbours whom, which cells hold which byte, and tracing.
#include "engine/board_cells.h"

#include <cstring>

#include "engine/dictionary_index.h"

namespace {

// Spells the word from `position` on, the path standing on `cell` having taken `used`.
bool traceRest(const BoardCells& cells, std::string_view word, std::size_t position, int cell, CellSet used)
{
    if (position == word.size()) {
        return true;
    }
    CellSet fitting = NEIGHBOURS.of[cell] & cells.holding[static_cast<unsigned char>(word[position])] & ~used;
    for (; fitting != 0; fitting &= fitting - 1) {
        int next = lowestCell(fitting);
        if (traceRest(cells, word, position + 1, next, used | cellBit(next))) {
            return true;
        }
    }
    return false;
}

} // namespace

void describeBoard(BoardCells& cells)
{
    std::memset(cells.holding, 0, sizeof cells.holding);
    cells.allLetters = true;
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        char tile = gameState.board[cell];
        cells.holding[static_cast<unsigned char>(tile)] |= static_cast<std::uint16_t>(cellBit(cell));
        cells.codeOf[cell] = letterCode(tile);
        cells.allLetters = cells.allLetters && cells.codeOf[cell] != NOT_A_LETTER;
    }
}

bool canTrace(const BoardCells& cells, std::string_view word)
{
    // Sixteen tiles spell no longer word.
    if (word.empty() || word.size() > static_cast<std::size_t>(TILE_COUNT)) {
        return false;
    }
    for (CellSet starts = cells.holding[static_cast<unsigned char>(word[0])]; starts != 0; starts &= starts - 1) {
        int start = lowestCell(starts);
        if (traceRest(cells, word, 1, start, cellBit(start))) {
            return true;
        }
    }
    return false;
}
