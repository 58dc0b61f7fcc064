// The ten-entry high-score table, its file "High Scores.dat", and entering a qualifying score.
#pragma once

#include <vector>

constexpr int HIGH_SCORE_SLOTS = 10;
constexpr int HIGH_SCORE_NAME_LENGTH = 30;
constexpr int HIGH_SCORE_SORT_PASSES = 10;

// How long a save waits for another copy's save before going ahead without the lock. A save holds
// the lock for milliseconds, so one held longer belongs to a copy that has hung; the player's own
// save must not leave the window unanswered for long meanwhile.
constexpr unsigned long SCORES_LOCK_WAIT_MS = 2000;
// How long a read waits for the lock before reading without it. The file is only ever replaced
// whole, so a read without the lock still finds the old table or the new one, never half of one;
// the lock only spares another copy's replacement a moment's retry.
constexpr unsigned long SCORES_READ_LOCK_WAIT_MS = 1000;

extern const char HIGH_SCORE_FILE_NAME[];

// Slots 0 to highScoreCount - 1 are the stored entries, kept in ascending order of score.
// A name shorter than 30 bytes ends with a zero byte; all 30 bytes belong to the slot.
struct HighScoreTable {
    char highScoreNames[HIGH_SCORE_SLOTS][HIGH_SCORE_NAME_LENGTH];
    int highScoreScores[HIGH_SCORE_SLOTS];
    int highScoreCount;
};

extern HighScoreTable highScoreTable;

// One entry as it was entered: all 30 name bytes and the score.
struct HighScoreEntry {
    char name[HIGH_SCORE_NAME_LENGTH];
    int score;
};

// The entries this run has entered that the file does not hold yet, oldest first. Another copy
// of the game may have saved since this one read the file, so a save enters these into the file
// as it stands then, rather than writing the table in memory over it.
extern std::vector<HighScoreEntry> unsavedHighScores;

// Loads and saves return an error code: 0 for success, else the system's code of the step that
// failed (see scores/file_replace.h), which the player is shown as the reason.

// Reads "High Scores.dat" from the working directory; a missing file leaves the table empty.
// A Ctrl-Z byte (0x1A) ends the file, as a Windows text-mode read would. When the file exists
// but cannot be read (another program may hold it for a moment) the table is left empty and the
// code returned: such a file must never be replaced.
unsigned long loadHighScores();

// The same while holding the lock that saves hold (see lockScoresFile), waiting for it for at most
// SCORES_READ_LOCK_WAIT_MS: Windows refuses to replace a file that is open, so a copy's read should
// not meet another copy's save, but the window must not wait on a copy that has hung. The reads of
// a running game (at start-up, in "High Scores") use it.
unsigned long loadHighScoresUnderLock();

// Ten passes of a stable exchange sort over the stored entries, lowest score first. The passes
// are fixed, not cut short when one swaps nothing: ten always finish ten entries, and equal
// scores never swap, so entries of one score keep the order they were entered in.
void sortHighScores();

// Replaces "High Scores.dat" with the table as it stands, atomically and durably; on any failure
// the old file stays exactly as it was. A Ctrl-Z byte in a name is written as a space, so that
// the name reads back whole. The new table is written first to a temporary file of this
// process's own, so that two copies saving at once never write into one file.
unsigned long writeHighScores();

// Brings the unsaved entries into the file: reads it as it stands now, enters them into that
// table one by one, writes the result and makes it the table in memory. With nothing unsaved it
// writes nothing. On failure the file, the table in memory and the unsaved entries stay as they
// were. It waits for another copy's save for at most `lockWaitMs` (see lockScoresFile).
unsigned long saveHighScores(unsigned long lockWaitMs = SCORES_LOCK_WAIT_MS);

// Makes the table in memory the file as it stands now (read under the lock), with this run's
// unsaved entries entered into it, so that it shows what other copies of the game have saved
// since. A missing, empty or unreadable file leaves the table in memory as it was.
void refreshHighScoresFromFile();

// Whether a finished game's score earns a place: some slot, stored or empty, holds a lower score.
bool scoreQualifies(int finishedScore);

// The place, from 1 for the best, that an entry of `finishedScore` takes when it is entered now.
int placeForScore(int finishedScore);

// Puts a score under `name` (its first 30 bytes) into the table in memory: added while the table
// holds fewer than ten entries, otherwise in place of the lowest entry, which it must beat (of
// equals, the older leaves). The table stays sorted, a new entry above those it ties with.
// Returns false when the score no longer earns a place. Nothing is queued for saving: a save
// uses this to enter the queued entries into the file's table.
bool insertIntoTableOnly(const char* name, int finishedScore);

// A player's entry: inserted as insertIntoTableOnly does and, when it took a place, queued among
// the unsaved entries for the next save.
bool enterHighScore(const char* name, int finishedScore);
