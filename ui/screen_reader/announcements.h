// What screen readers are told without being asked: each verdict on a word handed in, and the
// time running short. The time display itself is not announced every second.
#pragma once

#include <string>

// Makes the main window's announcer (a static of no size) a polite live region, where the
// system lets it be marked so.
void prepareAnnouncer();

// Tells screen readers `text`: the announcer takes it as its name and raises
// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 and later act on.
void announce(const std::string& text);

// The status line's verdict, when it says something: a blank status line is not announced.
void announceStatus(const char* text);

// "CAT found, 3 words" for an accepted word, the `count`th of the game.
void announceFoundWord(const char* word, int count);

// "One minute left" and "Ten seconds left", as the countdown reaches them.
void announceTimeLeft(int secondsLeft);
