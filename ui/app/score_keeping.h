// Keeping every earned score: offered after the closing box, entered and saved when the program ends.
#pragma once

#include <windows.h>

#include <cstddef>

// Keeps a finished game's score while its closing box is shown; returns its place for the offer.
std::size_t holdFinishedScore(int finishedScore);

// Offers the held score once its box is dismissed: name entry opens when it earns a place. A score
// that an ending of the program has entered meanwhile is not offered again. `dealsWhenBoxShown` is
// dealCount when the box appeared.
void offerHeldScore(std::size_t held, unsigned dealsWhenBoxShown);

// Exit and the close box: stops the countdown, so that no game ends while the program leaves,
// enters every score still owed (with an empty name while its closing box is shown, with the name
// typed so far while "Enter Name" is open), saves what the file lacks, offering Retry when that
// fails, and ends the main window.
void leaveProgram(HWND mainDialog);

// The same when Windows ends the session, where no box may stop it: the save is tried again while
// another program holds the file, for 2 s at most, waiting for the lock included, and the program
// ends whatever the outcome.
void leaveAtSessionEnd(HWND mainDialog);

// The session end's clock, read by leaveAtSessionEnd: `started` and `now` are GetTickCount's
// readings when the session end began and now. How long the next try of the save may wait for
// the lock, so that the try still ends within the 2 s; and whether a try that failed now leaves
// time for another after a pause.
DWORD sessionEndLockWait(DWORD started, DWORD now);
bool sessionEndAllowsAnotherTry(DWORD started, DWORD now);
