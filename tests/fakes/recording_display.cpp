// The recording display: the engine's window operations captured as text events.
#include "tests/fakes/recording_display.h"

#include "engine/display.h"

std::vector<std::string> displayEvents;
std::string fakeWordField;
std::function<void()> whileClosingMessageShown;

void resetRecordingDisplay()
{
    displayEvents.clear();
    fakeWordField.clear();
    whileClosingMessageShown = nullptr;
}

std::vector<std::string> eventsStartingWith(const std::string& prefix)
{
    std::vector<std::string> matching;
    for (const std::string& event : displayEvents) {
        if (event.compare(0, prefix.size(), prefix) == 0) {
            matching.push_back(event);
        }
    }
    return matching;
}

void showStatus(const char* text)
{
    displayEvents.push_back(std::string("status:") + text);
}

void clearFoundWords()
{
    displayEvents.push_back("clearFound");
}

void addFoundWord(const char* word, int index)
{
    displayEvents.push_back(std::string("found:") + word + "@" + std::to_string(index));
}

void showScore(const char* text)
{
    displayEvents.push_back(std::string("score:") + text);
}

void showTime(const char* text)
{
    displayEvents.push_back(std::string("time:") + text);
}

std::string readWordField()
{
    displayEvents.push_back("readField");
    return fakeWordField;
}

void clearWordField()
{
    fakeWordField.clear();
    displayEvents.push_back("clearField");
}

void focusWordField()
{
    displayEvents.push_back("focusField");
}

void enableWordEntry(bool enabled)
{
    displayEvents.push_back(enabled ? "entry:on" : "entry:off");
}

void startCountdownTimer()
{
    displayEvents.push_back("timer:start");
}

void stopCountdownTimer()
{
    displayEvents.push_back("timer:stop");
}

void showClosingMessage(const char* text, int finishedScore, bool offerScore)
{
    displayEvents.push_back(std::string("closing:") + text);
    if (whileClosingMessageShown) {
        whileClosingMessageShown();
    }
    displayEvents.push_back((offerScore ? "finishedScore:" : "unofferedScore:") + std::to_string(finishedScore));
}

void enableSolutions(bool enabled)
{
    displayEvents.push_back(enabled ? "solutions:on" : "solutions:off");
}

void requestBoardRepaint()
{
    displayEvents.push_back("repaint");
}

void showPicksCleared()
{
    displayEvents.push_back("picksCleared");
}

void enableEndGame(bool enabled)
{
    displayEvents.push_back(enabled ? "endGame:on" : "endGame:off");
}
