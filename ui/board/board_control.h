// The board as a control: in the Tab order after Submit, it takes the arrow keys and Space, and
// passes every click through to the main window's tile picking.
#pragma once

// Lays the control exactly over the painted tiles, whose places are in pixels scaled to the
// window's DPI, not dialog units, with a new board view: the focus mark starts top-left.
void placeBoardControl();

// The board takes the focus from the first deal on: before it there is nothing to pick or read.
void enableBoard();

// Gives the board the focus, once a game's end has left it on no control.
void focusBoard();
