// Qualifying for the high-score table and entering a score into it.
#include <cstring>

#include "scores/high_score_table.h"

namespace {

void writeName(int slot, const char* name)
{
    char* field = highScoreTable.highScoreNames[slot];
    std::memset(field, 0, HIGH_SCORE_NAME_LENGTH);
    std::size_t length = strnlen(name, HIGH_SCORE_NAME_LENGTH);
    std::memcpy(field, name, length);
}

// The stored entry with the lowest score; the first of equals, which a sorted table holds in slot 0.
int lowestEntrySlot()
{
    int lowest = 0;
    for (int slot = 1; slot < highScoreTable.highScoreCount; ++slot) {
        if (highScoreTable.highScoreScores[slot] < highScoreTable.highScoreScores[lowest]) {
            lowest = slot;
        }
    }
    return lowest;
}

} // namespace

std::vector<HighScoreEntry> unsavedHighScores;

bool scoreQualifies(int finishedScore)
{
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        if (finishedScore > highScoreTable.highScoreScores[slot]) {
            return true;
        }
    }
    return false;
}

bool insertIntoTableOnly(const char* name, int finishedScore)
{
    int slot = highScoreTable.highScoreCount;
    if (slot >= HIGH_SCORE_SLOTS) {
        slot = lowestEntrySlot();
        if (finishedScore <= highScoreTable.highScoreScores[slot]) {
            return false;
        }
    } else {
        ++highScoreTable.highScoreCount;
    }
    writeName(slot, name);
    highScoreTable.highScoreScores[slot] = finishedScore;
    sortHighScores();
    return true;
}

bool enterHighScore(const char* name, int finishedScore)
{
    if (!insertIntoTableOnly(name, finishedScore)) {
        return false;
    }
    HighScoreEntry entry = {};
    std::memcpy(entry.name, name, strnlen(name, HIGH_SCORE_NAME_LENGTH));
    entry.score = finishedScore;
    unsavedHighScores.push_back(entry);
    return true;
}
