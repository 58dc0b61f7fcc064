// Loading the tile bitmaps and drawing the board: each 70 x 70 image shrunk onto a 60 x 60 tile.
#include "ui/board_painting.h"

#include <cstdio>

#include "ui/board_geometry.h"
#include "ui/resources/resource_ids.h"
#include "ui/ui_state.h"

HBITMAP tileBitmaps[LETTER_COUNT];

const int tilePositions[2 * TILE_COUNT] = {
    70, 130, 190, 250, 70, 130, 190, 250, 70, 130, 190, 250, 70, 130, 190, 250, // x
    70, 70, 70, 70, 130, 130, 130, 130, 190, 190, 190, 190, 250, 250, 250, 250, // y
};

namespace {

// The working objects of one paint, shared by the board and the About box.
PAINTSTRUCT paintRecord;
HDC windowContext;
HDC memoryContext;
HGDIOBJ keptBitmap;
BITMAP bitmapRecord;
// Kept from tile to tile: a letter outside letterOrder would reuse the previous tile's image.
int paintSlot = 0;

const int MISSING_TILE_FONT_HEIGHT = 44;

void reportMissingBitmap(int slot)
{
    char text[48];
    std::snprintf(text, sizeof text, "Could not load Bitmap %d", slot + 1);
    MessageBoxA(mainWindow, text, ERROR_BOX_TITLE, MB_ICONEXCLAMATION);
}

// A tile without its image still shows its letter, black on a white square.
void drawBareLetter(HDC target, char letter, int x, int y)
{
    RECT square = {x, y, x + TILE_PIXELS, y + TILE_PIXELS};
    FillRect(target, &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontA(MISSING_TILE_FONT_HEIGHT, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
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
            paintSlot = slot;
        }
    }
}

} // namespace

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
}

HDC beginTilePaint(HWND hwnd)
{
    windowContext = BeginPaint(hwnd, &paintRecord);
    memoryContext = CreateCompatibleDC(windowContext);
    return windowContext;
}

void endTilePaint(HWND hwnd)
{
    DeleteDC(memoryContext);
    EndPaint(hwnd, &paintRecord);
}

void drawTile(HDC target, int slot, int x, int y)
{
    if (tileBitmaps[slot] == nullptr) {
        drawBareLetter(target, letterOrder[slot], x, y);
        return;
    }
    keptBitmap = SelectObject(memoryContext, tileBitmaps[slot]);
    GetObjectA(tileBitmaps[slot], sizeof bitmapRecord, &bitmapRecord);
    StretchBlt(target, x, y, TILE_PIXELS, TILE_PIXELS, memoryContext, 0, 0, bitmapRecord.bmWidth,
               bitmapRecord.bmHeight, SRCCOPY);
    SelectObject(memoryContext, keptBitmap);
}

void paintBoard(HWND hwnd, HWND wordField)
{
    HDC target = beginTilePaint(hwnd);
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        findPaintSlot(gameState.tileLetters[tile]);
        drawTile(target, paintSlot, tilePositions[tile], tilePositions[TILE_COUNT + tile]);
    }
    endTilePaint(hwnd);
    SetFocus(wordField);
}
