// The main window at the DPI its Wine prefix gives it (run once each at 96, 120, 144, 168, 192, 216,
// 240 and 288 dots an inch by scale_test.sh): the board in its place among the controls as the
// dialog grows, every tile painted where screen readers are told it is and picked by a click at its
// centre and edges, showing its own letter, sharp at every scale, and a word traced across the tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_painting.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/dialog_scale.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_dpi.h"
#include "ui/resources/resource_ids.h"
#include "windows_test_support.h"

namespace {

// The frame of a marked tile.
const unsigned MARK_FRAME = 0xCC3300;

using Pixels = std::vector<unsigned>;

// The DPI the run was started for; the prefix's own is checked against it.
int expectedDpi()
{
    const char* given = std::getenv("LETTRO_TEST_DPI");
    return given != nullptr ? std::atoi(given) : BASE_DPI;
}

// A width x height area of `window`'s client area at (x, y), as on screen, as 0x00RRGGBB.
Pixels screenArea(HWND window, const RECT& area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ kept = SelectObject(context, canvas);
    HDC windowContext = GetDC(window);
    BitBlt(context, 0, 0, width, height, windowContext, area.left, area.top, SRCCOPY);
    ReleaseDC(window, windowContext);
    GdiFlush();
    const unsigned* pixels = static_cast<const unsigned*>(bits);
    Pixels copy(pixels, pixels + width * height);
    for (unsigned& pixel : copy) {
        pixel &= 0x00FFFFFF;
    }
    SelectObject(context, kept);
    DeleteDC(context);
    DeleteObject(canvas);
    return copy;
}

// The smallest rectangle in client pixels holding every pixel of `colour` within `area`.
RECT boundsOf(HWND window, const RECT& area, unsigned colour)
{
    Pixels pixels = screenArea(window, area);
    int width = area.right - area.left;
    RECT bounds = {area.right, area.bottom, area.left, area.top};
    for (int at = 0; at < static_cast<int>(pixels.size()); ++at) {
        if (pixels[static_cast<std::size_t>(at)] == colour) {
            int x = area.left + at % width;
            int y = area.top + at / width;
            bounds = RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        }
    }
    return bounds;
}

// How wide a letter's edge is: the mean length of the runs of grey (neither near black nor near
// white) pixels along the rows and columns of a side x side tile. Shrunk from a larger drawing an
// edge is a pixel or two wide at any size; stretched up it grows with the stretch.
double edgeWidth(const Pixels& tile, int side)
{
    auto grey = [&](int x, int y) {
        unsigned green = tile[static_cast<std::size_t>(y * side + x)] >> 8 & 0xFF;
        return green > 40 && green < 215;
    };
    // Inside the tile's own edge, where only the letter is.
    int first = side / 6;
    int last = side - side / 6;
    int runs = 0;
    int greys = 0;
    for (int line = first; line < last; ++line) {
        for (int step = first + 1; step < last; ++step) {
            greys += (grey(step, line) ? 1 : 0) + (grey(line, step) ? 1 : 0);
            runs += grey(step, line) && !grey(step - 1, line) ? 1 : 0;
            runs += grey(line, step) && !grey(line, step - 1) ? 1 : 0;
        }
    }
    return runs != 0 ? static_cast<double>(greys) / runs : 0.0;
}

// An image's green, 0 to 255, averaged over each cell of a GRID x GRID division of a side x side
// picture: compared cell by cell, two pictures of one drawing at different sizes agree, whatever
// each pixel's rounding.
const int GRID = 10;

std::vector<int> cellGreens(const Pixels& picture, int side)
{
    std::vector<int> cells;
    for (int cell = 0; cell < GRID * GRID; ++cell) {
        int sum = 0, count = 0;
        for (int y = cell / GRID * side / GRID; y < (cell / GRID + 1) * side / GRID; ++y) {
            for (int x = cell % GRID * side / GRID; x < (cell % GRID + 1) * side / GRID; ++x) {
                sum += static_cast<int>(picture[static_cast<std::size_t>(y * side + x)] >> 8 & 0xFF);
                ++count;
            }
        }
        cells.push_back(sum / count);
    }
    return cells;
}

// The 70 x 70 pixels of the image of slot `slot`, as loaded from the resources.
Pixels imagePixels(int slot, int& side)
{
    BITMAP record = {};
    GetObjectA(tileBitmaps[slot], sizeof record, &record);
    side = record.bmWidth;
    Pixels pixels(static_cast<std::size_t>(side * side));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, tileBitmaps[slot], 0, static_cast<UINT>(side), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// How far a side x side picture on screen is from each of the 26 images: the largest difference
// of one cell's green.
std::vector<int> distancesToEveryImage(const Pixels& shown, int side)
{
    std::vector<int> cells = cellGreens(shown, side);
    std::vector<int> distances;
    for (int slot = 0; slot < LETTER_COUNT; ++slot) {
        int imageSide = 0;
        Pixels image = imagePixels(slot, imageSide);
        std::vector<int> imageCells = cellGreens(image, imageSide);
        int largest = 0;
        for (std::size_t cell = 0; cell < cells.size(); ++cell) {
            largest = std::max(largest, std::abs(cells[cell] - imageCells[cell]));
        }
        distances.push_back(largest);
    }
    return distances;
}

RECT clientRect(HWND dialog, long left, long top, long width, long height)
{
    RECT place = {left, top, left + width, top + height};
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::string text(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") - (" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

class Scale : public ::testing::Test {
  protected:
    HWND dialog = nullptr;
    int dpi = BASE_DPI;

    void SetUp() override
    {
        dialog = openMainWindow("ab abc cab");
        ASSERT_NE(dialog, nullptr);
        dpi = windowDpi(dialog);
        newGameWithBoard(dialog, "ABCDEFGHIJKLMNOP");
    }

    void TearDown() override
    {
        DestroyWindow(dialog);
        pumpMessages();
    }

    // A tile's place on screen, as its cell's accLocation gives it, in client pixels.
    RECT cellLocation(int tile)
    {
        IAccessible* table = nullptr;
        AccessibleObjectFromWindow(GetDlgItem(dialog, IDC_BOARD), static_cast<DWORD>(OBJID_CLIENT),
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&table));
        long left = 0, top = 0, width = 0, height = 0;
        VARIANT cell;
        cell.vt = VT_I4;
        cell.lVal = childIdOfTile(tile);
        if (table != nullptr) {
            table->accLocation(&left, &top, &width, &height, cell);
            table->Release();
        }
        return clientRect(dialog, left, top, width, height);
    }

    // A control's place in the main window's client pixels.
    RECT controlRect(int id)
    {
        RECT place;
        GetWindowRect(GetDlgItem(dialog, id), &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    std::string field()
    {
        return controlText(dialog, IDC_WORD_FIELD);
    }

    // A click's message, with the cursor elsewhere by the time it is handled: the click's own
    // place counts.
    void clickAt(int x, int y)
    {
        SetCursorPos(0, 0);
        SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        pumpMessages();
    }
};

// The base units at 96 are measured as the dialog manager measures its font: so measured at this
// DPI, the font gives what the dialog manager laid the window out with.
TEST_F(Scale, RunsAtTheDpiOfItsPrefixWithTheDialogsOwnBaseUnits)
{
    EXPECT_EQ(dpi, expectedDpi());
    SIZE measured = fontBaseUnits(dialog, dpi);
    SIZE laidOut = dialogScale(dialog).units;
    EXPECT_EQ(measured.cx, laidOut.cx);
    EXPECT_EQ(measured.cy, laidOut.cy);
}

// The board's place at 96 dots an inch, scaled across and down as the dialog is, found from the
// found-words list on its right and the word field below it: their gaps to that place at 96, in
// dialog units the same at every DPI, scaled and measured back from where they stand now.
TEST_F(Scale, BoardSitsCentredInItsPlaceAmongTheControlsAndNoControlCoversIt)
{
    DialogScale scale = dialogScale(dialog);
    // To dialog units (a quarter of the base unit across, an eighth down) and back at 96.
    auto at96 = [&](LONG pixels, LONG units, LONG baseUnits, int parts) {
        return MulDiv(MulDiv(pixels, parts, units), baseUnits, parts);
    };
    RECT list = controlRect(IDC_FOUND_WORDS);
    RECT field = controlRect(IDC_WORD_FIELD);
    LONG gapAcross = at96(list.left, scale.units.cx, scale.baseUnits.cx, 4) - BASE_BOARD_PLACE.right;
    LONG gapDown = at96(field.top, scale.units.cy, scale.baseUnits.cy, 8) - BASE_BOARD_PLACE.bottom;
    RECT place = {0, 0, list.left - scaledAcross(scale, gapAcross), field.top - scaledDown(scale, gapDown)};
    place.left = place.right - scaledAcross(scale, BASE_BOARD_PLACE.right - BASE_BOARD_PLACE.left);
    place.top = place.bottom - scaledDown(scale, BASE_BOARD_PLACE.bottom - BASE_BOARD_PLACE.top);
    RECT board = boardRect();
    EXPECT_EQ(board.right - board.left, BOARD_SIZE * tilePixels());
    EXPECT_EQ(board.bottom - board.top, BOARD_SIZE * tilePixels());
    EXPECT_NEAR(std::min(place.right - place.left, place.bottom - place.top), board.right - board.left, 3);
    EXPECT_NEAR(board.left + board.right, place.left + place.right, 2 * 3) << text(board) << " in " << text(place);
    EXPECT_NEAR(board.top + board.bottom, place.top + place.bottom, 2 * 3) << text(board) << " in " << text(place);
    RECT control = controlRect(IDC_BOARD), overlap;
    EXPECT_TRUE(EqualRect(&control, &board)) << text(control) << " against " << text(board);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT covered = controlRect(GetDlgCtrlID(child));
        bool covers = child != GetDlgItem(dialog, IDC_BOARD) && IsWindowVisible(child) &&
                      IntersectRect(&overlap, &covered, &board);
        EXPECT_FALSE(covers) << "control " << GetDlgCtrlID(child) << " at " << text(covered) << " over the board";
    }
}

// Each tile in turn is clicked at the centre of the place screen readers are told it has, picked,
// its frame found on screen, and taken back and picked again by clicks at its corners.
TEST_F(Scale, EveryTileIsPaintedWhereItsCellSaysAndAClickAtItsCentreOrEdgePicksIt)
{
    for (int place = 0; place < TILE_COUNT; ++place) {
        int tile = tileAtReadingPlace(place);
        RECT location = cellLocation(tile);
        int centreX = (location.left + location.right) / 2;
        int centreY = (location.top + location.bottom) / 2;
        std::string letter(1, gameState.tileLetters[place]);
        clickAt(centreX, centreY);
        ASSERT_EQ(field(), letter) << "a click at the centre of cell " << place;
        UpdateWindow(dialog);
        RECT around = location;
        InflateRect(&around, location.right - location.left, location.bottom - location.top);
        RECT framed = boundsOf(dialog, around, MARK_FRAME);
        EXPECT_TRUE(EqualRect(&framed, &location)) << "cell " << place << " is at " << text(location)
                                                    << ", its picked tile painted at " << text(framed);
        clickAt(location.left, location.top);
        EXPECT_EQ(field(), "") << "a click at the top-left pixel of cell " << place << " takes it back";
        clickAt(location.right - 1, location.bottom - 1);
        EXPECT_EQ(field(), letter) << "a click at the bottom-right pixel of cell " << place << " picks it";
        clickAt(centreX, centreY);
        ASSERT_EQ(field(), "");
    }
}

// A word traced at this scale: through A, B and C, back onto B (C taken back), past F's corner
// (not picked) and on to C again; let go, the word is handed in.
TEST_F(Scale, WordTracedThroughTheTilesIsHandedIn)
{
    RECT f = tileRect(tileAt(1, 1));
    int edge = tilePixels() / 12;
    const std::vector<POINT> path = {tileCentre(tileAt(0, 0)), tileCentre(tileAt(0, 1)), tileCentre(tileAt(0, 2)),
                                     tileCentre(tileAt(0, 1)), {f.right - edge, f.top + edge},   tileCentre(tileAt(0, 2))};
    EXPECT_EQ(tracedFields(dialog, path), (std::vector<std::string>{"A", "AB", "ABC", "AB", "AB", "ABC"}));
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(path[5].x, path[5].y));
    EXPECT_EQ(listItems(GetDlgItem(dialog, IDC_FOUND_WORDS)), std::vector<std::string>{"ABC"});
}

// At 100 % the board is what it has always been: tiles 60 pixels square from (70, 70), each
// the 70 x 70 image shrunk as StretchBlt shrinks it.
TEST_F(Scale, At96TheBoardIsPixelForPixelAsAlways)
{
    if (dpi != BASE_DPI) {
        GTEST_SKIP() << "at " << dpi << " dots an inch";
    }
    RECT board = boardRect();
    EXPECT_TRUE(EqualRect(&board, &BASE_BOARD_PLACE)) << text(board);
    for (int place = 0; place < TILE_COUNT; ++place) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[place]));
        int x = BASE_BOARD_PLACE.left + BASE_TILE_PIXELS * (place % BOARD_SIZE);
        int y = BASE_BOARD_PLACE.top + BASE_TILE_PIXELS * (place / BOARD_SIZE);
        EXPECT_TRUE(screenSquare(dialog, x, y) == shrunkTile(slot)) << "tile " << place;
    }
}

// Each tile shows its own letter: of the 26 images, its own is by far the nearest to what is on
// screen. And a letter's edge is as thin at any scale as at 100 %: tiles are made from a larger
// drawing, never stretched up from the 70-pixel one.
TEST_F(Scale, EveryTileShowsItsOwnLetterAsSharpAsAt96)
{
    int side = tilePixels();
    for (int place = 0; place < TILE_COUNT; ++place) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[place]));
        Pixels shown = screenArea(dialog, tileRect(tileAtReadingPlace(place)));
        std::vector<int> distances = distancesToEveryImage(shown, side);
        for (int other = 0; other < LETTER_COUNT; ++other) {
            EXPECT_TRUE(other == slot || 2 * distances[slot] < distances[other])
                << "tile " << place << " (" << letterOrder[slot] << ") is " << distances[slot] << " from its image, "
                << distances[other] << " from " << letterOrder[other] << "'s";
        }
        double scaled = edgeWidth(shown, side);
        double reference = edgeWidth(shrunkTile(slot), BASE_TILE_PIXELS);
        EXPECT_GT(scaled, 0.5) << "tile " << place << ": no edge found";
        EXPECT_LT(scaled, reference * 1.3 + 0.4) << "tile " << place << " at " << side << " pixels; at 60: " << reference;
    }
}

// The focus mark on a picked tile: a frame of dots as thick as the system's focus border grown with
// the tiles, which leaves the badge of the tile's place alone and is gone once the focus leaves.
TEST_F(Scale, FocusMarkGrowsWithTheTilesGoesRoundThePlaceAndLeavesNoTrace)
{
    int tile = tileAtReadingPlace(0);
    RECT square = tileRect(tile);
    clickAt(square.left + tilePixels() / 2, square.top + tilePixels() / 2);
    ASSERT_EQ(field(), std::string(1, gameState.tileLetters[0]));
    UpdateWindow(dialog);
    Pixels unfocused = screenArea(dialog, square);
    SetFocus(GetDlgItem(dialog, IDC_BOARD));
    pumpMessages();
    Pixels focused = screenArea(dialog, square);
    int side = tilePixels();
    RECT mark = focusMarkRect(tile), badge = placeBadgeRect(), changed = {side, side, 0, 0}, overlap;
    OffsetRect(&mark, -square.left, -square.top);
    int bandRows = 0, bandColumns = 0;
    for (int line = 0; line < side; ++line) {
        bool rowChanged = false, columnChanged = false;
        for (int step = side / 3; step < side - side / 3; ++step) {
            rowChanged = rowChanged || focused[line * side + step] != unfocused[line * side + step];
            columnChanged = columnChanged || focused[step * side + line] != unfocused[step * side + line];
        }
        bandRows += rowChanged ? 1 : 0;
        bandColumns += columnChanged ? 1 : 0;
        for (int x = 0; x < side; ++x) {
            if (focused[line * side + x] != unfocused[line * side + x]) {
                RECT pixel = {x, line, x + 1, line + 1};
                EXPECT_FALSE(IntersectRect(&overlap, &pixel, &badge)) << "the mark at " << x << ", " << line;
                UnionRect(&changed, &changed, &pixel);
            }
        }
    }
    EXPECT_TRUE(EqualRect(&changed, &mark)) << text(changed) << " against " << text(mark);
    UINT width = 1, height = 1;
    SystemParametersInfoA(SPI_GETFOCUSBORDERWIDTH, 0, &width, 0);
    SystemParametersInfoA(SPI_GETFOCUSBORDERHEIGHT, 0, &height, 0);
    EXPECT_EQ(bandRows, 2 * boardPixels(static_cast<int>(height))) << "its top and bottom";
    EXPECT_EQ(bandColumns, 2 * boardPixels(static_cast<int>(width))) << "its left and right";
    SetFocus(GetDlgItem(dialog, IDC_WORD_FIELD));
    pumpMessages();
    EXPECT_TRUE(screenArea(dialog, square) == unfocused);
}

// A move to a monitor of another DPI lays the dialog's controls out again from the template; the
// board control is laid back over the tiles once that is done.
TEST_F(Scale, DpiChangeLaysTheBoardControlBackOverTheTiles)
{
    HWND control = GetDlgItem(dialog, IDC_BOARD);
    MoveWindow(control, 0, 0, 10, 10, FALSE);
    RECT window;
    GetWindowRect(dialog, &window);
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&window));
    pumpMessages();
    RECT placed = controlRect(IDC_BOARD), board = boardRect();
    EXPECT_TRUE(EqualRect(&placed, &board)) << text(placed) << " against " << text(board);
}

} // namespace
