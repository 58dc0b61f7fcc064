// The tile images for tiles larger than 60 pixels: the large set (140 x 140) shrunk to the tile's
// size by averaging, so that no tile is ever stretched up from a smaller image.
#pragma once

#include <windows.h>

#include "engine/deal.h"

// Slot i holds the large image of letterOrder[i]; null where it could not be loaded.
extern HBITMAP largeTileBitmaps[LETTER_COUNT];

// Loads the 26 large images in letterOrder order. One missing is not reported: its tile is drawn
// from the small image, as at 100 %.
void loadLargeTileBitmaps();

// The image of slot `slot` as a `side` x `side` bitmap, shrunk from its large image: each pixel the
// average of the large pixels it covers, weighted by how much of each it covers. Made once for each
// side and kept until another side is asked for; null without a large image, or for a side
// larger than the large image.
HBITMAP tileImageOfSide(int slot, int side);
