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

// The entry in `slot` leaves the table; the entries above it move down a slot, keeping their order.
void dropEntry(int slot)
{
    HighScoreTable& table = highScoreTable;
    std::size_t above = static_cast<std::size_t>(table.highScoreCount - 1 - slot);
    std::memmove(table.highScoreNames[slot], table.highScoreNames[slot + 1], above * HIGH_SCORE_NAME_LENGTH);
    std::memmove(&table.highScoreScores[slot], &table.highScoreScores[slot + 1], above * sizeof(int));
    --table.highScoreCount;
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

// Counted over the stored entries, sorted or not: a new entry stands above those it ties with.
int placeForScore(int finishedScore)
{
    int place = 1;
    for (int slot = 0; slot < highScoreTable.highScoreCount; ++slot) {
        if (highScoreTable.highScoreScores[slot] > finishedScore) {
            ++place;
        }
    }
    return place;
}

bool insertIntoTableOnly(const char* name, int finishedScore)
{
    if (highScoreTable.highScoreCount >= HIGH_SCORE_SLOTS) {
        int lowest = lowestEntrySlot();
        if (finishedScore <= highScoreTable.highScoreScores[lowest]) {
            return false;
        }
        dropEntry(lowest);
    }
    // Written at the top, the entry sorts down past higher scores only, so it stands above the
    // entries it ties with: of equals, the older leaves the table first.
    int slot = highScoreTable.highScoreCount++;
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
