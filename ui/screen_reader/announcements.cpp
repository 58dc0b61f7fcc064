// Announcements through an object of their own: the announcer, a static of no size in the main
// window, whose name is its text. Marked as a polite live region (Dynamic Annotation of UI
// Automation's LiveSetting), it raises EVENT_OBJECT_LIVEREGIONCHANGED at each new text.
#include "ui/screen_reader/announcements.h"

#include <windows.h>

#include <cctype>

#include "ui/screen_reader/annotations.h"
#include "ui/resources/resource_ids.h"
#include "ui/common/ui_state.h"

namespace {

const int ONE_MINUTE = 60;
const int TEN_SECONDS = 10;

HWND announcer()
{
    return GetDlgItem(mainWindow, IDC_ANNOUNCER);
}

} // namespace

void prepareAnnouncer()
{
    annotateAsPoliteLiveRegion(announcer());
}

void announce(const std::string& text)
{
    HWND target = announcer();
    if (target == nullptr) {
        return;
    }
    SetWindowTextA(target, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, target, OBJID_CLIENT, CHILDID_SELF);
}

void announceStatus(const char* text)
{
    std::string status = text;
    if (status.find_first_not_of(' ') != std::string::npos) {
        announce(status);
    }
}

void announceFoundWord(const char* word, int count)
{
    std::string found = word;
    for (char& letter : found) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    announce(found + " found, " + std::to_string(count) + (count == 1 ? " word" : " words"));
}

void announceTimeLeft(int secondsLeft)
{
    if (secondsLeft == ONE_MINUTE) {
        announce("One minute left");
    } else if (secondsLeft == TEN_SECONDS) {
        announce("Ten seconds left");
    }
}
