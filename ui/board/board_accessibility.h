// What a screen reader reads of the board: a table named "Board" of four rows of four cells.
#pragma once

#include <windows.h>

// The answer to the board control's WM_GETOBJECT for its client area; 0 without oleacc.
LRESULT answerBoardObject(WPARAM wParam);

// The child id, within the table, of the cell of the tile `tile` (reading order): the row's number
// then the column's, from 1 ("23" is row 2, column 3).
LONG cellChildId(int tile);

// Tells screen readers of a change: the focus mark moved to `tile`, or the tile's pick changed.
void raiseCellFocus(int tile);
void raiseCellStateChange(int tile);

// A new board: the cells are others, and the one under the focus mark is read again.
void raiseNewBoard();
