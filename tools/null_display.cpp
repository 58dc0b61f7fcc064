// The window operations for a program without a window: there is nothing to show them on.
#include "engine/display.h"

void showStatus(const char*)
{
}

void clearFoundWords()
{
}

void addFoundWord(const char*, int)
{
}

void showScore(const char*)
{
}

void showTime(const char*)
{
}

std::string readWordField()
{
    return std::string();
}

void clearWordField()
{
}

void focusWordField()
{
}

void enableWordEntry(bool)
{
}

void startCountdownTimer()
{
}

void stopCountdownTimer()
{
}

void showClosingMessage(const char*, int, bool)
{
}

void enableSolutions(bool)
{
}

void requestBoardRepaint()
{
}

void showPicksCleared()
{
}

void enableEndGame(bool)
{
}
