// Loading the tile bitmaps and drawing the board: at 100 % each 70 x 70 image shrunk onto a 60 x 60
// tile, above it an image made from the large one for the tile's size; the picked tiles or the tiles of a
// solution's path marked, every mark scaled with the tiles.
#include "ui/board/board_painting.h"

#include <cstdio>

#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_images.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/error_box.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_colours.h"
#include "ui/resources/resource_ids.h"

namespace {

// The images, loaded once, and the working objects of one paint, shared by the board and the About
// box. The paint's are kept here rather than in locals so that beginTilePaint, drawTile and
// endTilePaint share them without passing three handles each; none outlives a paint but slot.
struct TilePainting {
    HBITMAP tileBitmaps[LETTER_COUNT];
    PAINTSTRUCT paintRecord;
    HDC windowContext;
    HDC memoryContext;
    // Kept from tile to tile: a letter outside letterOrder would reuse the previous tile's image.
    int slot;
};

TilePainting painting = {};

const int MISSING_TILE_FONT_HEIGHT = 44;

// A marked tile: an amber wash over the whole tile, light enough that the black letter keeps its
// contrast, inside a deep orange frame; its place in the word stands white on a badge of the
// frame's colour in the top-left corner, clear of the letter. Sizes at 96 dots an inch.
const COLORREF MARK_WASH = RGB(255, 176, 0);
const BYTE MARK_WASH_ALPHA = 72;
const COLORREF MARK_COLOUR = RGB(204, 51, 0);
const COLORREF PLACE_COLOUR = RGB(255, 255, 255);
const int MARK_FRAME_PIXELS = 3;
const int PLACE_FONT_HEIGHT = -11;

void reportMissingBitmap(int slot)
{
    char text[48];
    std::snprintf(text, sizeof text, "Could not load Bitmap %d", slot + 1);
    showErrorBox(mainWindow, text, MB_OK);
}

// A tile without its image still shows its letter, black on a white square.
void drawBareLetter(HDC target, char letter, int x, int y, int side)
{
    RECT square = {x, y, x + side, y + side};
    FillRect(target, &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font =
        CreateFontA(MulDiv(MISSING_TILE_FONT_HEIGHT, side, BASE_TILE_PIXELS), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ keptFont = SelectObject(target, font);
    int keptMode = SetBkMode(target, TRANSPARENT);
    COLORREF keptColour = SetTextColor(target, RGB(0, 0, 0));
    char text[2] = {letter, '\0'};
    DrawTextA(target, text, 1, &square, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(target, keptColour);
    SetBkMode(target, keptMode);
    SelectObject(target, keptFont);
    DeleteObject(font);
}

void findPaintSlot(char letter)
{
    for (int slot = 0; slot < LETTER_COUNT; ++slot) {
        if (letterOrder[slot] == letter) {
            painting.slot = slot;
        }
    }
}

// Under High Contrast the marks take the system's colours of a selection.
COLORREF washColour()
{
    return highContrastOn ? GetSysColor(COLOR_HIGHLIGHT) : MARK_WASH;
}

COLORREF markColour()
{
    return highContrastOn ? GetSysColor(COLOR_HIGHLIGHT) : MARK_COLOUR;
}

COLORREF placeColour()
{
    return highContrastOn ? GetSysColor(COLOR_HIGHLIGHTTEXT) : PLACE_COLOUR;
}

// The focus mark is drawn at once as it moves or the focus comes and goes; a paint draws it again
// over the tile it has just painted.
void paintFocusMark(HDC target)
{
    if (boardHasFocus()) {
        drawFocusMark(target, boardView.focusTile, markedPlace(boardView.focusTile) != 0);
    }
}

// Washes the tile on `canvas` with MARK_WASH, blended from a one-pixel bitmap of that colour.
void washTile(HDC canvas, int side)
{
    HDC wash = CreateCompatibleDC(canvas);
    HBITMAP pixel = CreateCompatibleBitmap(canvas, 1, 1);
    HGDIOBJ keptPixel = SelectObject(wash, pixel);
    SetPixel(wash, 0, 0, washColour());
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, MARK_WASH_ALPHA, 0};
    // gdi32's own AlphaBlend: msimg32's, not a known DLL, would be looked for beside the exe first.
    GdiAlphaBlend(canvas, 0, 0, side, side, wash, 0, 0, 1, 1, blend);
    SelectObject(wash, keptPixel);
    DeleteObject(pixel);
    DeleteDC(wash);
}

// The frame round the tile and the badge in its top-left corner.
void frameTile(HDC canvas, int side)
{
    HBRUSH mark = CreateSolidBrush(markColour());
    RECT edge = {0, 0, side, side};
    for (int ring = 0; ring < boardPixels(MARK_FRAME_PIXELS); ++ring) {
        FrameRect(canvas, &edge, mark);
        InflateRect(&edge, -1, -1);
    }
    RECT badge = placeBadgeRect();
    FillRect(canvas, &badge, mark);
    DeleteObject(mark);
}

void writePlace(HDC canvas, int place)
{
    RECT badge = placeBadgeRect();
    HFONT font = CreateFontA(boardPixels(PLACE_FONT_HEIGHT), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ keptFont = SelectObject(canvas, font);
    int keptMode = SetBkMode(canvas, TRANSPARENT);
    COLORREF keptColour = SetTextColor(canvas, placeColour());
    char text[4];
    int length = std::snprintf(text, sizeof text, "%d", place);
    DrawTextA(canvas, text, length, &badge, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SetTextColor(canvas, keptColour);
    SetBkMode(canvas, keptMode);
    SelectObject(canvas, keptFont);
    DeleteObject(font);
}

// A tile of the marked path, put together on a bitmap of its own and copied onto `target` whole.
void drawMarkedTile(HDC target, int slot, const RECT& square, int place)
{
    int side = square.right - square.left;
    HDC canvas = CreateCompatibleDC(target);
    HBITMAP image = CreateCompatibleBitmap(target, side, side);
    HGDIOBJ keptImage = SelectObject(canvas, image);
    drawTile(canvas, slot, 0, 0, side);
    washTile(canvas, side);
    frameTile(canvas, side);
    writePlace(canvas, place);
    BitBlt(target, square.left, square.top, side, side, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, keptImage);
    DeleteObject(image);
    DeleteDC(canvas);
}

} // namespace

HBITMAP (&tileBitmaps)[LETTER_COUNT] = painting.tileBitmaps;

void loadTileBitmaps()
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int slot = 0; slot < LETTER_COUNT; ++slot) {
        int alphabetical = letterOrder[slot] - 'A';
        tileBitmaps[slot] = LoadBitmapA(module, MAKEINTRESOURCEA(TILE_BITMAP_FIRST + alphabetical));
        if (tileBitmaps[slot] == nullptr) {
            reportMissingBitmap(slot);
        }
    }
    loadLargeTileBitmaps();
}

HDC beginTilePaint(HWND hwnd)
{
    painting.windowContext = BeginPaint(hwnd, &painting.paintRecord);
    painting.memoryContext = CreateCompatibleDC(painting.windowContext);
    return painting.windowContext;
}

void endTilePaint(HWND hwnd)
{
    DeleteDC(painting.memoryContext);
    EndPaint(hwnd, &painting.paintRecord);
}

// Above 100 % the small image would be stretched up: one made from the large image for the tile's
// side is drawn 1:1 instead.
void drawTile(HDC target, int slot, int x, int y, int side)
{
    HBITMAP made = side > BASE_TILE_PIXELS ? tileImageOfSide(slot, side) : nullptr;
    HBITMAP image = made != nullptr ? made : tileBitmaps[slot];
    if (image == nullptr) {
        drawBareLetter(target, letterOrder[slot], x, y, side);
        return;
    }
    HGDIOBJ kept = SelectObject(painting.memoryContext, image);
    BITMAP record = {};
    GetObjectA(image, sizeof record, &record);
    StretchBlt(target, x, y, side, side, painting.memoryContext, 0, 0, record.bmWidth, record.bmHeight, SRCCOPY);
    SelectObject(painting.memoryContext, kept);
}

void paintBoard(HWND hwnd)
{
    HDC target = beginTilePaint(hwnd);
    // In reading order: a letter outside letterOrder takes the image of the tile read before it.
    for (int place = 0; place < TILE_COUNT; ++place) {
        findPaintSlot(gameState.tileLetters[place]);
        int tile = tileAtReadingPlace(place);
        RECT square = tileRect(tile);
        int mark = markedPlace(tile);
        if (mark == 0) {
            drawTile(target, painting.slot, square.left, square.top, square.right - square.left);
        } else {
            drawMarkedTile(target, painting.slot, square, mark);
        }
    }
    paintFocusMark(target);
    endTilePaint(hwnd);
}
