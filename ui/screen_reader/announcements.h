// What screen readers are told without being asked: each verdict on a word handed in, each pick,
// each deal and a game's end, the time running short, what the reading keys read, a word's path in
// Solutions. The time display itself is not announced every second.
#pragma once

#include <windows.h>

#include <string>

// How long an announcer keeps its text: then it is emptied, without an event, so that a reader's
// review mode finds no stale line.
const UINT ANNOUNCEMENT_KEPT_MS = 5000;

// Makes the announcers of `window` (the main window or Solutions) ready: each gets a twin made at
// run time, just under it, and both are marked as polite live regions where the system lets them.
void prepareAnnouncers(HWND window);

// An announcer of id `announcerId` made at run time in `window`, of the size and place of
// `coveringId`'s control and hidden under it, for a dialog whose template has none.
void addAnnouncerUnder(HWND window, int coveringId, int announcerId);

// Tells screen readers `text` through the announcer `announcerId` of `window`. The announcer and
// its twin take turns: the one that speaks takes the text as its name, takes the id `announcerId`
// (where tests and readers look for the latest text) and raises EVENT_OBJECT_LIVEREGIONCHANGED,
// which Windows 8 and later act on. Being another object each time, a text said twice in a row is
// still heard twice. The main window has two announcers, so that the time asked for never
// replaces a verdict before it is read.
void announceThrough(HWND window, int announcerId, const std::string& text);

// The same from the thread's message loop, once what is being done now (a box appearing, a focus
// moving) has settled: a reader cuts off what it was told just before a focus change.
void announceOnceSettled(HWND window, int announcerId, const std::string& text);

// Says at once what announceOnceSettled still holds, before what it waited for goes away.
void announceWhatIsHeld();

// On the main window's verdict announcer.
void announce(const std::string& text);

// On the main window's time announcer: the time, the deals and ends, what the reading keys read.
void announceOnTimeAnnouncer(const std::string& text);

// The status line's verdict, when it says something, naming the word it judged ("CAT: Already
// Entered", or "No word: Invalid Word"): a blank status line is not announced.
void announceVerdict(const char* verdict, const std::string& word);

// "CAT found, 3 words" for an accepted word, the `count`th of the game.
void announceFoundWord(const char* word, int count);

// "One minute left" and "Ten seconds left", as the countdown reaches them.
void announceTimeLeft(int secondsLeft);

// The time and the words found, asked for with Ctrl+T: "2 minutes 13 seconds left, 5 words found",
// "Untimed game, no words found", or "No game running" before the first game and from a game's end.
void announceTimeAskedFor();
