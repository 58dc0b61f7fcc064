// The board's rectangles, all worked out from the tiles' places in tilePositions.
#include "ui/board/board_geometry.h"

#include "ui/board/tile_numbering.h"

const int tilePositions[2 * TILE_COUNT] = {
    70, 130, 190, 250, 70, 130, 190, 250, 70, 130, 190, 250, 70, 130, 190, 250, // x
    70, 70, 70, 70, 130, 130, 130, 130, 190, 190, 190, 190, 250, 250, 250, 250, // y
};

namespace {

const int FOCUS_MARK_INSET = 4;

} // namespace

RECT boardRect()
{
    return RECT{BOARD_ORIGIN, BOARD_ORIGIN, BOARD_END, BOARD_END};
}

RECT tileRect(int tile)
{
    int place = readingPlaceOfTile(tile);
    int x = tilePositions[place];
    int y = tilePositions[TILE_COUNT + place];
    return RECT{x, y, x + TILE_PIXELS, y + TILE_PIXELS};
}

RECT focusMarkRect(int tile)
{
    RECT mark = tileRect(tile);
    InflateRect(&mark, -FOCUS_MARK_INSET, -FOCUS_MARK_INSET);
    return mark;
}

bool tileAtPixel(int x, int y, int& tile)
{
    for (tile = 0; tile < TILE_COUNT; ++tile) {
        RECT square = tileRect(tile);
        if (x >= square.left && x < square.right && y >= square.top && y < square.bottom) {
            return true;
        }
    }
    return false;
}
