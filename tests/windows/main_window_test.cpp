// The real main window under Wine: start-up state, a game played through its controls, shutdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "engine/game_life.h"
#include "engine/game_state.h"
#include "scores/file_replace.h"
#include "scores/high_score_table.h"
#include "ui/app/main_window.h"
#include "ui/app/score_keeping.h"
#include "ui/common/system_library.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_colours.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/annotations.h"
#include "ui/screen_reader/spoken_texts.h"
#include "windows_test_support.h"

namespace {

// Every letter is a word, so each tile of any board is a solution.
const char EVERY_LETTER[] = "a b c d e f g h i j k l m n o p q r s t u v w x y z";
const std::string BLANK_STATUS(13, ' ');

std::string savedTable()
{
    return readBytes(workingFolder() + "\\High Scores.dat");
}

class MainWindow : public ::testing::Test {
  protected:
    HWND dialog = nullptr;

    void SetUp() override
    {
        dialog = openMainWindow(EVERY_LETTER);
        ASSERT_NE(dialog, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(dialog);
        pumpMessages();
    }

    void command(WPARAM wParam)
    {
        SendMessageA(dialog, WM_COMMAND, wParam, 0);
        pumpMessages();
    }

    void tick(int times)
    {
        for (int count = 0; count < times; ++count) {
            SendMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
        }
    }

    HWND control(int id)
    {
        return GetDlgItem(dialog, id);
    }

    // A word on the board: the first tile's letter, in lower case.
    std::string tileWord()
    {
        return std::string(1, static_cast<char>(std::tolower(gameState.tileLetters[0])));
    }

    void typeAndSubmit(const std::string& word)
    {
        typeInto(control(IDC_WORD_FIELD), word);
        clickButton(dialog, IDC_SUBMIT);
    }

    bool menuGrayed(int id)
    {
        return (GetMenuState(GetMenu(dialog), static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) != 0;
    }

    // A timed game dealt and run to its last second.
    void dealAndRunToTheLastSecond()
    {
        command(IDM_NEW_GAME);
        tick(179);
    }

    LRESULT foundCount()
    {
        return SendDlgItemMessageA(dialog, IDC_FOUND_WORDS, LB_GETCOUNT, 0, 0);
    }

    // A game of one word played to its end; the closing box is answered with `whileBoxShown` run.
    void finishGameScoringOne(std::function<void()> whileBoxShown = nullptr)
    {
        command(IDM_NEW_GAME);
        typeAndSubmit(tileWord());
        tick(179);
        answerNextMessageBox(IDOK, whileBoxShown);
        tick(1);
        pumpMessages();
    }
};

TEST_F(MainWindow, StartsWithTheClockAtThreeAndWordEntryDisabled)
{
    EXPECT_EQ(mainWindow, dialog);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "3:00");
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), " ");
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "");
    EXPECT_FALSE(IsWindowEnabled(control(IDC_WORD_FIELD)));
    EXPECT_FALSE(IsWindowEnabled(control(IDC_SUBMIT)));
    EXPECT_EQ(foundCount(), 0);
    EXPECT_FALSE(gameState.boardDealt);
    EXPECT_EQ(gameState.dictionaryCount, 26);
    char caption[32] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Lettro");
    EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindow, NothingIsDrawnOnTheBoardBeforeTheFirstGame)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC windowContext = GetDC(dialog);
    for (int at = 75; at < 310; at += 40) {
        EXPECT_EQ(GetPixel(windowContext, at, at), BACKGROUND_COLOUR) << "pixel " << at;
    }
    ReleaseDC(dialog, windowContext);
}

TEST_F(MainWindow, ScreenReadersReadEachControlByItsName)
{
    const std::pair<int, const char*> names[] = {
        {IDC_WORD_FIELD, "Word"},          {IDC_STATUS_LINE, "Status"},     {IDC_FOUND_WORDS, "Words found this game"},
        {IDC_TIME_DISPLAY, "Time remaining"}, {IDC_SCORE_DISPLAY, "Words found"}, {IDC_SUBMIT, "Submit"},
    };
    for (const auto& name : names) {
        EXPECT_EQ(accessibleName(control(name.first)), name.second);
    }
}

TEST_F(MainWindow, StaticControlsAndTheBackgroundAreLightBlue)
{
    HDC context = CreateCompatibleDC(nullptr);
    LRESULT brush = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                                 reinterpret_cast<LPARAM>(control(IDC_TIME_LABEL)));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(backgroundBrush));
    EXPECT_EQ(GetBkColor(context), BACKGROUND_COLOUR);
    brush = SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(dialog));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(backgroundBrush));
    DeleteDC(context);
    LOGBRUSH colour = {};
    GetObjectA(backgroundBrush, sizeof colour, &colour);
    EXPECT_EQ(colour.lbColor, BACKGROUND_COLOUR);
}

// Wine cannot turn High Contrast on: the flag stands in for the system until its settings change.
TEST_F(MainWindow, HighContrastTakesTheSystemsWindowColoursUntilItIsOff)
{
    highContrastOn = true;
    HDC context = CreateCompatibleDC(nullptr);
    WPARAM target = reinterpret_cast<WPARAM>(context);
    EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, target, 0),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(GetTextColor(context), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(GetBkColor(context), GetSysColor(COLOR_WINDOW));
    SendMessageA(dialog, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, target, 0), reinterpret_cast<LRESULT>(backgroundBrush));
    DeleteDC(context);
}

TEST_F(MainWindow, NewGameEnablesEntryAndStartsTheCountdown)
{
    command(IDM_NEW_GAME);
    EXPECT_TRUE(IsWindowEnabled(control(IDC_WORD_FIELD)));
    EXPECT_TRUE(IsWindowEnabled(control(IDC_SUBMIT)));
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "0");
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "3:00") << "the first tick writes the time";
    EXPECT_TRUE(gameState.boardDealt);
    EXPECT_TRUE(KillTimer(dialog, COUNTDOWN_TIMER_ID)) << "the countdown timer runs";
}

TEST_F(MainWindow, TypedWordsAreAcceptedRefusedOrRepeated)
{
    command(IDM_NEW_GAME);
    std::string word = tileWord();
    typeAndSubmit(word);
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), BLANK_STATUS);
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1");
    ASSERT_EQ(foundCount(), 1);
    char item[32] = {};
    SendDlgItemMessageA(dialog, IDC_FOUND_WORDS, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::string(item), word) << "listed as typed";
    EXPECT_EQ(controlText(dialog, IDC_WORD_FIELD), "");
    EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD));

    typeAndSubmit("zzzz");
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), "Invalid Word");
    typeAndSubmit("ZZZZ");
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), "Already Entered");
    typeAndSubmit(std::string(1, static_cast<char>(std::toupper(word[0]))));
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), "Already Entered");
    EXPECT_EQ(foundCount(), 1);
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1");
}

TEST_F(MainWindow, VerdictsAndTheTimeRunningShortAreAnnouncedToScreenReaders)
{
    command(IDM_NEW_GAME);
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    typeAndSubmit("zzzz");
    typeAndSubmit(tileWord());
    typeAndSubmit(tileWord());
    tick(120);
    pumpMessages(); // as a screen reader would, before the next announcement replaces this one
    tick(50);
    pumpMessages();
    std::string word(1, gameState.tileLetters[0]);
    EXPECT_EQ(watchedNames(),
              (std::vector<std::string>{"ZZZZ: Invalid Word", word + " found, 1 word", word + ": Already Entered",
                                        "One minute left", "Ten seconds left"}));
    EXPECT_EQ(controlText(dialog, IDC_STATUS_LINE), "Already Entered") << "the status line shows the verdict alone";
    for (int second = 9; second > 0; --second) {
        tick(1);
        pumpMessages();
    }
    answerNextMessageBox();
    command(IDM_END_GAME);
    command(IDM_NEW_UNTIMED_GAME);
    std::vector<std::string> heard = watchedNames();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "Ten seconds left"), 1)
        << "at 0:10 alone: neither the seconds after it, nor End Game, nor an untimed deal";
}

// During a game a double-click hands the word in (the board's tests); outside one it does nothing.
TEST_F(MainWindow, DoubleClickHandsInNoWordOutsideAGame)
{
    SendMessageA(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(gameState.enteredCount, 0) << "before the first game";
    command(IDM_NEW_GAME);
    answerNextMessageBox();
    tick(GAME_SECONDS);
    SetDlgItemTextA(dialog, IDC_WORD_FIELD, tileWord().c_str());
    SendMessageA(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(gameState.enteredCount, 0) << "after the time";
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "0");
}

TEST_F(MainWindow, NotificationCodeInTheHighWordDoesNotMatter)
{
    command(IDM_NEW_GAME);
    typeInto(control(IDC_WORD_FIELD), tileWord());
    command(MAKEWPARAM(IDC_SUBMIT, 0x1234));
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1");
}

TEST_F(MainWindow, LastTickEndsTheGameWithTheClosingBox)
{
    command(IDM_NEW_GAME);
    tick(1);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "2:59");
    tick(178);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:01");
    answerNextMessageBox();
    tick(1);
    AnsweredBox box = lastAnsweredBox();
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:00");
    EXPECT_FALSE(IsWindowEnabled(control(IDC_WORD_FIELD)));
    EXPECT_FALSE(IsWindowEnabled(control(IDC_SUBMIT)));
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, "Congratulations");
    EXPECT_EQ(box.text, " You got 0 out of " + std::to_string(gameState.solutionCount));
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(KillTimer(dialog, COUNTDOWN_TIMER_ID)) << "the countdown has stopped";
    EXPECT_EQ(FindWindowA(nullptr, "Enter Name"), nullptr) << "a score of 0 never qualifies";
    EXPECT_EQ(GetFocus(), control(IDC_BOARD)) << "the focus lands on a control";
}

TEST_F(MainWindow, TheTimeKeyTellsTheTimeLeftAndTheWordsFound)
{
    std::vector<std::string> heard;
    for (int ticks : {0, 47, 72, 2}) {
        if (ticks == 47) {
            command(IDM_NEW_GAME);
        } else if (ticks != 0) {
            typeAndSubmit(std::string(1, static_cast<char>(std::tolower(gameState.tileLetters[ticks == 72 ? 0 : 15]))));
        }
        tick(ticks);
        pressKeyWith(VK_CONTROL, 'T');
        heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
    }
    int found = gameState.tileLetters[0] == gameState.tileLetters[15] ? 1 : 2;
    command(IDM_NEW_UNTIMED_GAME);
    pressKeyWith(VK_CONTROL, 'T');
    heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
    EXPECT_EQ(heard, (std::vector<std::string>{"No game running", "2 minutes 13 seconds left, no words found",
                                               "1 minute 1 second left, 1 word found",
                                               "59 seconds left, " + std::to_string(found) + " word" +
                                                   (found == 1 ? "" : "s") + " found",
                                               "Untimed game, no words found"}));
    // Held down: the key's repeats (bit 30 of lParam) are told nothing more.
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    pressKeyWith(VK_CONTROL, 'T', 5);
    EXPECT_EQ(watchedEvents().size(), 1u) << "one announcement for one press of Ctrl+T";
}

// The last focus event comes before the deal's announcement: a reader cuts off what it was told
// just before the focus moved. A word left in the field is told with the deal; each end is told
// with the closing box's tally, and the reading keys read on while the box stands.
TEST_F(MainWindow, EveryDealAndEveryEndIsAnnouncedOnTheTimeAnnouncer)
{
    std::vector<std::string> heard;
    watchEvents(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED);
    SetFocus(control(IDC_FOUND_WORDS));
    pressKey(VK_F2);
    pumpMessages();
    std::vector<DWORD> events = watchedEvents();
    auto lastFocus = std::find(events.rbegin(), events.rend(), static_cast<DWORD>(EVENT_OBJECT_FOCUS));
    auto announced = std::find(events.rbegin(), events.rend(), static_cast<DWORD>(EVENT_OBJECT_LIVEREGIONCHANGED));
    ASSERT_NE(announced, events.rend());
    EXPECT_LT(announced - events.rbegin(), lastFocus - events.rbegin()) << "announced after the focus moved";
    heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
    HWND firstAnnouncer = control(IDC_TIME_ANNOUNCER);
    typeInto(control(IDC_WORD_FIELD), "leg");
    command(IDM_NEW_UNTIMED_GAME);
    heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
    EXPECT_NE(control(IDC_TIME_ANNOUNCER), firstAnnouncer) << "the next text comes from the other announcer";
    EXPECT_NE(heard.back().find("LEG"), std::string::npos) << "the word left in the field";
    answerNextMessageBox();
    command(IDM_END_GAME);
    heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
    std::string untimedBox = lastAnsweredBox().text;
    dealAndRunToTheLastSecond();
    bool boxStood = false;
    answerNextMessageBox(IDOK, [this, &heard, &boxStood] {
        heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
        pressKeyWith(VK_CONTROL, 'B');
        heard.push_back(accessibleName(control(IDC_TIME_ANNOUNCER)));
        boxStood = FindWindowA(nullptr, CLOSING_TITLE) != nullptr;
    });
    tick(1);
    EXPECT_EQ(heard, (std::vector<std::string>{"New game, 3 minutes",
                                               dealAnnouncement(false, GAME_SECONDS, "leg"),
                                               gameEndAnnouncement(true, untimedBox),
                                               gameEndAnnouncement(false, lastAnsweredBox().text),
                                               boardReading(std::string(gameState.tileLetters, TILE_COUNT))}))
        << "the last two while the closing box is on screen";
    EXPECT_EQ(heard[3], std::string(TIMES_UP) + "." + lastAnsweredBox().text + ".") << "the box's own words";
    EXPECT_TRUE(boxStood) << "Ctrl+B on the closing box leaves it open";
    EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), "") << "nothing of these on the verdict announcer";
}

// An announcement like the one before is still raised anew, every announcer is asked to be a live
// region, and a few seconds later each is emptied without a live-region event.
TEST_F(MainWindow, AnnouncementsAreHeardEvenWhenRepeatedAndAreEmptiedAfterAFewSeconds)
{
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    std::vector<HWND> speakers;
    for (int press = 0; press < 2; ++press) {
        pressKeyWith(VK_CONTROL, 'T');
        speakers.push_back(control(IDC_TIME_ANNOUNCER));
    }
    EXPECT_EQ(watchedNames(), (std::vector<std::string>{"No game running", "No game running"}));
    EXPECT_NE(speakers[0], speakers[1]);
    command(IDM_NEW_GAME);
    for (int entry = 0; entry < 3; ++entry) {
        typeAndSubmit("zzzz");
        speakers.push_back(control(IDC_ANNOUNCER));
    }
    EXPECT_EQ(watchedNames(),
              (std::vector<std::string>{"No game running", "No game running", "New game, 3 minutes", "ZZZZ: Invalid Word",
                                        "ZZZZ: Already Entered", "ZZZZ: Already Entered"}));
    EXPECT_NE(speakers[3], speakers[4]);
    for (HWND speaker : speakers) {
        EXPECT_TRUE(isAskedToBeLiveRegion(speaker)) << "Lettro asks for every announcer to be a live region";
    }
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    auto anyLeft = [&speakers] {
        return std::any_of(speakers.begin(), speakers.end(), [](HWND speaker) { return !accessibleName(speaker).empty(); });
    };
    DWORD start = GetTickCount();
    while (anyLeft() && GetTickCount() - start < ANNOUNCEMENT_KEPT_MS + 3000) {
        Sleep(50);
        pumpMessages();
    }
    EXPECT_FALSE(anyLeft()) << "every announcer is emptied a few seconds after it spoke";
    EXPECT_EQ(watchedNames(), std::vector<std::string>{}) << "the emptying is not announced";
}

// A game dealt while the closing box stood is played on once the name is entered. A reader's last
// focus event as Enter Name opens is its field's, and it hears the score and its place, then where
// the entry went; the focus never rests on the bare main window.
TEST_F(MainWindow, QualifyingGameAsksForANameAndEntersTheFinishedScore)
{
    watchEvents(EVENT_OBJECT_FOCUS);
    finishGameScoringOne([this] { SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0); });
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    ASSERT_NE(enterName, nullptr);
    letAnnouncementsSettle();
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the main window waits for the name";
    EXPECT_EQ(GetFocus(), GetDlgItem(enterName, IDC_NAME_FIELD));
    std::vector<std::string> focused = watchedNames();
    EXPECT_EQ(focused.empty() ? "" : focused.back(), accessibleName(GetDlgItem(enterName, IDC_NAME_FIELD)));
    EXPECT_EQ(accessibleName(GetDlgItem(enterName, IDC_NAME_ANNOUNCER)), nameEntryPrompt(1, 1));
    SetActiveWindow(dialog);
    pumpMessages();
    EXPECT_EQ(GetFocus(), GetDlgItem(enterName, IDC_NAME_FIELD)) << "the disabled main window hands the focus back";
    watchEvents(EVENT_OBJECT_FOCUS);
    typeInto(GetDlgItem(enterName, IDC_NAME_FIELD), "Zoe");
    clickButton(enterName, IDC_NAME_OK);
    letAnnouncementsSettle();
    focused = watchedNames();
    EXPECT_EQ(std::count(focused.begin(), focused.end(), accessibleName(dialog)), 0) << "no focus on the bare window";
    EXPECT_EQ(accessibleName(control(IDC_TIME_ANNOUNCER)), savedInPlace(1));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_FALSE(IsWindow(enterName));
    ASSERT_EQ(highScoreTable.highScoreCount, 1);
    EXPECT_STREQ(highScoreTable.highScoreNames[0], "Zoe");
    EXPECT_EQ(highScoreTable.highScoreScores[0], 1) << "the finished game's score, not the new game's 0";
    EXPECT_EQ(savedTable(), scoreLine("Zoe", 1)) << "saved as soon as it is entered";
    EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD)) << "the focus stays in the game dealt meanwhile";
    EXPECT_EQ(readBytes(workingFolder() + "\\High Scores.dat.lock"), "<missing>") << "the lock goes with the save";
}

// ---- End Game, and the untimed game ----

// Ctrl+Shift+F2 deals nothing; Shift+F2 an untimed game, which no tick ends; F2 then a timed one.
TEST_F(MainWindow, UntimedGameOutlastsEveryTickUntilF2DealsATimedOne)
{
    SetFocus(control(IDC_FOUND_WORDS));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    pressKey(VK_F2, true);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(gameState.boardDealt) << "Ctrl+Shift+F2 deals nothing";
    pressKey(VK_F2, true);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "--:--");
    EXPECT_FALSE(KillTimer(dialog, COUNTDOWN_TIMER_ID)) << "no countdown runs";
    typeAndSubmit(tileWord());
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_F2, 0x40000001);
    for (int count = 0; count < 200; ++count) {
        PostMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    }
    pumpMessages();
    EXPECT_EQ(controlText(dialog, IDC_SCORE_DISPLAY), "1") << "a held F2's repeat deals nothing";
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "--:--");
    EXPECT_EQ(gameState.secondsLeft, 0);
    EXPECT_TRUE(IsWindowEnabled(control(IDC_WORD_FIELD))) << "the game runs on";
    pressKey(VK_F2);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "3:00") << "at once, over the untimed game's --:--";
    tick(1);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "2:59");
    tick(178);
    answerNextMessageBox();
    tick(1);
    EXPECT_TRUE(lastAnsweredBox().seen);
    EXPECT_FALSE(IsWindowEnabled(control(IDC_WORD_FIELD)));
}

// Grayed before the first game and while the closing box is shown; a stray tick then changes nothing.
TEST_F(MainWindow, EndGameEndsATimedGameAndOffersItsScore)
{
    EXPECT_TRUE(menuGrayed(IDM_END_GAME)) << "before the first game";
    command(IDM_NEW_GAME);
    typeAndSubmit(tileWord());
    tick(10);
    bool grayedUnderTheBox = false;
    answerNextMessageBox(IDOK, [this, &grayedUnderTheBox] { grayedUnderTheBox = menuGrayed(IDM_END_GAME); });
    command(IDM_END_GAME);
    EXPECT_EQ(lastAnsweredBox().text, " You got 1 out of " + std::to_string(gameState.solutionCount));
    EXPECT_TRUE(grayedUnderTheBox);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:00");
    EXPECT_FALSE(KillTimer(dialog, COUNTDOWN_TIMER_ID)) << "the countdown has stopped";
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    ASSERT_NE(enterName, nullptr) << "a score of 1 earns a place in the empty table";
    clickButton(enterName, IDC_NAME_OK);
    PostMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    command(IDM_END_GAME);
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:00");
    EXPECT_EQ(answeredBoxCount(), 1) << "neither the tick nor End Game ends the game again";
}

// A score that would earn a place in the empty table is neither asked a name for nor entered
// when the program ends, by Exit or while the box is shown at the session's end.
TEST_F(MainWindow, UntimedGameEndedEntersNoScore)
{
    for (UINT leaving : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_ENDSESSION)}) {
        ShowWindow(dialog, SW_SHOW);
        gameState.leaving = false; // the same window, as if the program had started again
        command(IDM_NEW_UNTIMED_GAME);
        typeAndSubmit(tileWord());
        answerNextMessageBox(IDOK, [this, leaving] {
            if (leaving == WM_ENDSESSION) {
                SendMessageA(dialog, WM_ENDSESSION, TRUE, 0);
            }
        });
        command(IDM_END_GAME);
        EXPECT_EQ(lastAnsweredBox().text, " You got 1 out of " + std::to_string(gameState.solutionCount) +
                                              "\r\nUntimed games do not enter the high scores.");
        EXPECT_FALSE(menuGrayed(IDM_SOLUTIONS));
        EXPECT_EQ(FindWindowA(nullptr, "Enter Name"), nullptr);
        if (leaving == WM_COMMAND) {
            command(IDM_EXIT);
        }
        EXPECT_EQ(savedTable(), "<missing>") << "leaving by message " << leaving;
    }
}

// ---- the program ending early: a finished score is entered first, once ----

TEST_F(MainWindow, ClosingWhileTheClosingBoxIsShownEntersTheFinishedScoreOnce)
{
    finishGameScoringOne([this] { SendMessageA(dialog, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(FindWindowA(nullptr, "Enter Name"), nullptr) << "no name is asked for once the program ends";
    EXPECT_EQ(highScoreTable.highScoreCount, 1);
    EXPECT_EQ(savedTable(), scoreLine("", 1));
}

TEST_F(MainWindow, ClosingOrSessionEndWhileEnterNameIsOpenEntersTheNameTypedSoFar)
{
    finishGameScoringOne();
    typeInto(GetDlgItem(FindWindowA(nullptr, "Enter Name"), IDC_NAME_FIELD), "Kim");
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(savedTable(), scoreLine("Kim", 1));
    EXPECT_EQ(FindWindowA(nullptr, "Enter Name"), nullptr);
    ShowWindow(dialog, SW_SHOW);
    gameState.leaving = false; // the same window, as if the program had started again
    finishGameScoringOne();
    typeInto(GetDlgItem(FindWindowA(nullptr, "Enter Name"), IDC_NAME_FIELD), "Eve");
    answerNextMessageBox();
    EXPECT_EQ(SendMessageA(dialog, WM_QUERYENDSESSION, 0, 0), TRUE) << "the game never holds up a shutdown";
    // A copy that hung while saving holds the lock: the session's end saves without it.
    HANDLE hungCopysLock = CreateFileA((workingFolder() + "\\High Scores.dat.lock").c_str(), GENERIC_WRITE, 0,
                                       nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    DWORD started = GetTickCount();
    SendMessageA(dialog, WM_ENDSESSION, TRUE, 0);
    std::printf("WM_ENDSESSION with the lock held: %lu ms\n", GetTickCount() - started);
    CloseHandle(hungCopysLock);
    EXPECT_EQ(savedTable(), scoreLine("Kim", 1) + scoreLine("Eve", 1));
    EXPECT_FALSE(IsWindowVisible(dialog));
    pumpMessages();
    EXPECT_EQ(answeredBoxCount(), 0) << "no box at the end of a session";
}

// Another program (a scanner, a sync tool) holds the file with no sharing: it is neither read
// as empty nor replaced, and Retry, once it lets go, keeps both the old entry and the new one.
TEST_F(MainWindow, FileHeldByAnotherProgramIsKeptAndRetrySavesOnceItLetsGo)
{
    std::string tableFile = workingFolder() + "\\High Scores.dat";
    writeBytes(tableFile, scoreLine("Old", 7));
    HANDLE held = CreateFileA(tableFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    typeInto(GetDlgItem(enterName, IDC_NAME_FIELD), "Zoe");
    answerNextMessageBox(IDRETRY, [held] { CloseHandle(held); });
    clickButton(enterName, IDC_NAME_OK);
    EXPECT_TRUE(lastAnsweredBox().offeredRetry);
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_SHARING_VIOLATION, 0, reason, sizeof reason, nullptr);
    EXPECT_NE(lastAnsweredBox().text.find(std::string(reason).substr(0, std::strcspn(reason, "\r\n"))),
              std::string::npos);
    EXPECT_EQ(answeredBoxCount(), 1);
    EXPECT_EQ(savedTable(), scoreLine("Zoe", 1) + scoreLine("Old", 7));
}

// Another copy reading the table (at its start or in High Scores) without the lock, or a scanner,
// holds it open for a moment, and Windows refuses to replace an open file: the save tries again,
// and the player sees no box.
TEST_F(MainWindow, SaveRidesOutAnotherProgramsReadOfTheFile)
{
    std::string tableFile = workingFolder() + "\\High Scores.dat", probe = tableFile + ".probe";
    writeBytes(tableFile, scoreLine("Old", 7));
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    typeInto(GetDlgItem(enterName, IDC_NAME_FIELD), "Zoe");
    // Opened as the C library opens a file to read it: sharing reading and writing, not deletion.
    HANDLE reading = CreateFileA(tableFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    writeBytes(probe, "");
    ASSERT_FALSE(MoveFileExA(probe.c_str(), tableFile.c_str(), MOVEFILE_REPLACE_EXISTING)) << "a reader refuses it";
    DeleteFileA(probe.c_str());
    // Let go 300 ms after the save has begun writing, so that the replacement meets the reader.
    std::string temporary = tableFile + "." + std::to_string(GetCurrentProcessId()) + ".new";
    HANDLE reader = startThread([reading, temporary] {
        while (GetFileAttributesA(temporary.c_str()) == INVALID_FILE_ATTRIBUTES) {
            Sleep(1);
        }
        Sleep(300);
        CloseHandle(reading);
    });
    answerNextMessageBox(IDCANCEL);
    clickButton(enterName, IDC_NAME_OK);
    awaitThread(reader);
    EXPECT_EQ(answeredBoxCount(), 0) << lastAnsweredBox().text;
    EXPECT_EQ(savedTable(), scoreLine("Zoe", 1) + scoreLine("Old", 7));
    stopAnsweringMessageBoxes();
}

// A read-only file is reported at once, as read-only: the second of retries that another program's
// momentary hold earns would only keep the player waiting. Cleared 0.7 s into the save, the file
// would be replaced by such a retry and no box shown. Retry, once the player has cleared it, saves.
TEST_F(MainWindow, ReadOnlyFileIsReportedAtOnceAsReadOnlyAndRetrySavesOnceItIsCleared)
{
    std::string tableFile = workingFolder() + "\\High Scores.dat";
    writeBytes(tableFile, scoreLine("Old", 7));
    ASSERT_TRUE(SetFileAttributesA(tableFile.c_str(), FILE_ATTRIBUTE_READONLY));
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    typeInto(GetDlgItem(enterName, IDC_NAME_FIELD), "Zoe");
    auto clear = [tableFile] { SetFileAttributesA(tableFile.c_str(), FILE_ATTRIBUTE_NORMAL); };
    HANDLE clearing = startThread([clear] {
        Sleep(700);
        clear();
    });
    answerNextMessageBox(IDRETRY, clear);
    clickButton(enterName, IDC_NAME_OK);
    awaitThread(clearing);
    AnsweredBox box = lastAnsweredBox();
    ASSERT_TRUE(box.seen) << "no report before the file was cleared";
    EXPECT_EQ(box.text, "The high scores could not be saved to \"High Scores.dat\".\r\n\r\nThe file is read-only. "
                        "Clear \"Read-only\" in the Properties of \"High Scores.dat\", then click Retry.");
    EXPECT_TRUE(box.offeredRetry);
    EXPECT_EQ(answeredBoxCount(), 1);
    EXPECT_EQ(savedTable(), scoreLine("Zoe", 1) + scoreLine("Old", 7));
    stopAnsweringMessageBoxes();
}

// KillTimer leaves a tick already posted in the queue: Exit's Retry box runs a loop that takes it, and
// at the session's end it comes after.
TEST_F(MainWindow, LeavingStopsTheClockSoNoGameEndsMeanwhile)
{
    dealAndRunToTheLastSecond();
    std::string tableFile = workingFolder() + "\\High Scores.dat";
    ASSERT_TRUE(CreateDirectoryA(tableFile.c_str(), nullptr)) << "a folder in its place: the save fails";
    enterHighScore("Ann", 4);
    PostMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    bool timerRunning = true;
    answerNextMessageBox(IDCANCEL, [this, &timerRunning] { timerRunning = KillTimer(dialog, COUNTDOWN_TIMER_ID); });
    command(IDM_EXIT);
    EXPECT_FALSE(timerRunning) << "the countdown stops before the save";
    EXPECT_EQ(answeredBoxCount(), 1) << "no closing box after Exit";
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:01");
    RemoveDirectoryA(tableFile.c_str());
    gameState.leaving = false; // the same window, as if the program had started again
    dealAndRunToTheLastSecond();
    PostMessageA(dialog, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    answerNextMessageBox();
    SendMessageA(dialog, WM_ENDSESSION, TRUE, 0);
    pumpMessages();
    EXPECT_EQ(answeredBoxCount(), 0) << "no closing box after the session's end";
    EXPECT_EQ(controlText(dialog, IDC_TIME_DISPLAY), "0:01");
}

TEST_F(MainWindow, F2Deals)
{
    command(IDM_HIGH_SCORES);
    HWND scores = FindWindowA(nullptr, "High Scores");
    ASSERT_NE(scores, nullptr);
    PostMessageA(control(IDC_FOUND_WORDS), WM_KEYDOWN, VK_F2, 1);
    pumpMessages();
    EXPECT_FALSE(gameState.boardDealt) << "no deal behind a dialog, though the key reached the main window";
    clickButton(scores, IDOK);
    SetFocus(control(IDC_FOUND_WORDS));
    pressKey(VK_F2);
    pumpMessages();
    EXPECT_TRUE(gameState.boardDealt);
    EXPECT_TRUE(IsWindowEnabled(control(IDC_WORD_FIELD)));
}

// ---- the guards at a game's end ----

// A key as the keyboard delivers it, `atMs` after the closing box was asked for: posted to the
// control that has the focus then, to the main window's control `toControl`, or, with toControl
// TO_THE_BOX, to the closing box on screen. A key whose
// message is 0 posts nothing: it only looks whether the box is there. `holdMs` keeps the queue
// unread that long after the key, as a busy program would.
struct ScriptedKey {
    DWORD atMs;
    UINT message;
    WPARAM key;
    LPARAM flags;
    int toControl;
    DWORD holdMs;
};

const int TO_THE_BOX = -1;
const LPARAM REPEAT = 0x40000001;
// Bit 29: Alt is down.
const LPARAM ALT_DOWN = 0x20000001;

std::vector<ScriptedKey> keyScript;
std::size_t nextScriptedKey = 0;
DWORD scriptStart = 0;
// Whether the closing box was on screen as each scripted key was posted.
std::vector<bool> closingBoxShownAtKey;

ScriptedKey key(DWORD atMs, WPARAM key, LPARAM flags = 1, UINT message = WM_KEYDOWN)
{
    return ScriptedKey{atMs, message, key, flags, 0, 0};
}

ScriptedKey look(DWORD atMs)
{
    return ScriptedKey{atMs, 0, 0, 0, 0, 0};
}

// One key a call, so that each is handled before the next is posted.
void CALLBACK playKeyScript(HWND, UINT, UINT_PTR, DWORD)
{
    if (nextScriptedKey >= keyScript.size() || GetTickCount() - scriptStart < keyScript[nextScriptedKey].atMs) {
        return;
    }
    const ScriptedKey& next = keyScript[nextScriptedKey++];
    closingBoxShownAtKey.push_back(FindWindowA(nullptr, CLOSING_TITLE) != nullptr);
    HWND target = next.toControl == TO_THE_BOX ? FindWindowA(nullptr, CLOSING_TITLE)
                  : next.toControl != 0       ? GetDlgItem(mainWindow, next.toControl)
                                              : GetFocus();
    if (next.message != 0) {
        PostMessageA(target, next.message, next.key, next.flags);
    }
    Sleep(next.holdMs);
}

void CALLBACK closeTheClosingBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    PostMessageA(FindWindowA(nullptr, CLOSING_TITLE), WM_COMMAND, IDOK, 0);
}

// The game's last tick with `script` played from the moment the closing box is asked for; a box
// that no key has closed is closed 1 s after the last key, so that no test hangs.
void playOnTheClosingBox(const std::vector<ScriptedKey>& script)
{
    keyScript = script;
    nextScriptedKey = 0;
    closingBoxShownAtKey.clear();
    stopAnsweringMessageBoxes();
    UINT_PTR timers[] = {SetTimer(nullptr, 0, 10, playKeyScript),
                         SetTimer(nullptr, 0, script.back().atMs + 1000, closeTheClosingBox)};
    scriptStart = GetTickCount();
    SendMessageA(mainWindow, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    while (nextScriptedKey < keyScript.size()) {
        Sleep(10);
        pumpMessages();
    }
    for (UINT_PTR timer : timers) {
        KillTimer(nullptr, timer);
    }
}

// Enter at 0.3 s is taken for a key meant for the game; at 1.2 s, though ¾ s after the first, the
// box has not stood its 1.5 s; at 2.3 s it answers. A held Enter's repeats (bit 30), at 0.9 s and
// at 2 s, never close the box; a fresh press after a pause does.
TEST_F(MainWindow, EnterRightAfterTheClosingBoxAppearsOrHeldDownDoesNotDismissIt)
{
    dealAndRunToTheLastSecond();
    playOnTheClosingBox({key(300, VK_RETURN), key(1200, VK_RETURN), key(2300, VK_RETURN), look(2800)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, true, true, false}));
    dealAndRunToTheLastSecond();
    playOnTheClosingBox({key(900, VK_RETURN, REPEAT), key(2000, VK_RETURN, REPEAT), key(3100, VK_RETURN), look(3600)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, true, true, false})) << "held down";
}

// An Enter typed at 1 s but taken from the queue only at 1.8 s is judged by its own time stamp;
// an F2 typed for the game just before the box appeared deals nothing, though it goes to the main
// window.
TEST_F(MainWindow, KeyTypedInsideTheGuardIsDroppedEvenWhenReadAfterIt)
{
    dealAndRunToTheLastSecond();
    ScriptedKey readLate = key(1000, VK_RETURN);
    readLate.holdMs = 800;
    playOnTheClosingBox({readLate, key(2200, VK_RETURN), look(2700)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, true, false})) << "the Enter read late left it open";
    dealAndRunToTheLastSecond();
    unsigned deals = dealCount;
    PostMessageA(control(IDC_FOUND_WORDS), WM_KEYDOWN, VK_F2, 1);
    Sleep(20);
    playOnTheClosingBox({key(1900, VK_RETURN), look(2400)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, false}));
    EXPECT_EQ(dealCount, deals) << "the F2 typed before the box appeared";
}

// A player typing a word a second, letters then Enter, as the time runs out never closes the box;
// an Enter after a pause of 1.2 s does.
TEST_F(MainWindow, WordsTypedIntoTheClosingBoxLeaveItOpenUntilAPause)
{
    dealAndRunToTheLastSecond();
    std::vector<ScriptedKey> script;
    for (DWORD second = 0; second < 3; ++second) {
        DWORD at = 200 + second * 1000;
        for (WPARAM letter : {'C', 'A', 'T'}) {
            script.push_back(key(at += 60, letter));
        }
        script.push_back(key(at + 100, VK_RETURN));
    }
    script.push_back(key(script.back().atMs + 1200, VK_RETURN));
    script.push_back(look(script.back().atMs + 500));
    playOnTheClosingBox(script);
    std::vector<bool> expected(13, true);
    expected.push_back(false);
    EXPECT_EQ(closingBoxShownAtKey, expected) << "open at every key of the words, closed after the pause";
}

// Escape, Space and Alt+F4 close the box as Enter does, after the same pause; any other key
// addressed to the box is dropped and restarts the pause: after an X at 1 s, the closing key at
// 1.4 s does nothing, at 2.4 s it closes the box.
TEST_F(MainWindow, OnlyEnterSpaceEscapeAndAltF4CloseTheClosingBox)
{
    const std::vector<std::vector<ScriptedKey>> closings = {
        {key(1400, VK_ESCAPE), key(2400, VK_ESCAPE)},
        {key(1400, VK_SPACE), key(1450, VK_SPACE, 0xC0000001, WM_KEYUP), key(2400, VK_SPACE),
         key(2450, VK_SPACE, 0xC0000001, WM_KEYUP)},
        {key(1400, VK_F4, ALT_DOWN, WM_SYSKEYDOWN), key(2400, VK_F4, ALT_DOWN, WM_SYSKEYDOWN)},
    };
    for (const std::vector<ScriptedKey>& closing : closings) {
        dealAndRunToTheLastSecond();
        std::vector<ScriptedKey> script = {key(1000, 'X')};
        script.insert(script.end(), closing.begin(), closing.end());
        script.push_back(look(2900));
        playOnTheClosingBox(script);
        std::vector<bool> expected(script.size() - 1, true);
        expected.push_back(false);
        EXPECT_EQ(closingBoxShownAtKey, expected) << "closed by key " << closing.front().key;
        }
}

// Keys the player types into the main window, clicked back into while the box stands, reach it: F2
// deals, and the box's closing then leaves the focus in the new game.
TEST_F(MainWindow, KeysToTheMainWindowPassWhileTheClosingBoxStands)
{
    dealAndRunToTheLastSecond();
    unsigned deals = dealCount;
    ScriptedKey dealKey = key(300, VK_F2);
    dealKey.toControl = IDC_FOUND_WORDS;
    playOnTheClosingBox({dealKey, look(800)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, true}));
    EXPECT_EQ(dealCount, deals + 1) << "F2 dealt under the box";
    EXPECT_TRUE(IsWindowEnabled(control(IDC_WORD_FIELD)));
    EXPECT_EQ(GetFocus(), control(IDC_WORD_FIELD)) << "the focus stays in the new game";
}

HWND olderBox = nullptr;

void CALLBACK closeTheNewerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND box = nullptr;
    do {
        box = FindWindowExA(nullptr, box, nullptr, CLOSING_TITLE);
    } while (box != nullptr && box == olderBox);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// A game dealt under the closing box runs out under it: its own box appears, and is closed.
void CALLBACK endAnotherGameUnderTheBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    olderBox = FindWindowA(nullptr, CLOSING_TITLE);
    SendMessageA(mainWindow, WM_COMMAND, IDM_NEW_GAME, 0);
    SetTimer(nullptr, 0, 300, closeTheNewerBox);
    for (int second = 0; second < GAME_SECONDS; ++second) {
        SendMessageA(mainWindow, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    }
}

// The newer box, closed at 0.5 s, leaves the older box's guard: an Enter on it at 1 s is dropped.
TEST_F(MainWindow, BoxClosedWhileAnOlderOneStandsLeavesTheOlderOnesGuard)
{
    dealAndRunToTheLastSecond();
    UINT_PTR timer = SetTimer(nullptr, 0, 200, endAnotherGameUnderTheBox);
    std::vector<ScriptedKey> script = {key(1000, VK_RETURN), look(1300), key(2600, VK_RETURN), look(3100)};
    for (ScriptedKey& pressed : script) {
        pressed.toControl = TO_THE_BOX;
    }
    unsigned deals = dealCount;
    playOnTheClosingBox(script);
    KillTimer(nullptr, timer);
    EXPECT_EQ(dealCount, deals + 1) << "a second game dealt and ended under the box";
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, true, true, false}));
}

// A name typed at normal speed the moment Enter Name appears keeps every letter; an Enter among
// them, in its first ¾ s, presses no OK, and neither does a held Enter's repeat later.
TEST_F(MainWindow, NameTypedTheMomentEnterNameAppearsKeepsEveryLetter)
{
    finishGameScoringOne();
    HWND enterName = FindWindowA(nullptr, "Enter Name");
    ASSERT_NE(enterName, nullptr);
    HWND field = GetDlgItem(enterName, IDC_NAME_FIELD);
    const WPARAM keys[] = {'A', 'B', VK_RETURN, 'C', 'D', 'E'};
    for (WPARAM typed : keys) {
        PostMessageA(field, WM_KEYDOWN, typed, 1);
        pumpMessages();
        Sleep(typed == 'B' || typed == VK_RETURN ? 30 : 60);
    }
    pumpMessages();
    EXPECT_EQ(controlText(enterName, IDC_NAME_FIELD), "abcde");
    ASSERT_TRUE(IsWindow(enterName)) << "the Enter among the letters";
    pauseAfterTheGamesEnd();
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, REPEAT);
    pumpMessages();
    ASSERT_TRUE(IsWindow(enterName)) << "a held Enter's repeat";
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
    pumpMessages();
    EXPECT_FALSE(IsWindow(enterName));
    EXPECT_EQ(savedTable(), scoreLine("abcde", 1));
}

// Enter at 1.8 s closes the box; Enter at 2 s, 0.2 s after Enter Name appeared, presses no OK.
TEST_F(MainWindow, EnterNameGuardsAgainstTheNextEnterMeantForTheClosingBox)
{
    command(IDM_NEW_GAME);
    typeAndSubmit(tileWord());
    tick(179);
    playOnTheClosingBox({key(1800, VK_RETURN), key(2000, VK_RETURN), look(2400)});
    EXPECT_EQ(closingBoxShownAtKey, (std::vector<bool>{true, false, false}));
    EXPECT_NE(FindWindowA(nullptr, "Enter Name"), nullptr) << "the second Enter pressed no OK";
    EXPECT_EQ(highScoreTable.highScoreCount, 0);
}

// ---- menus keep their keys ----

bool menuLoopSeen = false;
int menuStep = 0;

// F2 and Q, then Escape twice, from inside the menu loop that Alt (SC_KEYMENU) starts.
void CALLBACK pressKeysInTheMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetCurrentThreadId(), &thread);
    HWND focus = GetFocus();
    switch (menuStep++) {
    case 0:
        menuLoopSeen = (thread.flags & GUI_INMENUMODE) != 0;
        PostMessageA(focus, WM_KEYDOWN, VK_F2, 1);
        PostMessageA(focus, WM_KEYDOWN, 'Q', 1);
        break;
    case 1:
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    default:
        // Should the menu outlast its keys, it is ended, so that no test hangs.
        EndMenu();
        KillTimer(nullptr, timer);
    }
}

TEST_F(MainWindow, KeysTakenByAMenuNeitherDealNorMoveTheFocus)
{
    command(IDM_NEW_GAME);
    SetFocus(control(IDC_BOARD));
    unsigned deals = dealCount;
    menuStep = 0;
    menuLoopSeen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 200, pressKeysInTheMenu);
    SendMessageA(dialog, WM_SYSCOMMAND, SC_KEYMENU, 0);
    pumpMessages();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(menuLoopSeen);
    EXPECT_EQ(dealCount, deals) << "F2 in the menu";
    EXPECT_EQ(controlText(dialog, IDC_WORD_FIELD), "") << "Q in the menu";
    EXPECT_EQ(GetFocus(), control(IDC_BOARD));
}

TEST_F(MainWindow, EscapeOutsideAGameDoesNothingAndLeavesTheWindowOpen)
{
    watchEvents(EVENT_OBJECT_LIVEREGIONCHANGED);
    command(IDCANCEL);
    EXPECT_TRUE(IsWindowVisible(dialog));
    command(IDM_NEW_UNTIMED_GAME);
    answerNextMessageBox();
    command(IDM_END_GAME);
    SetFocus(control(IDC_FOUND_WORDS));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(accessibleName(control(IDC_ANNOUNCER)), "") << "no word to clear after the game";
}

TEST(FoundWords, NewestWordStaysInViewAfterMoreWordsThanTheListShows)
{
    std::string words = EVERY_LETTER; // and every pair of letters: more words than the list shows
    for (char first = 'a'; first <= 'z'; ++first) {
        for (char second = 'a'; second <= 'z'; ++second) {
            words += std::string(" ") + first + second;
        }
    }
    HWND dialog = openMainWindow(words);
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    HWND list = GetDlgItem(dialog, IDC_FOUND_WORDS);
    RECT inside;
    GetClientRect(list, &inside);
    LRESULT rows = inside.bottom / SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    int count = std::min(gameState.solutionCount, static_cast<int>(rows) * 2);
    ASSERT_GT(count, rows + 1);
    for (int slot = 0; slot < count; ++slot) {
        SetDlgItemTextA(dialog, IDC_WORD_FIELD, std::string(wordAt(gameState.solutionList, slot)).c_str());
        SendMessageA(dialog, WM_COMMAND, IDC_SUBMIT, 0);
        LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        ASSERT_TRUE(slot >= top && slot < top + rows) << "word " << slot << " with word " << top << " at the top";
    }
    DestroyWindow(dialog);
}

std::string systemText(DWORD error)
{
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, 0, text, sizeof text, nullptr);
    return std::string(text).substr(0, std::strcspn(text, "\r\n"));
}

// A missing list, a folder in its place, a list of no words: each is told, then a game is dealt.
TEST(WordList, ListThatGivesNoWordsIsToldWithItsFolderAndWhy)
{
    const std::string named = "The word list \"words.dic\" ",
                      tail = "\r\n\r\nWithout it, every word handed in is called invalid.";
    for (int setUp = 0; setUp < 3; ++setUp) {
        std::string path = prepareWorkingFolder(), in = "in the folder\r\n" + workingFolder();
        bool folder = setUp == 1 && CreateDirectoryA(path.c_str(), nullptr);
        DWORD error = folder ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
        std::string expected = named + "could not be opened " + in + "\r\n\r\n" + systemText(error) + tail;
        if (setUp == 2) {
            writeBytes(path, " \r\n");
            expected = named + in + "\r\nholds no words." + tail;
        }
        answerNextMessageBox();
        HWND dialog = createMainWindow();
        EXPECT_EQ(lastAnsweredBox().title, "Error");
        EXPECT_EQ(lastAnsweredBox().owner, dialog);
        EXPECT_EQ(lastAnsweredBox().text, expected) << "set-up " << setUp;
        SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_WORD_FIELD))) << "a game is dealt";
        DestroyWindow(dialog);
    }
    answerNextMessageBox();
    DestroyWindow(openMainWindow(EVERY_LETTER));
    EXPECT_EQ(answeredBoxCount(), 0) << "a usable list is not told";
}

// ---- leaving: only what the file lacks is written ----

const std::string UNSORTED_TABLE = scoreLine("high", 9) + scoreLine("low", 3);

// With nothing new the file stays exactly as it was; an entry whose save failed is tried again.
void checkLeavingOn(UINT message, WPARAM wParam)
{
    HWND dialog = openMainWindow(EVERY_LETTER, UNSORTED_TABLE);
    SendMessageA(dialog, message, wParam, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "the dialog has ended";
    EXPECT_EQ(savedTable(), UNSORTED_TABLE) << "nothing new, nothing written";
    DestroyWindow(dialog);
    dialog = openMainWindow(EVERY_LETTER, UNSORTED_TABLE);
    enterHighScore("new", 5);
    SendMessageA(dialog, message, wParam, 0);
    EXPECT_EQ(savedTable(), scoreLine("low", 3) + scoreLine("new", 5) + scoreLine("high", 9));
    DestroyWindow(dialog);
    pumpMessages();
}

// Read under the lock: a copy that starts while another saves reads the file it saved.
TEST(Leaving, StartUpLoadsAndSortsTheTable)
{
    writeBytes(prepareWorkingFolder(), EVERY_LETTER);
    HANDLE otherCopy = saveByAnotherCopy(UNSORTED_TABLE);
    HWND dialog = createMainWindow();
    awaitThread(otherCopy);
    ASSERT_EQ(highScoreTable.highScoreCount, 2);
    EXPECT_EQ(highScoreTable.highScoreScores[0], 3);
    EXPECT_EQ(highScoreTable.highScoreScores[1], 9);
    DestroyWindow(dialog);
}

// A copy that hung holding the lock keeps the window waiting briefly: the start-up read waits for
// it 1 s at most and then reads without it, a save 2 s.
TEST(Leaving, LockThatIsNeverLetGoHoldsTheReadUpASecondAndTheSaveTwo)
{
    writeBytes(prepareWorkingFolder(UNSORTED_TABLE), EVERY_LETTER);
    HANDLE hungCopysLock = CreateFileA((workingFolder() + "\\High Scores.dat.lock").c_str(), GENERIC_WRITE, 0,
                                       nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    DWORD started = GetTickCount();
    HWND dialog = createMainWindow();
    DWORD startUp = GetTickCount() - started;
    EXPECT_EQ(highScoreTable.highScoreCount, 2) << "read without the lock";
    enterHighScore("new", 5);
    started = GetTickCount();
    SendMessageA(dialog, WM_COMMAND, IDM_EXIT, 0);
    DWORD save = GetTickCount() - started;
    CloseHandle(hungCopysLock);
    std::printf("with the lock held: start-up %lu ms, Exit's save %lu ms\n", startUp, save);
    EXPECT_LT(startUp, 2500u);
    EXPECT_LT(save, 4000u);
    EXPECT_EQ(savedTable(), scoreLine("low", 3) + scoreLine("new", 5) + scoreLine("high", 9));
    DestroyWindow(dialog);
    pumpMessages();
}

TEST(Leaving, ExitWritesOnlyWhatTheFileLacks)
{
    checkLeavingOn(WM_COMMAND, IDM_EXIT);
}

TEST(Leaving, CloseBoxWritesOnlyWhatTheFileLacks)
{
    checkLeavingOn(WM_CLOSE, 0);
}

TEST(Leaving, SaveThatFailsTellsThePlayerWhichFileAndWhy)
{
    HWND dialog = openMainWindow(EVERY_LETTER);
    ASSERT_TRUE(CreateDirectoryA((workingFolder() + "\\High Scores.dat").c_str(), nullptr));
    enterHighScore("Ann", 4);
    answerNextMessageBox(IDCANCEL);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    AnsweredBox box = lastAnsweredBox();
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(answeredBoxCount(), 1) << "Cancel ends the program";
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.owner, dialog);
    const std::string opening = "The high scores could not be saved to \"High Scores.dat\".\r\n\r\n";
    EXPECT_EQ(box.text.substr(0, opening.size()), opening);
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, reason, sizeof reason, nullptr);
    EXPECT_EQ(box.text.substr(opening.size()), std::string(reason).substr(0, std::strcspn(reason, "\r\n")))
        << "the system's reason for refusing to put a file in a folder's place";
    EXPECT_EQ(readBytes(workingFolder() + "\\High Scores.dat." + std::to_string(GetCurrentProcessId()) + ".new"),
              "<missing>");
    RemoveDirectoryA((workingFolder() + "\\High Scores.dat").c_str());
    DestroyWindow(dialog);
}

// A save that keeps failing at the session's end is tried again after a pause while its 2 s last,
// never after, and each try, its wait for the lock included, ends within them: also when the tick
// count wraps meanwhile, after 49.7 days of running. Read on the test's own times: nothing waits.
TEST(Leaving, SessionEndTriesAFailingSaveAgainOnlyWithinItsTwoSeconds)
{
    const DWORD DEADLINE_MS = 2000, PAUSE_MS = 200;
    for (DWORD started : {DWORD(60000), DWORD(0xFFFFFF00)}) {
        EXPECT_TRUE(sessionEndAllowsAnotherTry(started, started)) << "a save that fails at once is tried again";
        // A try waits for the lock, then may try the replacement again for a second.
        EXPECT_LE(sessionEndLockWait(started, started) + REPLACE_RETRY_MS, DEADLINE_MS);
        for (DWORD failed = 0; failed < DEADLINE_MS; failed += 100) {
            DWORD next = failed + PAUSE_MS;
            if (sessionEndAllowsAnotherTry(started, started + failed)) {
                EXPECT_LE(next + sessionEndLockWait(started, started + next) + REPLACE_RETRY_MS, DEADLINE_MS)
                    << "a try failed after " << failed << " ms";
            }
        }
        for (DWORD late : {DEADLINE_MS, DEADLINE_MS + 1, DWORD(5000), DWORD(0x7FFFFFFF)}) {
            EXPECT_FALSE(sessionEndAllowsAnotherTry(started, started + late)) << "after " << late << " ms";
            EXPECT_EQ(sessionEndLockWait(started, started + late), 0u) << "after " << late << " ms";
        }
    }
}

// A scanner, or another copy reading the table, holds the file for a moment as the session ends:
// the save is tried again once it lets go, within the session end's time, with no box.
TEST(Leaving, SessionEndSavesIntoAFileHeldForAMoment)
{
    HWND dialog = openMainWindow(EVERY_LETTER, UNSORTED_TABLE);
    enterHighScore("new", 5);
    HANDLE held = CreateFileA((workingFolder() + "\\High Scores.dat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE scanner = startThread([held] {
        Sleep(500);
        CloseHandle(held);
    });
    answerNextMessageBox();
    SendMessageA(dialog, WM_ENDSESSION, TRUE, 0);
    awaitThread(scanner);
    EXPECT_EQ(savedTable(), scoreLine("low", 3) + scoreLine("new", 5) + scoreLine("high", 9));
    EXPECT_EQ(answeredBoxCount(), 0);
    stopAnsweringMessageBoxes();
    DestroyWindow(dialog);
    pumpMessages();
}

// A DLL of that name in the working folder, where LoadLibrary would look, is not the system's.
TEST(SystemLibrary, LoadsFromTheSystemFolderOnly)
{
    prepareWorkingFolder();
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring version = std::wstring(system) + L"\\version.dll";
    ASSERT_TRUE(CopyFileW(version.c_str(), L"lettro-dropped.dll", FALSE));
    EXPECT_EQ(loadSystemLibrary(L"lettro-dropped.dll"), nullptr);
    EXPECT_NE(loadSystemLibrary(L"version.dll"), nullptr);
}

} // namespace
