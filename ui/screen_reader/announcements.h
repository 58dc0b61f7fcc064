// What screen readers are told without being asked: each verdict on a word handed in, each pick,
// the time running short or asked for with its key, and a word's path in Solutions. The time
// display itself is not announced every second.
#pragma once

#include <windows.h>

#include <string>

// Makes the announcers of `window` (the main window or Solutions) polite live regions, where the
// system lets them be marked so.
void prepareAnnouncers(HWND window);

// Tells screen readers `text` through the announcer `announcerId` of `window`: it takes the text
// as its name and raises EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 and later act on. The
// main window has two, so that the time asked for never replaces a verdict before it is read.
void announceThrough(HWND window, int announcerId, const std::string& text);

// On the main window's verdict announcer.
void announce(const std::string& text);

// The status line's verdict, when it says something, naming the word it judged ("CAT: Already
// Entered", or "No word: Invalid Word"): a blank status line is not announced.
void announceVerdict(const char* verdict, const std::string& word);

// "CAT found, 3 words" for an accepted word, the `count`th of the game.
void announceFoundWord(const char* word, int count);

// "One minute left" and "Ten seconds left", as the countdown reaches them.
void announceTimeLeft(int secondsLeft);

// The time asked for, on the time announcer: "2 minutes 13 seconds left", "Untimed game", or
// "No game running" before the first game and from a game's end.
void announceTimeAskedFor();

