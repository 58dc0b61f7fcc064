// Tracing a word: a press on a tile, a slide through the next ones with the left button held,
// and a release that hands the word in. Windows turns a finger or a pen into the same messages.
#pragma once

#include <windows.h>

#include <tpcshrd.h>

// Once the main window is up: a finger's slide over the board reaches it as a drag of the mouse.
// Windows would otherwise take a one-finger slide for panning (WM_GESTURE, then scroll messages).
void letFingersTrace();

// The answer to WM_TABLET_QUERYSYSTEMGESTURESTATUS over the board: a pen's quick straight stroke
// is no flick (a command of the system's) but a trace, and a press waits for no press-and-hold.
LRESULT penGesturesForTracing();

// WM_LBUTTONDOWN at client pixel (x, y): the tile there is picked or taken back as by a click.
// During a game the press also starts a trace, and the main window takes the mouse until the
// release, so that a slide off the board or out of the window loses nothing.
void pressOnBoard(int x, int y);

// WM_LBUTTONDBLCLK at (x, y). The system makes a double-click of a press close after a click; a
// press close after a traced word was handed in starts the next word instead, and is taken as
// a press: true then. False for a true double-click, which the caller hands in as ever.
bool pressAfterTracedWord(int x, int y);

// WM_MOUSEMOVE at (x, y) with the keys and buttons of wParam: during a trace, entering a tile's
// inner part, anywhere on the line from the last move, picks it as a click would; entering the tile picked just before the last one takes
// the last letter back; a tile picked earlier is passed over. A move without the left button
// (its release never came) ends the trace with nothing handed in.
void slideOverBoard(int x, int y, WPARAM keys);

// WM_LBUTTONUP: ends the trace. True when it picked at least two tiles that are still picked and
// the game it began in still runs: the caller then hands the word in, exactly as Enter does.
bool releaseTrace();

// The system cancelled the trace (another window took the mouse, WM_CANCELMODE) or the player
// pressed Escape during it: nothing is handed in and the picks stay. True when a trace was
// underway, so that Escape does nothing more.
bool cancelTrace();
