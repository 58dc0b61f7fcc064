// The numberings of the sixteen tiles, and the only conversions between them in ui/.
#pragma once

#include <windows.h>

#include "engine/game_state.h"

// Each numbering has one name throughout ui/:
// - tile: the engine's board index, column by column (gameState.board and .picked, a path's cells,
//   the board's view);
// - row and column: from 0 at the top left;
// - reading place: row by row, as the letters are read (gameState.tileLetters);
// - child id: a cell's id in the screen reader's table, the row's number then the column's, each
//   from 1 ("23" is row 2, column 3), so that a reader's log names the cell plainly.

constexpr int tileAt(int row, int column)
{
    return boardIndex(column, row);
}

constexpr int rowOfTile(int tile)
{
    return tile % BOARD_SIZE;
}

constexpr int columnOfTile(int tile)
{
    return tile / BOARD_SIZE;
}

constexpr bool isOnBoard(int row, int column)
{
    return row >= 0 && row < BOARD_SIZE && column >= 0 && column < BOARD_SIZE;
}

// Whether two different tiles touch, across a side or a corner.
constexpr bool areNeighbours(int tile, int other)
{
    return tile != other && rowOfTile(tile) - rowOfTile(other) >= -1 && rowOfTile(tile) - rowOfTile(other) <= 1 &&
           columnOfTile(tile) - columnOfTile(other) >= -1 && columnOfTile(tile) - columnOfTile(other) <= 1;
}

constexpr int readingPlaceOfTile(int tile)
{
    return rowOfTile(tile) * BOARD_SIZE + columnOfTile(tile);
}

constexpr int tileAtReadingPlace(int place)
{
    return tileAt(place / BOARD_SIZE, place % BOARD_SIZE);
}

constexpr LONG childIdOfTile(int tile)
{
    return (rowOfTile(tile) + 1) * 10 + columnOfTile(tile) + 1;
}

// The tile of the cell that `id` names; false for an id that names no cell.
inline bool tileOfChildId(LONG id, int& tile)
{
    int row = static_cast<int>(id / 10) - 1;
    int column = static_cast<int>(id % 10) - 1;
    tile = tileAt(row, column);
    return isOnBoard(row, column);
}
