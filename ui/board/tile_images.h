// The tile images for tiles larger than 60 pixels, made from the large set (184 x 184): shrunk
// by averaging up to 184 pixels (300 % and a little past it), grown smoothly beyond, so that no
// tile is ever stretched up from a smaller image with hard steps.
#pragma once

#include <windows.h>

#include "engine/deal.h"

// The side of the large images.
constexpr int LARGE_TILE_PIXELS = 184;

// Finds the 26 large images among the program's resources, in letterOrder order. One missing or
// not of the layout the generator writes is not reported: its tile is drawn from the small
// image, as at 100 %.
void loadLargeTileBitmaps();

// The image of slot `slot` as a `side` x `side` bitmap: each pixel the average of the large
// pixels it covers, weighted by how much of each it covers, or, for a side past the large image's,
// blended from the four nearest large pixels. Made once for each side and kept until another side
// is asked for, so that no paint reads an image's pixels; null without a large image.
HBITMAP tileImageOfSide(int slot, int side);
