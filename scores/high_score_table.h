// The ten-entry high-score table, its file "High Scores.dat", and entering a qualifying score.
#pragma once

constexpr int HIGH_SCORE_SLOTS = 10;
constexpr int HIGH_SCORE_NAME_LENGTH = 30;
constexpr int HIGH_SCORE_SORT_PASSES = 10;

extern const char HIGH_SCORE_FILE_NAME[];

// Slots 0 to highScoreCount - 1 are the stored entries, kept in ascending order of score.
// A name shorter than 30 bytes ends with a zero byte; all 30 bytes belong to the slot.
struct HighScoreTable {
    char highScoreNames[HIGH_SCORE_SLOTS][HIGH_SCORE_NAME_LENGTH];
    int highScoreScores[HIGH_SCORE_SLOTS];
    int highScoreCount;
    int highScoreInsertIndex;
};

extern HighScoreTable highScoreTable;

// Reads "High Scores.dat" from the working directory; a missing file leaves the table empty.
// A Ctrl-Z byte (0x1A) ends the file, as a Windows text-mode read would.
void loadHighScores();

// Ten passes of a stable exchange sort over the stored entries, lowest score first.
void sortHighScores();

// Replaces "High Scores.dat" with the table as it stands; on any failure the old file stays
// exactly as it was. A Ctrl-Z byte in a name is written as a space, so that the name reads back
// whole. Returns whether the new table reached the file.
bool saveHighScores();

// Why the last save failed: the system's error code of the step that failed (GetLastError's
// under Windows, errno's natively), or 0 after a save that succeeded.
extern unsigned long highScoreSaveError;

// Offers a finished game's score: when some slot, stored or empty, holds a lower score,
// records that slot in highScoreInsertIndex and opens name entry for the score.
void checkHighScore(int finishedScore);

// Enters a qualifying score under `name` (its first 30 bytes): added while the table holds
// fewer than ten entries, otherwise in place of the lowest entry, which it must beat.
// The table stays sorted. Returns false when the score no longer earns a place.
bool enterHighScore(const char* name, int finishedScore);
