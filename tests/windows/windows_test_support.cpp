// Helpers that drive the real Win32 controls of the main window from a test.
#include "windows_test_support.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "scores/high_score_table.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_painting.h"
#include "ui/board/tile_numbering.h"
#include "ui/app/game_keys.h"
#include "ui/app/key_guard.h"
#include "ui/app/main_window.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/common/ui_state.h"

namespace {

const int MESSAGE_BOX_TEXT_ID = 0xFFFF;
std::string currentFolder;
AnsweredBox answered;
int answeredCount = 0;
int answerButton = IDOK;
std::function<void()> runBeforeAnswering;
UINT_PTR answerTimer = 0;

std::string makeWorkingFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    // Wine hands out the same few process ids run after run, so the start time keeps each run's own.
    static const ULONGLONG runStart = GetTickCount64();
    static int serial = 0;
    std::string folder = std::string(base) + "lettro-ui-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(runStart) + "-" + std::to_string(++serial);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

BOOL CALLBACK findMessageBox(HWND window, LPARAM found)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::string(className) == "#32770" && window != mainWindow &&
        GetDlgItem(window, MESSAGE_BOX_TEXT_ID) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK answerWhenShown(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    if (runBeforeAnswering) {
        std::function<void()> run = runBeforeAnswering;
        runBeforeAnswering = nullptr;
        run();
    }
    ++answeredCount;
    char text[1024] = {};
    GetWindowTextA(box, text, sizeof text);
    answered.title = text;
    GetDlgItemTextA(box, MESSAGE_BOX_TEXT_ID, text, sizeof text);
    answered.text = text;
    answered.owner = GetWindow(box, GW_OWNER);
    answered.offeredRetry = GetDlgItem(box, IDRETRY) != nullptr;
    answered.seen = true;
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answerButton), 0);
}

} // namespace

std::string prepareWorkingFolder(const std::string& highScores)
{
    gameState = GameState();
    highScoreTable = HighScoreTable();
    unsavedHighScores.clear();
    endEveryKeyGuard();
    currentFolder = makeWorkingFolder();
    SetCurrentDirectoryA(currentFolder.c_str());
    gameState.dictionaryPath = currentFolder + "\\words.dic";
    if (!highScores.empty()) {
        writeBytes(currentFolder + "\\High Scores.dat", highScores);
    }
    return gameState.dictionaryPath;
}

HWND createMainWindow()
{
    appInstance = GetModuleHandleA(nullptr);
    HWND dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, mainDialogProc, 0);
    pumpMessages();
    return dialog;
}

HWND openMainWindow(const std::string& words, const std::string& highScores)
{
    writeBytes(prepareWorkingFolder(highScores), words);
    return createMainWindow();
}

std::string workingFolder()
{
    return currentFolder;
}

void newGameWithBoard(HWND dialog, const char* readingOrder)
{
    SendMessageA(dialog, WM_COMMAND, IDM_NEW_GAME, 0);
    std::copy_n(readingOrder, TILE_COUNT, gameState.tileLetters);
    layOutBoard();
    solveBoard();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessages();
}

std::string controlText(HWND dialog, int id)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::vector<std::string> listItems(HWND list)
{
    std::vector<std::string> items;
    for (LRESULT item = 0; item < SendMessageA(list, LB_GETCOUNT, 0, 0); ++item) {
        char text[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string readBytes(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "<missing>";
    }
    std::string bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        bytes += static_cast<char>(c);
    }
    std::fclose(file);
    return bytes;
}

std::string scoreLine(const std::string& name, int score)
{
    return name + std::string(30 - name.size(), '\0') + std::to_string(score) + "\r\n";
}

void typeInto(HWND control, const std::string& text)
{
    for (char c : text) {
        SendMessageA(control, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
}

void pressKey(WPARAM key, bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    pumpMessages();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void pressKeyWith(WPARAM modifier, WPARAM key, int repeats)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[modifier] = 0x80;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    for (int repeat = 0; repeat < repeats; ++repeat) {
        PostMessageA(focus, WM_KEYDOWN, key, 0x40000001);
    }
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    pumpMessages();
    keys[modifier] = 0;
    SetKeyboardState(keys);
}

void typeKeys(const std::string& text)
{
    for (char c : text) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    pumpMessages();
}

void clickButton(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    pumpMessages();
}

void answerNextMessageBox(int button, std::function<void()> beforeAnswering)
{
    answered = AnsweredBox{false, "", "", nullptr, false};
    answeredCount = 0;
    answerButton = button;
    runBeforeAnswering = beforeAnswering;
    if (answerTimer != 0) {
        KillTimer(nullptr, answerTimer);
    }
    answerTimer = SetTimer(nullptr, 0, 50, answerWhenShown);
}

AnsweredBox lastAnsweredBox()
{
    return answered;
}

int answeredBoxCount()
{
    return answeredCount;
}

void stopAnsweringMessageBoxes()
{
    KillTimer(nullptr, answerTimer);
    answerTimer = 0;
}

namespace {

DWORD WINAPI runAction(LPVOID parameter)
{
    std::function<void()>* action = static_cast<std::function<void()>*>(parameter);
    (*action)();
    delete action;
    return 0;
}

} // namespace

HANDLE startThread(std::function<void()> action)
{
    return CreateThread(nullptr, 0, runAction, new std::function<void()>(std::move(action)), 0, nullptr);
}

void awaitThread(HANDLE thread)
{
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

HANDLE saveByAnotherCopy(const std::string& table)
{
    std::string tableFile = currentFolder + "\\High Scores.dat";
    HANDLE lock = CreateFileA((tableFile + ".lock").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return startThread([lock, tableFile, table] {
        Sleep(300);
        writeBytes(tableFile, table);
        CloseHandle(lock);
    });
}

void pauseAfterTheGamesEnd()
{
    Sleep(800);
}

POINT tileCentre(int tile)
{
    RECT square = tileRect(tile);
    return POINT{(square.left + square.right) / 2, (square.top + square.bottom) / 2};
}

std::vector<std::string> tracedFields(HWND dialog, const std::vector<POINT>& path)
{
    std::vector<std::string> fields;
    for (const POINT& point : path) {
        UINT message = fields.empty() ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
        PostMessageA(dialog, message, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        pumpMessages();
        fields.push_back(controlText(dialog, IDC_WORD_FIELD));
    }
    return fields;
}

void pressMouseAt(HWND dialog, int x, int y, UINT message)
{
    POINT point = {x, y};
    ClientToScreen(dialog, &point);
    SetCursorPos(point.x, point.y);
    SendMessageA(dialog, message, MK_LBUTTON, MAKELPARAM(x, y));
    pumpMessages();
}

// The main window's keys go through its dialog manager first, as in DialogBox's own loop.
void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsWindow(mainWindow) && IsDialogMessageA(mainWindow, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void letAnnouncementsSettle()
{
    for (int round = 0; round < 5; ++round) {
        Sleep(20);
        pumpMessages();
    }
    // On a loaded machine Wine's timer may not have fired yet: what it would say is said now.
    announceWhatIsHeld();
    pumpMessages();
}

namespace {

const int SQUARE = 60;

// A 60 x 60 top-down 32-bit bitmap selected into a fresh memory context.
HDC squareCanvas(HBITMAP& canvas, void*& bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SQUARE;
    info.bmiHeader.biHeight = -SQUARE;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC context = CreateCompatibleDC(nullptr);
    SelectObject(context, canvas);
    return context;
}

std::vector<unsigned> canvasPixels(HDC context, HBITMAP canvas, void* bits)
{
    GdiFlush();
    const unsigned* pixels = static_cast<const unsigned*>(bits);
    std::vector<unsigned> copy(pixels, pixels + SQUARE * SQUARE);
    for (unsigned& pixel : copy) {
        pixel &= 0x00FFFFFF;
    }
    DeleteDC(context);
    DeleteObject(canvas);
    return copy;
}

} // namespace

std::vector<unsigned> screenSquare(HWND window, int x, int y)
{
    HBITMAP canvas;
    void* bits;
    HDC context = squareCanvas(canvas, bits);
    HDC windowContext = GetDC(window);
    BitBlt(context, 0, 0, SQUARE, SQUARE, windowContext, x, y, SRCCOPY);
    ReleaseDC(window, windowContext);
    return canvasPixels(context, canvas, bits);
}

std::vector<unsigned> shrunkTile(int slot)
{
    HBITMAP canvas;
    void* bits;
    HDC context = squareCanvas(canvas, bits);
    HDC imageContext = CreateCompatibleDC(nullptr);
    HGDIOBJ kept = SelectObject(imageContext, tileBitmaps[slot]);
    BITMAP image;
    GetObjectA(tileBitmaps[slot], sizeof image, &image);
    StretchBlt(context, 0, 0, SQUARE, SQUARE, imageContext, 0, 0, image.bmWidth, image.bmHeight, SRCCOPY);
    SelectObject(imageContext, kept);
    DeleteDC(imageContext);
    return canvasPixels(context, canvas, bits);
}

std::vector<int> changedTilesOf(HWND dialog)
{
    UpdateWindow(dialog);
    std::vector<int> changed;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        int slot = static_cast<int>(std::string(letterOrder).find(gameState.tileLetters[tile]));
        RECT square = tileRect(tileAtReadingPlace(tile));
        if (screenSquare(dialog, square.left, square.top) != shrunkTile(slot)) {
            changed.push_back(tile);
        }
    }
    return changed;
}

std::string textOf(BSTR text)
{
    std::string narrow;
    for (UINT at = 0; text != nullptr && at < SysStringLen(text); ++at) {
        narrow += static_cast<char>(text[at]);
    }
    SysFreeString(text);
    return narrow;
}

VARIANT self()
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

std::string nameOf(IAccessible* object)
{
    BSTR name = nullptr;
    object->get_accName(self(), &name);
    return textOf(name);
}

std::string accessibleName(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return "<no object>";
    }
    std::string name = nameOf(object);
    object->Release();
    return name;
}

namespace {

HWINEVENTHOOK eventHook = nullptr;
std::vector<std::string> eventNames;
std::vector<DWORD> eventCodes;

// An event still queued for a hook that an earlier watch set up is not this watch's.
void CALLBACK recordEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (hook != eventHook) {
        return;
    }
    eventCodes.push_back(event);
    IAccessible* source = nullptr;
    VARIANT which;
    if (SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child), &source,
                                            &which))) {
        BSTR name = nullptr;
        source->get_accName(which, &name);
        eventNames.push_back(textOf(name));
        source->Release();
    }
}

} // namespace

void watchEvents(DWORD event, DWORD last)
{
    if (eventHook != nullptr) {
        UnhookWinEvent(eventHook);
    }
    eventNames.clear();
    eventCodes.clear();
    eventHook = SetWinEventHook(event, last != 0 ? last : event, nullptr, recordEvent, GetCurrentProcessId(), 0,
                                WINEVENT_OUTOFCONTEXT);
}

std::vector<DWORD> watchedEvents()
{
    return eventCodes;
}

long watchedCount(DWORD event)
{
    return static_cast<long>(std::count(eventCodes.begin(), eventCodes.end(), event));
}

std::vector<std::string> watchedNames()
{
    return eventNames;
}
