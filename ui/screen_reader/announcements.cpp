// Announcements through objects of their own: the announcers, statics that the status line (or
// the Solutions list) covers, whose name is their text. Marked as polite live regions (Dynamic
// Annotation of UI Automation's LiveSetting), they raise EVENT_OBJECT_LIVEREGIONCHANGED at each
// new text.
#include "ui/screen_reader/announcements.h"

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/annotations.h"

namespace {

const int ONE_MINUTE = 60;
const int TEN_SECONDS = 10;

// "1 minute", "13 seconds"; nothing for 0.
std::string countOf(int number, const char* unit)
{
    if (number == 0) {
        return "";
    }
    return std::to_string(number) + " " + unit + (number == 1 ? "" : "s");
}

} // namespace

void prepareAnnouncers(HWND window)
{
    for (int id : {IDC_ANNOUNCER, IDC_TIME_ANNOUNCER, IDC_SOLUTIONS_ANNOUNCER}) {
        HWND announcer = GetDlgItem(window, id);
        if (announcer != nullptr) {
            annotateAsPoliteLiveRegion(announcer);
        }
    }
}

void announceThrough(HWND window, int announcerId, const std::string& text)
{
    HWND target = GetDlgItem(window, announcerId);
    if (target == nullptr) {
        return;
    }
    SetWindowTextA(target, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, target, OBJID_CLIENT, CHILDID_SELF);
}

void announce(const std::string& text)
{
    announceThrough(mainWindow, IDC_ANNOUNCER, text);
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
        announceThrough(mainWindow, IDC_TIME_ANNOUNCER, "One minute left");
    } else if (secondsLeft == TEN_SECONDS) {
        announceThrough(mainWindow, IDC_TIME_ANNOUNCER, "Ten seconds left");
    }
}

void announceTimeAskedFor()
{
    std::string told = "No game running";
    if (gameState.gameKind == UNTIMED_GAME) {
        told = "Untimed game";
    } else if (gameState.gameKind == TIMED_GAME) {
        std::string minutes = countOf(gameState.secondsLeft / ONE_MINUTE, "minute");
        std::string seconds = countOf(gameState.secondsLeft % ONE_MINUTE, "second");
        told = (minutes.empty() || seconds.empty() ? minutes + seconds : minutes + " " + seconds) + " left";
    }
    announceThrough(mainWindow, IDC_TIME_ANNOUNCER, told);
}
