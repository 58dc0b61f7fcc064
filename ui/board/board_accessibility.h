// What a screen reader reads of the board: a table named "Board" of four rows of four cells.
#pragma once

#include <windows.h>

// The answer to the board control's WM_GETOBJECT for its client area; 0 without oleacc.
LRESULT answerBoardObject(WPARAM wParam);

// A new board: the cells are others, and the one under the focus mark is read again.
void raiseNewBoard();
