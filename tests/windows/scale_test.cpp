// The main window at the DPI its Wine prefix gives it (run once each at 96, 144 and 192 dots an
// inch by scale_test.sh): the board over the template's place, every tile painted where screen
// readers are told it is and picked by a click at its centre, a word traced across the tiles,
// sharp at every scale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_painting.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_dpi.h"
#include "ui/resources/resource_ids.h"
#include "windows_test_support.h"

namespace {

// The board control's place in the main window's template, in dialog units.
const RECT TEMPLATE_BOARD = {28, 29, 28 + 96, 29 + 101};
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
        SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
        const char letters[] = "ABCDEFGHIJKLMNOP";
        for (int place = 0; place < TILE_COUNT; ++place) {
            gameState.tileLetters[place] = letters[place];
        }
        layOutBoard();
        solveBoard();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        pumpMessages();
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

TEST_F(Scale, RunsAtTheDpiOfItsPrefix)
{
    EXPECT_EQ(dpi, expectedDpi());
}

TEST_F(Scale, BoardLiesOverTheTemplatesPlaceForItAndTheControlOverTheBoard)
{
    RECT place = TEMPLATE_BOARD;
    MapDialogRect(dialog, &place);
    RECT board = boardRect();
    // The template's rectangle comes from the dialog's font, the board's from the DPI: they round apart.
    int slack = scaledPixels(8, dpi);
    EXPECT_NEAR(board.left, place.left, slack) << text(board) << " against " << text(place);
    EXPECT_NEAR(board.top, place.top, slack) << text(board) << " against " << text(place);
    EXPECT_NEAR(board.right, place.right, slack) << text(board) << " against " << text(place);
    EXPECT_NEAR(board.bottom, place.bottom, slack) << text(board) << " against " << text(place);
    RECT control;
    GetWindowRect(GetDlgItem(dialog, IDC_BOARD), &control);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control), 2);
    EXPECT_TRUE(EqualRect(&control, &board)) << text(control) << " against " << text(board);
}

// Each tile in turn is clicked at the centre of the place screen readers are told it has, picked,
// its frame found on screen, and clicked again to take it back.
TEST_F(Scale, EveryTileIsPaintedWhereItsCellSaysAndAClickAtItsCentrePicksIt)
{
    for (int place = 0; place < TILE_COUNT; ++place) {
        int tile = tileAtReadingPlace(place);
        RECT location = cellLocation(tile);
        int centreX = (location.left + location.right) / 2;
        int centreY = (location.top + location.bottom) / 2;
        clickAt(centreX, centreY);
        ASSERT_EQ(field(), std::string(1, gameState.tileLetters[place])) << "a click at the centre of cell " << place;
        UpdateWindow(dialog);
        RECT around = location;
        InflateRect(&around, location.right - location.left, location.bottom - location.top);
        RECT framed = boundsOf(dialog, around, MARK_FRAME);
        EXPECT_TRUE(EqualRect(&framed, &location)) << "cell " << place << " is at " << text(location)
                                                    << ", its picked tile painted at " << text(framed);
        clickAt(centreX, centreY);
        ASSERT_EQ(field(), "") << "a second click takes it back";
    }
}

// A word traced at this scale: through A, B and C, back onto B (C taken back), past F's corner
// (not picked) and on to C again; let go, the word is handed in.
TEST_F(Scale, WordTracedThroughTheTilesIsHandedIn)
{
    RECT f = tileRect(tileAt(1, 1));
    int edge = tilePixels() / 12;
    const POINT path[] = {tileCentre(tileAt(0, 0)), tileCentre(tileAt(0, 1)), tileCentre(tileAt(0, 2)),
                          tileCentre(tileAt(0, 1)), {f.right - edge, f.top + edge},   tileCentre(tileAt(0, 2))};
    const char* fields[] = {"A", "AB", "ABC", "AB", "AB", "ABC"};
    for (int step = 0; step < 6; ++step) {
        UINT message = step == 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
        SendMessageA(dialog, message, MK_LBUTTON, MAKELPARAM(path[step].x, path[step].y));
        EXPECT_EQ(field(), fields[step]) << "step " << step;
    }
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
    EXPECT_EQ(text(board), text(RECT{70, 70, 310, 310}));
    for (int place = 0; place < TILE_COUNT; ++place) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[place]));
        int x = 70 + 60 * (place % BOARD_SIZE);
        int y = 70 + 60 * (place / BOARD_SIZE);
        EXPECT_TRUE(screenSquare(dialog, x, y) == shrunkTile(slot)) << "tile " << place;
    }
}

// A letter's edge is as thin at any scale as at 100 %: tiles are shrunk from a larger drawing,
// never stretched up from the 70-pixel one.
TEST_F(Scale, LettersEdgesAreAsThinAsAt96)
{
    int side = tilePixels();
    for (int place = 0; place < TILE_COUNT; ++place) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[place]));
        RECT square = tileRect(tileAtReadingPlace(place));
        double scaled = edgeWidth(screenArea(dialog, square), side);
        double reference = edgeWidth(shrunkTile(slot), BASE_TILE_PIXELS);
        EXPECT_GT(scaled, 0.5) << "tile " << place << ": no edge found";
        EXPECT_LT(scaled, reference * 1.3 + 0.2) << "tile " << place << " at " << side << " pixels; at 60: " << reference;
    }
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
    RECT placed, board = boardRect();
    GetWindowRect(control, &placed);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&placed, &board)) << text(placed) << " against " << text(board);
}

} // namespace
