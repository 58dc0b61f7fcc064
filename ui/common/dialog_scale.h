// How much larger than at 96 dots an inch a dialog is laid out, across and down.
#pragma once

#include <windows.h>

// The dialog manager lays a template out in dialog units, which follow the dialog font's
// average character width and height, each rounded to whole pixels; the two do not grow by
// DPI / 96, nor by one factor across and down. A dialog's scale is its base units now against
// the same font's at BASE_DPI: exactly 1 both ways at BASE_DPI, whatever the font.
struct DialogScale {
    SIZE units;     // the base units now (MapDialogRect of 4 x 8 dialog units)
    SIZE baseUnits; // the same font's at BASE_DPI
};

// The scale of `dialog`; 1 both ways for no dialog.
DialogScale dialogScale(HWND dialog);

// The base units of `dialog`'s font as the dialog manager measures it at `dpi`: the text metric's
// height and the rounded average width of the 52 letters; (0, 0) for a dialog with no font.
SIZE fontBaseUnits(HWND dialog, int dpi);

// Pixels at BASE_DPI scaled across, down, and by the smaller of the two (for what must stay square).
int scaledAcross(const DialogScale& scale, int pixels);
int scaledDown(const DialogScale& scale, int pixels);
int scaledSquare(const DialogScale& scale, int pixels);

// `place` (at BASE_DPI) scaled across and down.
RECT scaledRect(const DialogScale& scale, const RECT& place);

// A square of `side` pixels centred in `place`.
RECT squareCentredIn(const RECT& place, int side);
