// The board on screen: painted from the tile images after a deal, and picked with the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include <tpcshrd.h>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_numbering.h"
#include "ui/board/tile_picking.h"
#include "ui/common/window_colours.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/spoken_texts.h"
#include "windows_test_support.h"

namespace {

// ---- reading the board as a screen reader does, through MSAA ----

LONG numberOf(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*))
{
    VARIANT value;
    VariantInit(&value);
    (object->*get)(self(), &value);
    return value.vt == VT_I4 ? value.lVal : -1;
}

// The children of `object` that are objects of their own, each with its reference.
std::vector<IAccessible*> childrenOf(IAccessible* object)
{
    VARIANT found[16];
    LONG count = 0;
    AccessibleChildren(object, 0, 16, found, &count);
    std::vector<IAccessible*> children;
    for (LONG at = 0; at < count; ++at) {
        IAccessible* child = nullptr;
        if (found[at].vt == VT_DISPATCH && found[at].pdispVal != nullptr) {
            found[at].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
            found[at].pdispVal->Release();
        }
        children.push_back(child);
    }
    return children;
}

// A cell of the table by its child id: the row's number, then the column's, each from 1.
VARIANT cellId(LONG id)
{
    VARIANT cell = self();
    cell.lVal = id;
    return cell;
}

// The name of the object that a hit test or a move hands out, which it lets go; empty when none.
std::string nameOfFound(VARIANT found)
{
    std::string name = found.vt == VT_DISPATCH ? nameOf(static_cast<IAccessible*>(found.pdispVal)) : "";
    VariantClear(&found);
    return name;
}

std::string nameReached(IAccessible* from, LONG direction)
{
    VARIANT found;
    from->accNavigate(direction, self(), &found);
    return nameOfFound(found);
}

IAccessible* tableOf(HWND dialog)
{
    IAccessible* table = nullptr;
    AccessibleObjectFromWindow(GetDlgItem(dialog, IDC_BOARD), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&table));
    return table;
}

// Every cell of the table, row by row, in the order the table hands them out.
std::vector<IAccessible*> cellsOf(IAccessible* table)
{
    std::vector<IAccessible*> cells;
    for (IAccessible* row : childrenOf(table)) {
        EXPECT_EQ(numberOf(row, &IAccessible::get_accRole), ROLE_SYSTEM_ROW);
        for (IAccessible* cell : childrenOf(row)) {
            cells.push_back(cell);
        }
        row->Release();
    }
    return cells;
}

class Board : public ::testing::Test {
  protected:
    HWND dialog = nullptr;

    void SetUp() override
    {
        dialog = openMainWindow("ab abc cab");
        ASSERT_NE(dialog, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(dialog);
        pumpMessages();
    }

    void newGameWithBoard(const char* readingOrder)
    {
        ::newGameWithBoard(dialog, readingOrder);
    }

    std::string field()
    {
        return controlText(dialog, IDC_WORD_FIELD);
    }

    HWND control(int id)
    {
        return GetDlgItem(dialog, id);
    }
};

TEST_F(Board, EachSquareShowsItsOwnLettersImage)
{
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    UpdateWindow(dialog);
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[tile]));
        RECT square = tileRect(tileAtReadingPlace(tile));
        EXPECT_TRUE(screenSquare(dialog, square.left, square.top) == shrunkTile(slot))
            << "tile " << tile << " letter " << gameState.tileLetters[tile];
    }
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_WORD_FIELD)) << "painting hands the focus to the word field";
}

TEST_F(Board, RepeatedLetterShowsTheSameImageInEachPlace)
{
    newGameWithBoard("QQQQQQQQQQQQQQQQ");
    std::vector<unsigned> q = shrunkTile(17);
    EXPECT_TRUE(screenSquare(dialog, 70, 70) == q);
    EXPECT_TRUE(screenSquare(dialog, 250, 250) == q);
}

TEST_F(Board, HitTestCoversPixelsSeventyToThreeHundredAndNineOnBothAxes)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    // Along row 2: 69 and 310 miss; 129 is still column 0, so it unpicks the I.
    const char* afterEachColumnPress[] = {"", "I", "", "J", "JL", "JL"};
    const int along[] = {69, 70, 129, 130, 309, 310};
    for (int press = 0; press < 6; ++press) {
        pressMouseAt(dialog, along[press], 200);
        EXPECT_EQ(field(), afterEachColumnPress[press]) << "x = " << along[press];
    }
    pressMouseAt(dialog, 20, 20, WM_LBUTTONDBLCLK);
    const char* afterEachRowPress[] = {"", "C", "", "G", "GO", "GO"};
    for (int press = 0; press < 6; ++press) {
        pressMouseAt(dialog, 200, along[press]);
        EXPECT_EQ(field(), afterEachRowPress[press]) << "y = " << along[press];
    }
}

TEST_F(Board, PickedTilesGiveTheirLetterBackOnlyFromTheEndOfTheWord)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 80, 80);
    pressMouseAt(dialog, 140, 80);
    EXPECT_EQ(field(), "AB");
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(field(), "AB") << "the word ends with B, so A stays picked";
    pressMouseAt(dialog, 140, 80);
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(field(), "");
    EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), "took back A: no word");
    pressMouseAt(dialog, 200, 260);
    EXPECT_EQ(field(), "O") << "picking applies no neighbour rule";
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_WORD_FIELD));
    typeInto(GetDlgItem(dialog, IDC_WORD_FIELD), "x");
    EXPECT_EQ(field(), "Ox") << "typing after a pick adds to the end";
}

TEST_F(Board, TakingBackOneOfTwoEqualLettersLeavesNoMarkPastTheWordsEnd)
{
    newGameWithBoard("ABCA" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 80, 80);
    pressMouseAt(dialog, 260, 80);
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(field(), "A");
    EXPECT_EQ(pickedPlace(boardIndex(3, 0)), 1) << "the A still picked is the word's first letter";
}

TEST_F(Board, FieldEmptiedByKeyboardLeavesTilesPicked)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 80, 80);
    typeInto(GetDlgItem(dialog, IDC_WORD_FIELD), "\b");
    EXPECT_EQ(field(), "");
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(field(), "") << "a picked tile whose letter does not end the word does nothing";
    pressMouseAt(dialog, 140, 80);
    EXPECT_EQ(field(), "B");
}

TEST_F(Board, ClicksBeforeTheFirstGamePickButAddNothing)
{
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(field(), "");
    EXPECT_EQ(gameState.picked[0], 1);
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(gameState.picked[0], 1) << "the empty field has no letter to give back";
}

TEST_F(Board, DoubleClickOnATilePicksItThenHandsTheWordIn)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 80, 80);
    pressMouseAt(dialog, 140, 80);
    pressMouseAt(dialog, 200, 80);
    pressMouseAt(dialog, 200, 80, WM_LBUTTONDBLCLK);
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1");
    EXPECT_EQ(field(), "");
    for (char pick : gameState.picked) {
        EXPECT_EQ(pick, 0);
    }
}

// The marks of the picks are those that Solutions gives a word's path: the same tiles in the same order.
TEST_F(Board, PickedTilesAreMarkedInTheirOrderUntilTheWordIsHandedIn)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 200, 80);
    pressMouseAt(dialog, 80, 80);
    EXPECT_EQ(changedTilesOf(dialog), (std::vector<int>{0, 2}));
    std::vector<unsigned> c = screenSquare(dialog, 190, 70), a = screenSquare(dialog, 70, 70);
    SendMessageA(dialog, WM_COMMAND, IDC_SUBMIT, 0);
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{}) << "handing the word in clears them";
    markSolutionPath(SolutionPath{{boardIndex(2, 0), boardIndex(0, 0)}, 2});
    UpdateWindow(dialog);
    EXPECT_TRUE(screenSquare(dialog, 190, 70) == c) << "C marked first";
    EXPECT_TRUE(screenSquare(dialog, 70, 70) == a) << "A marked second";
    clearSolutionPath();
}

TEST_F(Board, MarksTakeTheSystemsHighlightUnderHighContrast)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    highContrastOn = true;
    pressMouseAt(dialog, 80, 80);
    UpdateWindow(dialog);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    unsigned frame = GetRValue(highlight) << 16 | GetGValue(highlight) << 8 | GetBValue(highlight);
    std::vector<unsigned> square = screenSquare(dialog, 70, 70);
    EXPECT_EQ(square[30 * 60], frame) << "the left edge of the frame";
    COLORREF text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    unsigned number = GetRValue(text) << 16 | GetGValue(text) << 8 | GetBValue(text);
    int numberPixels = 0;
    for (int y = 0; y < 15; ++y) {
        numberPixels += static_cast<int>(std::count(square.begin() + y * 60, square.begin() + y * 60 + 19, number));
    }
    EXPECT_GT(numberPixels, 5) << "the place's number stands in the highlight's text colour on the badge";
    highContrastOn = false;
}

// ---- the board from the keyboard ----

TEST_F(Board, TabGoesRoundTheWordFieldSubmitTheBoardAndTheList)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    ASSERT_EQ(GetFocus(), control(IDC_WORD_FIELD));
    for (int id : {IDC_SUBMIT, IDC_BOARD, IDC_FOUND_WORDS, IDC_WORD_FIELD}) {
        watchEvents(EVENT_OBJECT_FOCUS);
        pressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), control(id)) << "Tab to control " << id;
        if (id == IDC_BOARD) {
            std::vector<std::string> heard = watchedNames();
            EXPECT_EQ(heard.empty() ? "" : heard.back(), "A, row 1, column 1") << "the reader moves on to the cell";
        }
    }
    pressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), control(IDC_FOUND_WORDS)) << "Shift+Tab goes back";
    // A word picked on the board, then Shift+Tab into the word field: a letter typed extends it.
    for (bool shift : {true, false}) {
        SetFocus(control(IDC_BOARD));
        pressKey(shift ? VK_HOME : VK_RIGHT);
        pressKey(VK_SPACE);
        pressKey(VK_TAB, shift);
        pressKey(VK_TAB, shift);
        ASSERT_EQ(GetFocus(), control(IDC_WORD_FIELD));
        typeKeys("x");
    }
    EXPECT_EQ(field(), "AxBx") << "Shift+Tab and Tab into the field put the caret after the word";
}

TEST_F(Board, SpaceAndTheArrowsPickFromTheBoardWithoutWrappingAndEnterHandsTheWordIn)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    pressKey(VK_SPACE);
    PostMessageA(control(IDC_BOARD), WM_KEYDOWN, VK_SPACE, 0x40000001);
    pumpMessages();
    EXPECT_EQ(field(), "A") << "a held Space picks once";
    pressKey(VK_DOWN);
    pressKey(VK_SPACE);
    EXPECT_EQ(field(), "AE");
    EXPECT_EQ(GetFocus(), control(IDC_BOARD)) << "a pick from the board leaves the focus there";
    pressKey(VK_LEFT);
    pressKey(VK_SPACE);
    EXPECT_EQ(field(), "A") << "no wrapping: the mark stayed on the E, whose pick is taken back";
    pressKey(VK_RIGHT);
    pressKey(VK_SPACE);
    pressKey(VK_BACK);
    EXPECT_EQ(field(), "A") << "Backspace takes back the last letter picked";
    EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), pickAnnouncement('F', false, true, "A"));
    // Held down on the board, then in the word field, Enter hands each word in once.
    for (int id : {IDC_BOARD, IDC_WORD_FIELD}) {
        watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
        PostMessageA(control(id), WM_KEYDOWN, VK_RETURN, 1);
        for (int repeat = 0; repeat < 5; ++repeat) {
            PostMessageA(control(id), WM_KEYDOWN, VK_RETURN, 0x40000001);
        }
        pumpMessages();
        EXPECT_EQ(watchedEvents().size(), 1u) << "one verdict: handed in once from control " << id;
        typeInto(control(IDC_WORD_FIELD), "q");
    }
    EXPECT_EQ(gameState.enteredCount, 2);
    EXPECT_EQ(field(), "q");
    EXPECT_EQ(GetFocus(), control(IDC_BOARD));
}

// The focus mark inverts pixels, so a tile under it differs from its plain image on screen.
TEST_F(Board, FocusMarkSitsOnExactlyOneTileAndFollowsTheArrows)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{}) << "no mark while the word field has the focus";
    SetFocus(control(IDC_BOARD));
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{0});
    pressKey(VK_RIGHT);
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{1}) << "reading order: B";
    pressKey(VK_DOWN);
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{5}) << "reading order: F";
    for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN}) {
        pressKey(key);
    }
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{15}) << "stopped at the right and bottom edges: P";
    pressKey(VK_UP);
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{11}) << "reading order: L";
    pressKey(VK_LEFT);
    pressKey(VK_SPACE);
    EXPECT_EQ(field(), "K");
}

TEST_F(Board, FocusMarkLeavesWithTheFocusAndComesBackWithIt)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    pressKey(VK_DOWN);
    SetFocus(control(IDC_FOUND_WORDS));
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{});
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetFocus(), control(IDC_FOUND_WORDS)) << "a repaint leaves the focus where it is";
    SetFocus(control(IDC_BOARD));
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{4});
}

TEST_F(Board, TileRepaintedUnderTheFocusMarkKeepsExactlyOneMark)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    RECT tile = tileRect(0);
    std::vector<unsigned> marked = screenSquare(dialog, tile.left, tile.top);
    RedrawWindow(dialog, &tile, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{0});
    EXPECT_TRUE(screenSquare(dialog, tile.left, tile.top) == marked)
        << "the same single mark after the paint";
}

TEST_F(Board, LetterTypedAwayFromTheWordFieldLandsInIt)
{
    SetFocus(control(IDC_FOUND_WORDS));
    typeKeys("b");
    EXPECT_EQ(field(), "") << "before the first deal the greyed field takes no letter";
    EXPECT_EQ(GetFocus(), control(IDC_FOUND_WORDS));
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 80, 80);
    for (int id : {IDC_SUBMIT, IDC_BOARD, IDC_FOUND_WORDS}) {
        SetFocus(control(id));
        typeKeys("b");
        EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD)) << "from control " << id;
    }
    EXPECT_EQ(field(), "Abbb") << "each letter at the end of the word";
}

// A trace as posted mouse messages: the press, a move to each point with the button held, the release.
TEST_F(Board, TracedWordIsHandedInSlidingBackTakesTheLastLetterBackAndCornersPickNoNeighbour)
{
    newGameWithBoard("AECD" "FBGH" "IJKL" "MNOP");
    int a = tileAt(0, 0), c = tileAt(0, 2), b = tileAt(1, 1), g = tileAt(1, 2);
    // Inside a tile's edge, half way out from its inner part.
    int edge = tilePixels() / 12;
    RECT e = tileRect(tileAt(0, 1)), gSquare = tileRect(g);
    // A to B past E's corner, on to G, over A (picked earlier), back onto B, past G's corner to C.
    const std::vector<POINT> path = {tileCentre(a), {e.left + edge, e.bottom - edge}, tileCentre(b), tileCentre(g),
                                     tileCentre(a), tileCentre(b), {gSquare.left + edge, gSquare.top + edge}, tileCentre(c)};
    EXPECT_EQ(tracedFields(dialog, path), (std::vector<std::string>{"A", "A", "AB", "ABG", "ABG", "AB", "AB", "ABC"}));
    EXPECT_EQ(GetCapture(), dialog) << "the mouse is held while the button is down";
    PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(-edge, -edge));
    pumpMessages();
    EXPECT_EQ(listItems(control(IDC_FOUND_WORDS)), std::vector<std::string>{"ABC"}) << "let go outside the window";
    EXPECT_EQ(field(), "");
    EXPECT_EQ(GetCapture(), nullptr);
    // A touch screen's quick second tap makes a double-click: after a traced word, it is a press.
    PostMessageA(dialog, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(path[7].x, path[7].y));
    PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(path[7].x, path[7].y));
    pumpMessages();
    EXPECT_EQ(field(), "C") << "a press and release on one tile is a click";
    // A quick slide from D leaps over H to L between two moves: H was crossed, and counts.
    POINT l = tileCentre(tileAt(2, 3));
    tracedFields(dialog, {tileCentre(tileAt(0, 3)), l});
    pressKey(VK_ESCAPE);
    PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(l.x, l.y));
    pumpMessages();
    EXPECT_EQ(field(), "CDHL") << "Escape cancels the trace: nothing handed in, the picks kept";
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1");
    for (HWND window : {dialog, control(IDC_BOARD)}) {
        LRESULT gestures = SendMessageA(window, WM_TABLET_QUERYSYSTEMGESTURESTATUS, 0, 0);
        EXPECT_EQ(gestures & TABLET_DISABLE_FLICKS, TABLET_DISABLE_FLICKS) << "a pen's quick stroke is no flick";
    }
}

// SendInput reaches the window under the cursor as a player's click does: the board control.
TEST_F(Board, RealClickOnATileReachesThePickingThroughTheBoardControl)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetForegroundWindow(dialog);
    RECT b = tileRect(tileAt(0, 1));
    POINT point = {b.left + 30, b.top + 30};
    ASSERT_EQ(ChildWindowFromPointEx(dialog, point, CWP_ALL), control(IDC_BOARD)) << "the control covers the B";
    ClientToScreen(dialog, &point);
    SetCursorPos(point.x, point.y);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, press, sizeof press[0]), 2u);
    for (int wait = 0; wait < 250 && field().empty(); ++wait) {
        Sleep(20);
        pumpMessages();
    }
    EXPECT_EQ(field(), "B");
    EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD)) << "a click hands the focus to the word field, not the board";
}

// ---- the board as a screen reader reads it ----

TEST_F(Board, ScreenReadersReadATableOfRowsOfCellsInReadingOrder)
{
    IAccessible* table = tableOf(dialog);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(cellsOf(table).size(), 0u) << "no cells before the first game";
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    EXPECT_EQ(nameOf(table), "Board");
    EXPECT_EQ(numberOf(table, &IAccessible::get_accRole), ROLE_SYSTEM_TABLE);
    std::vector<IAccessible*> rows = childrenOf(table);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(nameOf(rows[2]), "Row 3: I J K L");
    std::string letters;
    for (IAccessible* cell : cellsOf(table)) {
        EXPECT_EQ(numberOf(cell, &IAccessible::get_accRole), ROLE_SYSTEM_CELL);
        letters += nameOf(cell).substr(0, 1);
        if (letters.size() == 7) {
            EXPECT_EQ(nameOf(cell), "G, row 2, column 3");
        }
        cell->Release();
    }
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOP");
    table->Release();
}

TEST_F(Board, PickedCellIsSelectedAndTheMarkedCellHasTheFocus)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    pressMouseAt(dialog, 140, 80);
    IAccessible* table = tableOf(dialog);
    std::vector<IAccessible*> cells = cellsOf(table);
    ASSERT_EQ(cells.size(), 16u);
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        LONG selected = numberOf(cells[tile], &IAccessible::get_accState) & STATE_SYSTEM_SELECTED;
        EXPECT_EQ(selected, tile == 1 ? STATE_SYSTEM_SELECTED : 0) << "tile " << tile;
    }
    SetFocus(control(IDC_BOARD));
    watchEvents(EVENT_OBJECT_FOCUS);
    pressKey(VK_DOWN);
    pumpMessages();
    EXPECT_EQ(watchedNames(), std::vector<std::string>{"E, row 2, column 1"}) << "the focus event names the cell";
    VARIANT focus;
    table->get_accFocus(&focus);
    ASSERT_EQ(focus.vt, VT_DISPATCH);
    IAccessible* focused = nullptr;
    focus.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&focused));
    EXPECT_EQ(nameOf(focused), "E, row 2, column 1");
    EXPECT_NE(numberOf(cells[4], &IAccessible::get_accState) & STATE_SYSTEM_FOCUSED, 0);
    long left, top, width, height;
    cells[4]->accLocation(&left, &top, &width, &height, self());
    RECT e = tileRect(tileAt(1, 0));
    POINT corner = {e.left, e.top};
    ClientToScreen(dialog, &corner);
    EXPECT_EQ(std::vector<long>({left, top, width, height}), std::vector<long>({corner.x, corner.y, 60, 60}));
    EXPECT_EQ(nameReached(cells[4], NAVDIR_RIGHT), "F, row 2, column 2");
    EXPECT_EQ(nameReached(cells[5], NAVDIR_NEXT), "G, row 2, column 3") << "along the row from the F";
    EXPECT_EQ(nameReached(cells[5], NAVDIR_PREVIOUS), "E, row 2, column 1") << "along the row from the F";
    VARIANT found;
    table->accHitTest(corner.x + 150, corner.y + 30, &found);
    ASSERT_EQ(found.vt, VT_DISPATCH) << "the point is on row 2";
    IAccessible* row = static_cast<IAccessible*>(found.pdispVal);
    VARIANT hit;
    row->accHitTest(corner.x + 150, corner.y + 30, &hit);
    EXPECT_EQ(nameOfFound(hit), "G, row 2, column 3");
    for (IAccessible* from : {table, row}) {
        EXPECT_EQ(nameReached(from, NAVDIR_FIRSTCHILD), from == table ? "Row 1: A B C D" : "E, row 2, column 1");
        EXPECT_EQ(nameReached(from, NAVDIR_LASTCHILD), from == table ? "Row 4: M N O P" : "H, row 2, column 4");
    }
    VariantClear(&found);
    SetFocus(control(IDC_WORD_FIELD));
    VARIANT elsewhere;
    EXPECT_EQ(table->get_accFocus(&elsewhere), S_FALSE) << "no cell has the focus while the word field has it";
    EXPECT_EQ(elsewhere.vt, VT_EMPTY);
    focused->Release();
    focus.pdispVal->Release();
    for (IAccessible* cell : cells) {
        cell->Release();
    }
    table->Release();
}

// Each pick is heard as a selection of its cell with the word so far; a hand-in clears them all.
TEST_F(Board, PicksAreToldAsSelectionsWithTheWordSoFar)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    IAccessible* table = tableOf(dialog);
    std::vector<IAccessible*> cells = cellsOf(table);
    std::vector<std::string> heard;
    BSTR description = nullptr;
    watchEvents(EVENT_OBJECT_SELECTIONADD, EVENT_OBJECT_SELECTIONWITHIN);
    for (POINT click : {POINT{140, 80}, POINT{140, 140}, POINT{140, 80}, POINT{140, 140}}) {
        pressMouseAt(dialog, click.x, click.y);
        heard.push_back(accessibleName(control(IDC_ANNOUNCER)));
        if (heard.size() == 2) {
            cells[9]->get_accDescription(self(), &description);
            EXPECT_EQ(textOf(description), "Next to your last letter") << "J touches the F, picked last, not the B";
        }
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"B: B", "F: BF", "B is not the last letter", "took back F: B"}));
    cells[4]->get_accDescription(self(), &description);
    EXPECT_EQ(textOf(description), "Next to your last letter") << "E touches the B";
    cells[1]->get_accDescription(self(), &description);
    EXPECT_EQ(textOf(description), "Letter 1 of your word");
    cells[5]->get_accDescription(self(), &description);
    EXPECT_EQ(textOf(description), "Next to your last letter") << "the F taken back has no place in the word";
    EXPECT_EQ(numberOf(cells[5], &IAccessible::get_accState) & STATE_SYSTEM_SELECTED, 0);
    for (IAccessible* cell : cells) {
        cell->Release();
    }
    table->Release();
    clickButton(dialog, IDC_SUBMIT);
    EXPECT_EQ(watchedEvents(), (std::vector<DWORD>{EVENT_OBJECT_SELECTIONADD, EVENT_OBJECT_SELECTIONADD,
                                                   EVENT_OBJECT_SELECTIONREMOVE, EVENT_OBJECT_SELECTIONWITHIN}));
    EXPECT_EQ(watchedNames(), (std::vector<std::string>{"B, row 1, column 2", "F, row 2, column 2",
                                                        "F, row 2, column 2", "Board"}));
}

// A pick changes the description of its cell and of the cells around it, and no other.
TEST_F(Board, DescriptionChangesAreToldForTheCellsWhoseDescriptionChangedOnly)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    IAccessible* table = tableOf(dialog);
    watchEvents(EVENT_OBJECT_DESCRIPTIONCHANGE);
    EXPECT_EQ(table->accDoDefaultAction(cellId(12)), S_OK);
    pumpMessages();
    std::vector<std::string> heard = watchedNames();
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"A, row 1, column 1", "B, row 1, column 2", "C, row 1, column 3",
                                               "E, row 2, column 1", "F, row 2, column 2", "G, row 2, column 3"}))
        << "the B picked, and the cells next to it";
    table->Release();
}

// The names of the objects an enumeration hands out, `wanted` at a time.
std::vector<std::string> namesIn(IEnumVARIANT* objects, ULONG wanted)
{
    std::vector<VARIANT> found(wanted);
    ULONG count = 0;
    objects->Next(wanted, found.data(), &count);
    std::vector<std::string> names;
    for (ULONG item = 0; item < count; ++item) {
        names.push_back(nameOfFound(found[item]));
    }
    return names;
}

IEnumVARIANT* selectionOf(IAccessible* table)
{
    VARIANT selection;
    IEnumVARIANT* picks = nullptr;
    if (table->get_accSelection(&selection) == S_OK && selection.vt == VT_UNKNOWN) {
        selection.punkVal->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&picks));
    }
    VariantClear(&selection);
    return picks;
}

// The name of the cell that has the focus, as the table tells it; empty while none has.
std::string focusedCellName(IAccessible* table)
{
    VARIANT focus;
    focus.vt = VT_EMPTY;
    table->get_accFocus(&focus);
    return nameOfFound(focus);
}

TEST_F(Board, ScreenReaderSelectsFocusesAndActsOnCellsAsTheKeysWould)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    IAccessible* table = tableOf(dialog);
    VARIANT g = cellId(23), a = cellId(11), b = cellId(12);
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, g), S_OK);
    EXPECT_EQ(GetFocus(), control(IDC_BOARD));
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{6}) << "the focus mark on the G";
    EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, g), S_OK);
    EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, a), E_INVALIDARG) << "the G is picked already";
    EXPECT_EQ(table->accSelect(SELFLAG_EXTENDSELECTION, a), E_INVALIDARG);
    EXPECT_EQ(table->accSelect(SELFLAG_ADDSELECTION, a), S_OK);
    EXPECT_EQ(field(), "GA");
    EXPECT_EQ(table->accSelect(SELFLAG_REMOVESELECTION, g), E_INVALIDARG) << "the G is not the last letter";
    EXPECT_EQ(field(), "GA");
    IEnumVARIANT* picks = selectionOf(table);
    ASSERT_NE(picks, nullptr);
    EXPECT_EQ(namesIn(picks, 3), (std::vector<std::string>{"G, row 2, column 3", "A, row 1, column 1"}))
        << "in the word's order";
    picks->Release();
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, b), S_OK) << "a click, as documented";
    EXPECT_EQ(field(), "GAB") << "the other picks stay";
    EXPECT_EQ(focusedCellName(table), "B, row 1, column 2");
    BSTR action = nullptr;
    EXPECT_EQ(table->get_accDefaultAction(g, &action), DISP_E_MEMBERNOTFOUND) << "G is not the last letter";
    table->get_accDefaultAction(b, &action);
    EXPECT_EQ(textOf(action), "Take back");
    EXPECT_EQ(table->accDoDefaultAction(b), S_OK);
    EXPECT_EQ(table->accDoDefaultAction(a), S_OK);
    EXPECT_EQ(field(), "G");
    table->Release();
}

// A refused call is refused before anything changes: the focus mark stays where it was. The
// selection's enumeration stops at its end however far it is skipped, and refuses a null array.
TEST_F(Board, RefusedSelectionChangesNothingAndTheSelectionEnumeratesSafely)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    IAccessible* table = tableOf(dialog);
    EXPECT_EQ(table->accSelect(SELFLAG_ADDSELECTION, cellId(11)), S_OK);
    EXPECT_EQ(table->accSelect(SELFLAG_ADDSELECTION, cellId(12)), S_OK);
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, cellId(13)), S_OK);
    for (long flags : {SELFLAG_TAKEFOCUS | SELFLAG_REMOVESELECTION, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION |
                                                                        SELFLAG_REMOVESELECTION}) {
        EXPECT_EQ(table->accSelect(flags, cellId(11)), E_INVALIDARG) << "the A is not the last letter";
    }
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, cellId(99)), E_INVALIDARG) << "no such cell";
    EXPECT_EQ(field(), "AB");
    EXPECT_EQ(focusedCellName(table), "C, row 1, column 3") << "the focus stays on the C";
    IEnumVARIANT* picks = selectionOf(table);
    ASSERT_NE(picks, nullptr);
    EXPECT_EQ(namesIn(picks, 1), std::vector<std::string>{"A, row 1, column 1"});
    EXPECT_EQ(picks->Skip(0xFFFFFFFFu), S_FALSE);
    EXPECT_EQ(namesIn(picks, 2), std::vector<std::string>{}) << "a huge skip does not wrap round to the start";
    ULONG fetched = 7;
    picks->Reset();
    EXPECT_EQ(picks->Next(1, nullptr, &fetched), E_POINTER);
    EXPECT_EQ(fetched, 0u);
    picks->Release();
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_REMOVESELECTION, cellId(12)), S_OK);
    EXPECT_EQ(field(), "A");
    EXPECT_EQ(focusedCellName(table), "B, row 1, column 2");
    table->Release();
}

TEST_F(Board, TableTakesTheFocusOnlyWhileThePlayerCouldGiveItAndAnswersUnknownIdsAsInvalid)
{
    IAccessible* table = tableOf(dialog);
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, self()), E_FAIL) << "no board to focus before the first deal";
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    ASSERT_EQ(GetFocus(), control(IDC_WORD_FIELD));
    EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, self()), E_INVALIDARG) << "the table is not selectable";
    EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD));
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, self()), S_OK);
    EXPECT_EQ(GetFocus(), control(IDC_BOARD));
    SetFocus(control(IDC_WORD_FIELD));
    EnableWindow(dialog, FALSE);
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, self()), E_FAIL) << "the main window disabled";
    EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, cellId(11)), E_FAIL);
    EnableWindow(dialog, TRUE);
    SetActiveWindow(dialog);
    HRESULT whileBoxShown = S_OK;
    answerNextMessageBox(IDOK, [table, &whileBoxShown] { whileBoxShown = table->accSelect(SELFLAG_TAKEFOCUS, self()); });
    MessageBoxA(nullptr, "Another window is active", "Other", MB_OK);
    EXPECT_EQ(whileBoxShown, E_FAIL) << "the main window not active";
    BSTR action = nullptr;
    for (LONG unknown : {99, 5, 55, -3}) {
        EXPECT_EQ(table->get_accDefaultAction(cellId(unknown), &action), E_INVALIDARG) << "id " << unknown;
        EXPECT_EQ(table->accDoDefaultAction(cellId(unknown)), E_INVALIDARG) << "id " << unknown;
    }
    for (LONG actionless : {CHILDID_SELF, 2}) {
        EXPECT_EQ(table->get_accDefaultAction(cellId(actionless), &action), DISP_E_MEMBERNOTFOUND) << actionless;
        EXPECT_EQ(table->accDoDefaultAction(cellId(actionless)), DISP_E_MEMBERNOTFOUND) << actionless;
    }
    table->Release();
}

// While a child dialog has disabled the main window, the board is not the player's to change.
TEST_F(Board, ScreenReaderCannotPickOrFocusACellBehindAChildDialog)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    IAccessible* table = tableOf(dialog);
    SendMessageA(dialog, WM_COMMAND, IDM_HIGH_SCORES, 0);
    pumpMessages();
    HWND scores = FindWindowA(nullptr, "High Scores");
    ASSERT_NE(scores, nullptr);
    HWND focus = GetFocus();
    EXPECT_TRUE(FAILED(table->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_ADDSELECTION, cellId(11))));
    EXPECT_TRUE(FAILED(table->accDoDefaultAction(cellId(11))));
    EXPECT_EQ(field(), "");
    EXPECT_EQ(GetFocus(), focus) << "the focus stays in High Scores";
    clickButton(scores, IDOK);
    EXPECT_EQ(table->accSelect(SELFLAG_ADDSELECTION, cellId(11)), S_OK) << "once High Scores has closed";
    EXPECT_EQ(field(), "A");
    table->Release();
}

// A deal while the player reads the board leaves the focus there; screen readers hear of the new
// board and of the cell under the focus mark.
TEST_F(Board, DealLeavesTheFocusOnTheBoardAndTellsScreenReaders)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    pressKey(VK_DOWN);
    watchEvents(EVENT_OBJECT_REORDER, EVENT_OBJECT_FOCUS);
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    pumpMessages();
    EXPECT_EQ(GetFocus(), control(IDC_BOARD));
    EXPECT_EQ(watchedEvents(), (std::vector<DWORD>{EVENT_OBJECT_REORDER, EVENT_OBJECT_FOCUS}));
    std::vector<std::string> heard = watchedNames();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0], "Board");
    EXPECT_EQ(heard[1], std::string(1, gameState.tileLetters[4]) + ", row 2, column 1");
}

// ---- the keys that move on the board, read it and drop the word ----

TEST_F(Board, HomeEndPageUpPageDownAndCtrlGoToTheEdgesOfTheRowColumnAndBoard)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    pressKey(VK_DOWN);
    pressKey(VK_RIGHT);
    watchEvents(EVENT_OBJECT_FOCUS);
    pressKey(VK_END);
    pressKey(VK_HOME);
    pressKey(VK_NEXT);
    pressKey(VK_RIGHT);
    pressKey(VK_PRIOR);
    pressKeyWith(VK_CONTROL, VK_END);
    pressKeyWith(VK_CONTROL, VK_HOME);
    EXPECT_EQ(watchedNames(), (std::vector<std::string>{"H, row 2, column 4", "E, row 2, column 1", "M, row 4, column 1",
                                                        "N, row 4, column 2", "B, row 1, column 2", "P, row 4, column 4",
                                                        "A, row 1, column 1"}));
    EXPECT_EQ(changedTilesOf(dialog), std::vector<int>{0});
}

TEST_F(Board, ReadingKeysReadTheBoardAndTheLettersNextToTheLastPickOnTheTimeAnnouncer)
{
    pressKeyWith(VK_CONTROL, 'B');
    EXPECT_EQ(accessibleName(control(IDC_TIME_ANNOUNCER)), "No game running");
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    SetFocus(control(IDC_BOARD));
    pressKeyWith(VK_CONTROL, 'N');
    EXPECT_EQ(accessibleName(control(IDC_TIME_ANNOUNCER)), "No letter picked");
    pressKeyWith(VK_CONTROL, 'B');
    EXPECT_EQ(accessibleName(control(IDC_TIME_ANNOUNCER)),
              "Row 1: A B C D. Row 2: E F G H. Row 3: I J K L. Row 4: M N O P.");
    pressKey(VK_SPACE);
    pressKey(VK_DOWN);
    pressKey(VK_RIGHT);
    pressKey(VK_SPACE);
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    pressKeyWith(VK_CONTROL, 'N', 1);
    EXPECT_EQ(watchedNames(), std::vector<std::string>{"Next to F: A row 1 column 1, in your word, B row 1 column 2, "
                                                       "C row 1 column 3, "
                                                       "E row 2 column 1, G row 2 column 3, I row 3 column 1, "
                                                       "J row 3 column 2, K row 3 column 3"})
        << "once per press";
    EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), "F: AF") << "the verdict announcer keeps its text";
    EXPECT_EQ(field(), "AF") << "the chords type nothing";
    pressKey(VK_UP);
    pressKey(VK_SPACE);
    pressKeyWith(VK_CONTROL, 'N');
    EXPECT_EQ(accessibleName(control(IDC_TIME_ANNOUNCER)),
              "Next to B: A row 1 column 1, in your word, C row 1 column 3, E row 2 column 1, F row 2 column 2, "
              "in your word, G row 2 column 3")
        << "B is the last letter picked now";
}

TEST_F(Board, EscapeClearsTheWordAndEveryPickAsAHandInDoes)
{
    newGameWithBoard("ABCD" "EFGH" "IJKL" "MNOP");
    for (int id : {IDC_BOARD, IDC_WORD_FIELD, IDC_FOUND_WORDS, IDC_SUBMIT}) {
        SetFocus(control(IDC_BOARD));
        pressKey(VK_SPACE);
        pressKey(VK_RIGHT);
        pressKey(VK_SPACE);
        pressKey(VK_LEFT);
        ASSERT_EQ(field(), "AB");
        SetFocus(control(id));
        watchEvents(EVENT_OBJECT_SELECTIONWITHIN, EVENT_OBJECT_DESCRIPTIONCHANGE);
        pressKey(VK_ESCAPE);
        EXPECT_EQ(watchedCount(EVENT_OBJECT_SELECTIONWITHIN), 1);
        EXPECT_EQ(watchedCount(EVENT_OBJECT_DESCRIPTIONCHANGE), 6)
            << "A and B lose their places, C, E, F and G their nearness to the B";
        EXPECT_EQ(field(), "") << "from control " << id;
        EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), "Word cleared");
        EXPECT_EQ(GetFocus(), control(id));
        SetFocus(control(IDC_BOARD));
        pressKey(VK_SPACE);
        EXPECT_EQ(field(), "A") << "the A is picked afresh, not taken for a pick of a word gone";
        pressKey(VK_SPACE);
    }
    EXPECT_TRUE(IsWindowVisible(dialog));
}

} // namespace
