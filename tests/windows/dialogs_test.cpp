// The child dialogs under Wine: High Scores, Enter Name, Solutions, About and Help, opened from the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "engine/solutions_report.h"
#include "engine/solver.h"
#include "lettro_version.h"
#include "scores/high_score_table.h"
#include "ui/board/board_on_screen.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/dialogs/name_text.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/annotations.h"
#include "windows_test_support.h"

namespace {

class Dialogs : public ::testing::Test {
  protected:
    HWND dialog = nullptr;

    void open(const std::string& table = std::string(),
              const std::string& words = "a b c d e f g h i j k l m n o p q r s t u v w x y z")
    {
        dialog = openMainWindow(words, table);
        ASSERT_NE(dialog, nullptr);
    }

    void TearDown() override
    {
        for (const char* caption : {"High Scores", "Enter Name", "About", "Solutions"}) {
            while (HWND child = FindWindowA(nullptr, caption)) {
                DestroyWindow(child);
            }
        }
        DestroyWindow(dialog);
        pumpMessages();
    }

    HWND openChild(WPARAM command, const char* caption)
    {
        SendMessageA(dialog, WM_COMMAND, command, 0);
        pumpMessages();
        return FindWindowA(nullptr, caption);
    }

    // Plays a game with one accepted word and lets the time run out.
    void finishGameScoringOne()
    {
        SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
        std::string word(1, gameState.tileLetters[0]);
        SetDlgItemTextA(dialog, IDC_WORD_FIELD, word.c_str());
        SendMessageA(dialog, WM_COMMAND, IDC_SUBMIT, 0);
        answerNextMessageBox();
        runOutTheClock();
    }

    void runOutTheClock()
    {
        for (int tick = 0; tick < 180; ++tick) {
            SendMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
        }
        pumpMessages();
    }

    std::vector<int> changedTiles()
    {
        return changedTilesOf(dialog);
    }

    // Opens Solutions and checks that it lies clear of the board, within the monitor's work area.
    HWND openSolutionsBesideBoard()
    {
        HWND solutions = openChild(IDM_SOLUTIONS, "Solutions");
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
        work = monitor.rcWork;
        RECT place, overlap, board = boardRect();
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&board), 2);
        GetWindowRect(solutions, &place);
        EXPECT_FALSE(IntersectRect(&overlap, &place, &board)) << "Solutions covers the board";
        EXPECT_TRUE(UnionRect(&overlap, &place, &work) && EqualRect(&overlap, &work)) << "outside the work area";
        return solutions;
    }

    RECT work = {};
};

TEST_F(Dialogs, HighScoresShowsAllTenSlotsSortedBestAtTheTop)
{
    open(scoreLine("Cy", 30) + scoreLine("Al", 10) + scoreLine("Neg", -5) + scoreLine("Bo", 20));
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    ASSERT_NE(scores, nullptr);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    const char* names[] = {"Neg", "Al", "Bo", "Cy", "", "", "", "", "", ""};
    const char* values[] = {"-5", "10", "20", "30", "0", "0", "0", "0", "0", "0"};
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        EXPECT_EQ(controlText(scores, IDC_SCORE_NAME_FIRST + 2 * slot), names[slot]) << "slot " << slot;
        EXPECT_EQ(controlText(scores, IDC_SCORE_VALUE_FIRST + 2 * slot), values[slot]) << "slot " << slot;
    }
    RECT top, bottom;
    GetWindowRect(GetDlgItem(scores, IDC_SCORE_NAME_FIRST + 18), &top);
    GetWindowRect(GetDlgItem(scores, IDC_SCORE_NAME_FIRST), &bottom);
    EXPECT_LT(top.top, bottom.top) << "slot 9 is the top row";
    EXPECT_EQ(accessibleName(GetDlgItem(scores, IDC_SCORE_NAME_FIRST + 6)), "Place 1 name") << "by rank, not by row";
    EXPECT_EQ(accessibleName(GetDlgItem(scores, IDC_SCORE_VALUE_FIRST)), "Place 4 score");
    EXPECT_EQ(accessibleName(GetDlgItem(scores, IDC_SCORE_NAME_FIRST + 18)), "Empty row");
    EXPECT_EQ(highScoreTable.highScoreScores[0], -5) << "opening sorts the table";

    SendMessageA(scores, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed"));
    char caption[32] = {};
    GetWindowTextA(scores, caption, sizeof caption);
    EXPECT_STREQ(caption, "High Scores");
    clickButton(scores, IDOK);
    EXPECT_FALSE(IsWindow(scores));
    EXPECT_TRUE(IsWindowEnabled(dialog));

    // Another copy saves meanwhile, and is read once it lets go of the lock; this copy's unsaved
    // entry is shown beside it.
    HANDLE otherCopy = saveByAnotherCopy(scoreLine("Other", 40));
    enterHighScore("Mine", 25);
    scores = openChild(IDM_HIGH_SCORES, "High Scores");
    awaitThread(otherCopy);
    EXPECT_EQ(controlText(scores, IDC_SCORE_NAME_FIRST + 18), "") << "the file as read now: two entries";
    EXPECT_EQ(controlText(scores, IDC_SCORE_NAME_FIRST + 2), "Other");
    EXPECT_EQ(controlText(scores, IDC_SCORE_NAME_FIRST), "Mine");
}

TEST_F(Dialogs, EmptyHighScoresOpensOnOkAndSaysSo)
{
    open();
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(scores, IDOK));
    letAnnouncementsSettle();
    EXPECT_EQ(accessibleName(GetDlgItem(scores, IDC_HIGH_SCORES_ANNOUNCER)), "No high scores yet");
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(scores, IDOK)) << "no empty row is a Tab stop";
}

TEST_F(Dialogs, HighScoresClosesOnEscapeAndOnWmClose)
{
    open();
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    SendMessageA(scores, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(scores));
    scores = openChild(IDM_HIGH_SCORES, "High Scores");
    SendMessageA(scores, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(scores));
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

TEST_F(Dialogs, EnterNameCannotBeCancelledAndKeepsThirtyBytesOfAName)
{
    open();
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    ASSERT_NE(enterName, nullptr);
    EXPECT_EQ(accessibleName(GetDlgItem(enterName, IDC_NAME_FIELD)), "Your name");
    SendMessageA(enterName, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(enterName, WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(enterName)) << "only OK closes it";
    typeInto(GetDlgItem(enterName, IDC_NAME_FIELD), "abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(controlText(enterName, IDC_NAME_FIELD), "abcdefghijklmnopqrstuvwxyz0123") << "the field takes 30 bytes";
    clickButton(enterName, IDC_NAME_OK);
    ASSERT_EQ(highScoreTable.highScoreCount, 1);
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[0], 30), "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

// Shift-JIS 0x82 0xA0 is one letter, and its trail byte 0x82 also reads as a lead byte, so the text
// is stepped through from its start; in UTF-8, 0xE2 0x82 0xAC is one letter.
TEST(NameText, NameIsCutToThirtyBytesOnlyBetweenCharacters)
{
    std::string pairs = "a";
    for (int letter = 0; letter < 15; ++letter) {
        pairs += "\x82\x82";
    }
    EXPECT_EQ(wholeCharactersOf(std::string(29, 'a') + "\x82\xA0", 30, 932), std::string(29, 'a'));
    EXPECT_EQ(wholeCharactersOf(pairs, 30, 932), pairs.substr(0, 29));
    EXPECT_EQ(wholeCharactersOf(std::string(28, 'a') + "\xE2\x82\xAC", 30, CP_UTF8), std::string(28, 'a'));
    EXPECT_EQ(wholeCharactersOf(std::string(31, '\xE9'), 30, 1252), std::string(30, '\xE9'));
}

// As Enter Name opens, the last focus a reader hears is its field's, whatever came before; after
// OK, the board has the focus.
TEST_F(Dialogs, EnterNameWithAnEmptyFieldStoresAnEmptyNameAndGivesTheBoardTheFocus)
{
    open();
    watchEvents(EVENT_OBJECT_FOCUS);
    finishGameScoringOne();
    letAnnouncementsSettle();
    std::vector<std::string> heard = watchedNames();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), accessibleName(GetDlgItem(FindWindowA(nullptr, "Enter Name"), IDC_NAME_FIELD)));
    clickButton(FindWindowA(nullptr, "Enter Name"), IDC_NAME_OK);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_BOARD));
    ASSERT_EQ(highScoreTable.highScoreCount, 1);
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[0], 30), std::string(30, '\0'));
    EXPECT_EQ(highScoreTable.highScoreScores[0], 1);
}

// The name entered, the focus goes back to High Scores, still open; closed too, to the main
// window's control the player left for it.
TEST_F(Dialogs, GameEndingWhileHighScoresIsOpenOpensEnterNameBesideIt)
{
    open();
    HWND playerWasOn = GetDlgItem(dialog, IDC_FOUND_WORDS);
    SetFocus(playerWasOn);
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    ASSERT_NE(enterName, nullptr);
    EXPECT_TRUE(IsWindow(scores));
    SetDlgItemTextA(enterName, IDC_NAME_FIELD, "Zed");
    clickButton(enterName, IDC_NAME_OK);
    EXPECT_STREQ(highScoreTable.highScoreNames[0], "Zed");
    EXPECT_TRUE(IsWindowEnabled(dialog)) << "closing either dialog gives the main window its input back";
    EXPECT_EQ(GetAncestor(GetFocus(), GA_ROOT), scores) << "the focus is in the dialog still open";
    clickButton(scores, IDOK);
    EXPECT_EQ(GetFocus(), playerWasOn) << "back where the player was before High Scores";
}

TEST_F(Dialogs, KeyboardMovesTheFocusAndEnterOrEscapeClosesEveryChildDialogButEnterName)
{
    open(scoreLine("Ann", 30) + scoreLine("Bob", 20));
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    // Place 1 is slot 1, Place 2 slot 0; the eight rows above them are empty.
    const int byRank[] = {IDC_SCORE_NAME_FIRST + 2, IDC_SCORE_VALUE_FIRST + 2, IDC_SCORE_NAME_FIRST,
                          IDC_SCORE_VALUE_FIRST, IDOK, IDC_SCORE_NAME_FIRST + 2};
    EXPECT_EQ(GetFocus(), GetDlgItem(scores, byRank[0])) << "it opens on Place 1's name";
    EXPECT_EQ(GetWindow(GetDlgItem(scores, IDC_SCORE_VALUE_FIRST), GW_HWNDNEXT), GetDlgItem(scores, IDOK))
        << "a reader walking the dialog meets OK after the rows, where it is drawn";
    for (int stop = 1; stop < 6; ++stop) {
        pressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(scores, byRank[stop])) << "Tab stop " << stop << ": down the ranks, then OK";
    }
    pressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(scores, IDOK)) << "Shift+Tab: from Place 1 back to OK";
    pressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(scores, IDC_SCORE_VALUE_FIRST)) << "Shift+Tab: from OK to the last entry";
    pressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(scores)) << "Escape closes High Scores";
    SetFocus(GetDlgItem(dialog, IDC_FOUND_WORDS));
    const std::pair<int, const char*> children[] = {{IDM_HIGH_SCORES, "High Scores"}, {IDM_ABOUT, "About"}};
    for (const auto& [command, caption] : children) {
        for (WPARAM closing : {VK_ESCAPE, VK_RETURN}) {
            HWND child = openChild(command, caption);
            pressKey(closing);
            EXPECT_FALSE(IsWindow(child)) << "command " << command << ", key " << closing << ": closed as OK closes it";
            EXPECT_TRUE(IsWindowEnabled(dialog));
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_FOUND_WORDS)) << "back where the player was";
        }
    }
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    pauseAfterTheGamesEnd();
    typeKeys("Kim");
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(enterName, IDC_NAME_OK));
    pressKey(VK_TAB, true);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(IsWindow(enterName)) << "Escape does not leave Enter Name";
    pressKey(VK_RETURN);
    EXPECT_FALSE(IsWindow(enterName));
    EXPECT_STREQ(highScoreTable.highScoreNames[0], "Kim");
    EXPECT_EQ(highScoreTable.highScoreScores[0], 1);
}

TEST_F(Dialogs, NameWhoseScoreNoLongerMakesTheTableIsToldAndLeavesTheTableAlone)
{
    std::string table = scoreLine("Low", 0);
    for (int entry = 1; entry < HIGH_SCORE_SLOTS; ++entry) {
        table += scoreLine("High", 2);
    }
    open(table);
    finishGameScoringOne();
    HWND first = FindWindowA(nullptr, "Enter Name");
    finishGameScoringOne();
    HWND second = FindWindowExA(nullptr, nullptr, nullptr, "Enter Name");
    if (second == first) {
        second = FindWindowExA(nullptr, first, nullptr, "Enter Name");
    }
    ASSERT_NE(second, nullptr) << "two games, two names asked for";
    SetDlgItemTextA(first, IDC_NAME_FIELD, "One");
    clickButton(first, IDC_NAME_OK);
    HighScoreTable before = highScoreTable;
    answerNextMessageBox();
    SetDlgItemTextA(second, IDC_NAME_FIELD, "Two");
    clickButton(second, IDC_NAME_OK);
    EXPECT_EQ(lastAnsweredBox().text, "Your score of 1 no longer makes the high-score table.");
    EXPECT_EQ(lastAnsweredBox().owner, second);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(std::memcmp(&before, &highScoreTable, sizeof before), 0) << "the table is unchanged";
}

// The focus events and live-region events watched, in order, without the others between them.
std::vector<DWORD> focusAndLiveRegionEvents()
{
    std::vector<DWORD> kept;
    for (DWORD event : watchedEvents()) {
        if (event == EVENT_OBJECT_FOCUS || event == EVENT_OBJECT_LIVEREGIONCHANGED) {
            kept.push_back(event);
        }
    }
    return kept;
}

void clickFirstItem(HWND list)
{
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
    pumpMessages();
}

TEST_F(Dialogs, SolutionsAreOfferedFromTheEndOfAGameToTheNextAndShowTheEndedBoard)
{
    open();
    HMENU menu = GetMenu(dialog);
    EXPECT_NE(GetMenuState(menu, IDM_SOLUTIONS, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(openChild(IDM_SOLUTIONS, "Solutions"), nullptr) << "grayed, the command does nothing";
    HWND scores = openChild(IDM_HIGH_SCORES, "High Scores");
    finishGameScoringOne();
    clickButton(scores, IDOK);
    ASSERT_NE(FindWindowA(nullptr, "Enter Name"), nullptr) << "still open from the game's end";
    EXPECT_EQ(GetMenuState(menu, IDM_SOLUTIONS, MF_BYCOMMAND) & MF_GRAYED, 0u);
    HWND solutions = openChild(IDM_SOLUTIONS, "Solutions");
    ASSERT_NE(solutions, nullptr);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(controlText(solutions, IDC_SOLUTIONS_TALLY), "You found 1 of " + std::to_string(gameState.solutionCount));
    std::vector<std::string> lines = solutionLines();
    EXPECT_EQ(listItems(GetDlgItem(solutions, IDC_SOLUTIONS_LIST)), lines);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "* " + std::string(1, gameState.tileLetters[0])), 1);
    pauseAfterTheGamesEnd();
    pressKey(VK_RETURN);
    EXPECT_FALSE(IsWindow(solutions));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    solutions = openChild(IDM_SOLUTIONS, "Solutions");
    pressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(solutions)) << "Escape closes it like OK";
    EXPECT_TRUE(IsWindowEnabled(dialog));
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    EXPECT_NE(GetMenuState(menu, IDM_SOLUTIONS, MF_BYCOMMAND) & MF_GRAYED, 0u) << "New Game withdraws it";
    EXPECT_EQ(openChild(IDM_SOLUTIONS, "Solutions"), nullptr);
}

TEST_F(Dialogs, SolutionsOpensBesideTheBoardAndMarksTheSelectedWordUntilClosedOrANewGame)
{
    open(std::string(), "aba cab fed");
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    std::copy_n("ABAC" "DEFG" "HIJK" "LMNO", TILE_COUNT, gameState.tileLetters);
    layOutBoard();
    solveBoard();
    SetDlgItemTextA(dialog, IDC_WORD_FIELD, "cab");
    SendMessageA(dialog, WM_COMMAND, IDC_SUBMIT, 0);
    answerNextMessageBox();
    runOutTheClock();
    clickButton(FindWindowA(nullptr, "Enter Name"), IDC_NAME_OK);
    letAnnouncementsSettle();
    watchEvents(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED);
    HWND solutions = openSolutionsBesideBoard();
    HWND list = GetDlgItem(solutions, IDC_SOLUTIONS_LIST);
    letAnnouncementsSettle();
    std::vector<DWORD> opening = focusAndLiveRegionEvents();
    EXPECT_EQ(opening, (std::vector<DWORD>{EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED}))
        << "the tally is told once the focus is on the list";
    EXPECT_EQ(accessibleName(GetDlgItem(solutions, IDC_SOLUTIONS_ANNOUNCER)), "You found 1 of 3");
    EXPECT_TRUE(isAskedToBeLiveRegion(GetDlgItem(solutions, IDC_SOLUTIONS_ANNOUNCER)));
    ASSERT_EQ(listItems(list), (std::vector<std::string>{"ABA", "* CAB", "FED"}));
    clickFirstItem(list);
    EXPECT_EQ(changedTiles(), (std::vector<int>{0, 1, 2})) << "ABA along the top row";
    EXPECT_EQ(accessibleName(GetDlgItem(solutions, IDC_SOLUTIONS_ANNOUNCER)),
              "ABA, missed: A row 1 column 1, B row 1 column 2, A row 1 column 3");
    IAccessible* table = nullptr;
    AccessibleObjectFromWindow(GetDlgItem(dialog, IDC_BOARD), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&table));
    VARIANT thirdCell = self();
    thirdCell.lVal = 13; // row 1, column 3
    BSTR description = nullptr;
    table->get_accDescription(thirdCell, &description);
    EXPECT_EQ(textOf(description), "Letter 3 of the word selected in Solutions") << "for a screen reader";
    table->Release();
    std::vector<unsigned> third = screenSquare(dialog, 190, 70), a = shrunkTile(0);
    EXPECT_NE(screenSquare(dialog, 70, 70), third) << "the two A tiles tell their places apart";
    for (std::size_t pixel = 0; pixel < a.size(); ++pixel) {
        ASSERT_TRUE(a[pixel] != 0 || (third[pixel] & 0x808080) == 0) << "the A stays dark, pixel " << pixel;
    }
    SetFocus(list);
    pauseAfterTheGamesEnd();
    pressKey(VK_DOWN);
    EXPECT_EQ(changedTiles(), (std::vector<int>{1, 2, 3})) << "CAB replaces ABA";
    EXPECT_EQ(accessibleName(GetDlgItem(solutions, IDC_SOLUTIONS_ANNOUNCER)),
              "CAB, found: C row 1 column 4, A row 1 column 3, B row 1 column 2");
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    EXPECT_EQ(watchedNames(), std::vector<std::string>{"FED, missed: F row 2 column 3, E row 2 column 2, D row 2 column 1"})
        << "Down at the list's end says nothing again";
    clickButton(solutions, IDOK);
    SetFocus(GetDlgItem(dialog, IDC_FOUND_WORDS)); // the board's focus mark aside
    EXPECT_EQ(changedTiles(), std::vector<int>{}) << "closing Solutions clears the marks";
    // The board so near the screen's right edge that only its left has room.
    SetWindowPos(dialog, nullptr, work.right - boardRect().right - 50, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    clickFirstItem(GetDlgItem(openSolutionsBesideBoard(), IDC_SOLUTIONS_LIST));
    ASSERT_EQ(changedTiles().size(), 3u);
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    EXPECT_EQ(changedTiles(), std::vector<int>{}) << "a New Game clears them";
}

TEST_F(Dialogs, AboutShowsSevenLinesAndTheBTile)
{
    open();
    for (int opening = 0; opening < 2; ++opening) {
        HWND about = openChild(IDM_ABOUT, "About");
        ASSERT_NE(about, nullptr);
        EXPECT_FALSE(IsWindowEnabled(dialog));
        EXPECT_EQ(controlText(about, IDC_ABOUT_TEXT),
                  "Lettro\r\n\r\nWritten by the Lettro team\r\n\r\n2026\r\n\r\nVersion " LETTRO_VERSION_TEXT);
        EXPECT_EQ(SendDlgItemMessageA(about, IDC_ABOUT_TEXT, EM_GETLINECOUNT, 0, 0), 7);
        EXPECT_EQ(accessibleName(GetDlgItem(about, IDC_ABOUT_TEXT)), "About Lettro");
        RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(screenSquare(about, 130, 10) == shrunkTile(5)) << "the B tile at (130, 10)";
        SendMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_TEXT, EN_SETFOCUS), 0);
        EXPECT_TRUE(IsWindow(about)) << "notifications from the text change nothing";
        clickButton(about, IDOK);
        EXPECT_FALSE(IsWindow(about));
        EXPECT_TRUE(IsWindowEnabled(dialog));
    }
}

TEST_F(Dialogs, DialogThatCannotBeCreatedLeavesTheMainWindowEnabled)
{
    open();
    openChildDialog(9999, nullptr, 0);
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

// The word list's folder stands for the exe's: Help looks for the document there, whatever the working folder.
TEST_F(Dialogs, HelpOpensTheDocumentInTheViewerAndLeavesTheCountdownAlone)
{
    open();
    std::string document = workingFolder() + "\\Lettro.chm";
    answerNextMessageBox();
    SendMessageA(dialog, WM_COMMAND, IDM_HELP, 0);
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_FILE_NOT_FOUND, 0, reason, sizeof reason, nullptr);
    EXPECT_EQ(lastAnsweredBox().text, "The help could not be opened:\r\n" + document + "\r\n\r\n" +
                                          std::string(reason).substr(0, std::strcspn(reason, "\r\n")));
    EXPECT_EQ(lastAnsweredBox().title, "Error");
    EXPECT_EQ(lastAnsweredBox().owner, dialog);
    ASSERT_TRUE(CopyFileA(HELP_DOCUMENT, document.c_str(), FALSE));
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    SendMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    SendMessageA(dialog, WM_COMMAND, IDM_HELP, 0);
    EXPECT_EQ(gameState.secondsLeft, 179);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    HWND viewer = nullptr;
    for (int wait = 0; wait < 150 && viewer == nullptr; ++wait) {
        Sleep(100);
        viewer = FindWindowA(nullptr, "Lettro Help");
    }
    ASSERT_NE(viewer, nullptr) << "the help viewer shows the document's title";
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ(gameState.secondsLeft, 179);
    EXPECT_TRUE(KillTimer(dialog, COUNTDOWN_TIMER_ID));
}

} // namespace
