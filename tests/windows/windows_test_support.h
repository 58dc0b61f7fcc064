// Driving the real main window in the test process: opening it, typing, clicking, answering boxes.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

// A fresh game state and table, a working folder of this test's own holding "words.dic" and,
// when given, "High Scores.dat", and the main dialog created there from its template.
HWND openMainWindow(const std::string& words, const std::string& highScores = std::string());

// A New Game on `dialog` with the board `readingOrder` (16 letters, row by row) laid in its place,
// solved and painted.
void newGameWithBoard(HWND dialog, const char* readingOrder);

// The same in two steps: the working folder made current, with the name that "words.dic" is to
// have there (nothing is written to it); then the main dialog.
std::string prepareWorkingFolder(const std::string& highScores = std::string());
HWND createMainWindow();

// The working folder that openMainWindow made current.
std::string workingFolder();

std::string controlText(HWND dialog, int id);
// The items of a list box, top to bottom.
std::vector<std::string> listItems(HWND list);
void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

// One line of "High Scores.dat": the name in a field of 30 bytes padded with zero bytes, then the score.
std::string scoreLine(const std::string& name, int score);

// Keys as the player types them: one WM_CHAR per character to the control.
void typeInto(HWND control, const std::string& text);

// Keys as the keyboard delivers them: posted to the control that has the focus, then handled.
void pressKey(WPARAM key, bool shift = false);
void typeKeys(const std::string& text);

// A click on a button, as the player makes it.
void clickButton(HWND dialog, int id);

// What a message box showed before the test dismissed it with OK.
struct AnsweredBox {
    bool seen;
    std::string title;
    std::string text;
    HWND owner;
    bool offeredRetry;
};

// Arms a thread timer that answers every message box of this thread with `button`, recording
// each; `beforeAnswering` runs once, while the first box is on screen.
void answerNextMessageBox(int button = IDOK, std::function<void()> beforeAnswering = nullptr);
AnsweredBox lastAnsweredBox();
int answeredBoxCount();
void stopAnsweringMessageBoxes();

// Runs `action` on a thread of its own, as another program acting meanwhile; awaitThread waits for
// it to end and closes its handle.
HANDLE startThread(std::function<void()> action);
void awaitThread(HANDLE thread);

// Another copy's save as this copy meets it: the lock of "High Scores.dat" in the working folder
// taken now; then, on a thread of its own, 300 ms later, `table` written to the file and the lock let go.
HANDLE saveByAnotherCopy(const std::string& table);

// A player's pause once a game has ended: Enter Name takes no Enter in its first ¾ of a second.
void pauseAfterTheGamesEnd();

// The centre of `tile` in the main window's client pixels.
POINT tileCentre(int tile);

// A trace as posted mouse messages: a press at the first point, then a move to each other point
// with the button held. The word field's text after each point.
std::vector<std::string> tracedFields(HWND dialog, const std::vector<POINT>& path);

// A press of the left button at client pixel (x, y) of the dialog: the cursor is moved there first.
void pressMouseAt(HWND dialog, int x, int y, UINT message = WM_LBUTTONDOWN);

// Handles this thread's pending messages.
void pumpMessages();

// Handles this thread's messages for a while, so that what is announced once a box or a dialog
// has settled is said.
void letAnnouncementsSettle();

// The 60 x 60 pixels at client pixel (x, y) of the window as it stands on screen, as 0x00RRGGBB.
std::vector<unsigned> screenSquare(HWND window, int x, int y);

// The image of tile slot `slot` shrunk onto 60 x 60 the way the board paints it.
std::vector<unsigned> shrunkTile(int slot);

// The board's tiles in reading order whose square on screen is not their plain image, once painted.
std::vector<int> changedTilesOf(HWND dialog);

// ---- MSAA, as a screen reader reads the windows ----

// The text of a BSTR, which it frees.
std::string textOf(BSTR text);
VARIANT self();
std::string nameOf(IAccessible* object);
// The name of the client area of `window`, as another program asks for it.
std::string accessibleName(HWND window);

// Watches this process's objects for `event`, or the events `event` to `last`, (in this thread's
// message loop) until the next call: watchedNames() are the names of the objects that raised
// them, in order, and watchedEvents() the events.
void watchEvents(DWORD event, DWORD last = 0);
std::vector<std::string> watchedNames();
std::vector<DWORD> watchedEvents();
// How many of the watched events were `event`.
long watchedCount(DWORD event);

// A key pressed while `modifier` (VK_CONTROL, VK_SHIFT) is held, as the keyboard delivers it; held
// down, it sends `repeats` more key-downs with bit 30 set before it is let go.
void pressKeyWith(WPARAM modifier, WPARAM key, int repeats = 0);
