// Announcements through objects of their own: the announcers, statics that another control covers,
// whose name is their text. Marked as polite live regions (Dynamic Annotation of UI Automation's
// LiveSetting), they raise EVENT_OBJECT_LIVEREGIONCHANGED at each new text.
#include "ui/screen_reader/announcements.h"

#include <vector>

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/annotations.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

const int ONE_MINUTE = 60;
const int TEN_SECONDS = 10;
// A twin's id while the announcer of its pair speaks: the announcer's own id plus this.
const int TWIN_ID_OFFSET = 500;
const UINT_PTR EMPTYING_TIMER_ID = 1;

struct HeldAnnouncement {
    HWND window;
    int announcerId;
    std::string text;
};

std::vector<HeldAnnouncement> held;
UINT_PTR settleTimer = 0;

void CALLBACK emptyAnnouncer(HWND announcer, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(announcer, timer);
    SetWindowTextA(announcer, "");
}

const DWORD ANNOUNCER_STYLE = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX;

// A static announcer in the place and font of `original`, next under it in the z-order.
HWND makeTwin(HWND window, HWND original, int id, DWORD style = ANNOUNCER_STYLE)
{
    RECT place;
    GetWindowRect(original, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    HWND twin = CreateWindowExA(0, "STATIC", "", style, place.left, place.top, place.right - place.left,
                                place.bottom - place.top, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                appInstance, nullptr);
    if (twin != nullptr) {
        SendMessageA(twin, WM_SETFONT, static_cast<WPARAM>(SendMessageA(original, WM_GETFONT, 0, 0)), FALSE);
        SetWindowPos(twin, original, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return twin;
}

void prepareAnnouncer(HWND window, int id)
{
    HWND announcer = GetDlgItem(window, id);
    if (announcer == nullptr || GetDlgItem(window, id + TWIN_ID_OFFSET) != nullptr) {
        return;
    }
    annotateAsPoliteLiveRegion(announcer);
    HWND twin = makeTwin(window, announcer, id + TWIN_ID_OFFSET);
    if (twin != nullptr) {
        annotateAsPoliteLiveRegion(twin);
    }
}

// The announcer that speaks next: the twin of the one that spoke last, which gives up the id.
HWND takeTurn(HWND window, int announcerId)
{
    HWND last = GetDlgItem(window, announcerId);
    HWND next = GetDlgItem(window, announcerId + TWIN_ID_OFFSET);
    if (last == nullptr || next == nullptr) {
        return last;
    }
    SetWindowLongPtrA(last, GWLP_ID, announcerId + TWIN_ID_OFFSET);
    SetWindowLongPtrA(next, GWLP_ID, announcerId);
    return next;
}

void CALLBACK announceHeld(HWND, UINT, UINT_PTR, DWORD)
{
    announceWhatIsHeld();
}

} // namespace

void prepareAnnouncers(HWND window)
{
    for (int id : {IDC_ANNOUNCER, IDC_TIME_ANNOUNCER, IDC_SOLUTIONS_ANNOUNCER}) {
        prepareAnnouncer(window, id);
    }
}

void addAnnouncerUnder(HWND window, int coveringId, int announcerId)
{
    HWND covering = GetDlgItem(window, coveringId);
    if (covering == nullptr || GetDlgItem(window, announcerId) != nullptr) {
        return;
    }
    if (makeTwin(window, covering, announcerId) != nullptr) {
        prepareAnnouncer(window, announcerId);
    }
}

void announceThrough(HWND window, int announcerId, const std::string& text)
{
    HWND target = takeTurn(window, announcerId);
    if (target == nullptr) {
        return;
    }
    SetWindowTextA(target, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, target, OBJID_CLIENT, CHILDID_SELF);
    SetTimer(target, EMPTYING_TIMER_ID, ANNOUNCEMENT_KEPT_MS, emptyAnnouncer);
}

void announceOnceSettled(HWND window, int announcerId, const std::string& text)
{
    held.push_back(HeldAnnouncement{window, announcerId, text});
    if (settleTimer == 0) {
        settleTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, announceHeld);
    }
}

void announceWhatIsHeld()
{
    if (settleTimer != 0) {
        KillTimer(nullptr, settleTimer);
        settleTimer = 0;
    }
    std::vector<HeldAnnouncement> due;
    due.swap(held);
    for (const HeldAnnouncement& announcement : due) {
        if (IsWindow(announcement.window)) {
            announceThrough(announcement.window, announcement.announcerId, announcement.text);
        }
    }
}

void announce(const std::string& text)
{
    announceThrough(mainWindow, IDC_ANNOUNCER, text);
}

void announceOnTimeAnnouncer(const std::string& text)
{
    announceThrough(mainWindow, IDC_TIME_ANNOUNCER, text);
}

void announceVerdict(const char* verdict, const std::string& word)
{
    std::string status = verdict;
    if (status.find_first_not_of(' ') != std::string::npos) {
        announce((word.empty() ? std::string("No word") : upperCased(word)) + ": " + status);
    }
}

void announceFoundWord(const char* word, int count)
{
    announce(upperCased(word) + " found, " + std::to_string(count) + (count == 1 ? " word" : " words"));
}

void announceTimeLeft(int secondsLeft)
{
    if (secondsLeft == ONE_MINUTE) {
        announceOnTimeAnnouncer("One minute left");
    } else if (secondsLeft == TEN_SECONDS) {
        announceOnTimeAnnouncer("Ten seconds left");
    }
}

void announceTimeAskedFor()
{
    if (gameState.gameKind == NO_GAME) {
        announceOnTimeAnnouncer(NO_GAME_RUNNING);
        return;
    }
    int secondsLeft = gameState.gameKind == TIMED_GAME ? gameState.secondsLeft : -1;
    announceOnTimeAnnouncer(timeAndWordsReading(secondsLeft, gameState.score));
}
