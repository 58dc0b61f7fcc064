// "High Scores.dat": one line per entry, 30 name bytes, the score in decimal, a line end.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "scores/file_replace.h"
#include "scores/high_score_table.h"

HighScoreTable highScoreTable;

const char HIGH_SCORE_FILE_NAME[] = "High Scores.dat";

namespace {

const char LOCK_FILE_NAME[] = "High Scores.dat.lock";

// Ctrl-Z, which Windows' text-mode reads take as the end of the file: the reader stops there,
// and the writer never writes one.
const char END_OF_FILE_MARK = '\x1A';

#ifdef _WIN32
const char LINE_END[] = "\r\n";
#else
const char LINE_END[] = "\n";
#endif

// ---- reading ----

// The score as atoi reads it (white space, a sign, digits), but held at the 32-bit limits.
struct ScoreReader {
    enum Phase { LEADING, DIGITS, DONE } phase;
    bool negative;
    long long magnitude;
};

void feedScore(ScoreReader& reader, char c)
{
    bool isDigit = c >= '0' && c <= '9';
    if (reader.phase == ScoreReader::LEADING) {
        if (c == ' ' || (c >= '\t' && c <= '\r')) {
            return;
        }
        reader.phase = isDigit || c == '+' || c == '-' ? ScoreReader::DIGITS : ScoreReader::DONE;
        reader.negative = c == '-';
        if (!isDigit) {
            return;
        }
    }
    if (reader.phase != ScoreReader::DIGITS) {
        return;
    }
    if (!isDigit) {
        reader.phase = ScoreReader::DONE;
        return;
    }
    long long limit = reader.negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    reader.magnitude = reader.magnitude * 10 + (c - '0');
    if (reader.magnitude > limit) {
        reader.magnitude = limit;
    }
}

int scoreRead(const ScoreReader& reader)
{
    return static_cast<int>(reader.negative ? -reader.magnitude : reader.magnitude);
}

// The next byte of the file, or EOF from its first end-of-file mark on: the mark is put back,
// so that every later read stops at it too.
int nextByte(std::FILE* file)
{
    int c = std::getc(file);
    if (c == static_cast<unsigned char>(END_OF_FILE_MARK)) {
        std::ungetc(c, file);
        return EOF;
    }
    return c;
}

// Reads one line into `slot` (name bytes 0 to 29, score from byte 30), keeping only those
// bytes whatever the line's length. A CR right before the LF belongs to the line end.
// Returns false at the end of the file when no line was left.
bool readEntryLine(std::FILE* file, int slot, bool store)
{
    ScoreReader reader = {ScoreReader::LEADING, false, 0};
    char name[HIGH_SCORE_NAME_LENGTH] = {};
    long long position = 0;
    int c = nextByte(file);
    if (c == EOF) {
        return false;
    }
    for (; c != EOF && c != '\n'; c = nextByte(file), ++position) {
        if (c == '\r') {
            int next = nextByte(file);
            if (next == '\n') {
                break;
            }
            std::ungetc(next, file);
        }
        if (position < HIGH_SCORE_NAME_LENGTH) {
            name[position] = static_cast<char>(c);
        } else {
            feedScore(reader, static_cast<char>(c));
        }
    }
    if (store) {
        std::memcpy(highScoreTable.highScoreNames[slot], name, HIGH_SCORE_NAME_LENGTH);
        highScoreTable.highScoreScores[slot] = scoreRead(reader);
    }
    return true;
}

// ---- writing ----

bool writeEntryLine(std::FILE* file, int slot)
{
    // A name must read back whole, so an end-of-file mark in it (a pasted one) is saved as a space.
    char name[HIGH_SCORE_NAME_LENGTH];
    std::replace_copy(highScoreTable.highScoreNames[slot], highScoreTable.highScoreNames[slot] + HIGH_SCORE_NAME_LENGTH,
                      name, END_OF_FILE_MARK, ' ');
    char scoreText[16];
    int scoreLength = std::snprintf(scoreText, sizeof scoreText, "%d", highScoreTable.highScoreScores[slot]);
    std::size_t lineEndLength = std::strlen(LINE_END);
    return std::fwrite(name, 1, HIGH_SCORE_NAME_LENGTH, file) == static_cast<std::size_t>(HIGH_SCORE_NAME_LENGTH) &&
           std::fwrite(scoreText, 1, static_cast<std::size_t>(scoreLength), file) ==
               static_cast<std::size_t>(scoreLength) &&
           std::fwrite(LINE_END, 1, lineEndLength, file) == lineEndLength;
}

// Writes the table to `path`; returns the code of the first step that failed.
unsigned long writeTableTo(const char* path)
{
    clearLibraryError();
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return libraryError();
    }
    unsigned long failure = 0;
    for (int slot = 0; slot < highScoreTable.highScoreCount && failure == 0; ++slot) {
        clearLibraryError();
        failure = writeEntryLine(file, slot) ? 0 : libraryError();
    }
    // A power cut after the replacement must find the new bytes on the disk, not an empty file.
    if (failure == 0) {
        failure = flushToDisk(file);
    }
    clearLibraryError();
    if (std::fclose(file) != 0 && failure == 0) {
        failure = libraryError();
    }
    return failure;
}

// "High Scores.dat.<process id>.new": each copy of the game writes a file of its own.
std::string temporaryFileName()
{
    return std::string(HIGH_SCORE_FILE_NAME) + "." + std::to_string(currentProcessId()) + ".new";
}

// Moves the whole entry, all 30 name bytes and the score.
void swapWithSlotBelow(int slot)
{
    char name[HIGH_SCORE_NAME_LENGTH];
    std::memcpy(name, highScoreTable.highScoreNames[slot], HIGH_SCORE_NAME_LENGTH);
    std::memcpy(highScoreTable.highScoreNames[slot], highScoreTable.highScoreNames[slot - 1], HIGH_SCORE_NAME_LENGTH);
    std::memcpy(highScoreTable.highScoreNames[slot - 1], name, HIGH_SCORE_NAME_LENGTH);
    int score = highScoreTable.highScoreScores[slot];
    highScoreTable.highScoreScores[slot] = highScoreTable.highScoreScores[slot - 1];
    highScoreTable.highScoreScores[slot - 1] = score;
}

} // namespace

unsigned long loadHighScores()
{
    highScoreTable.highScoreCount = 0;
    clearLibraryError();
    std::FILE* file = std::fopen(HIGH_SCORE_FILE_NAME, "rb");
    if (file == nullptr) {
        unsigned long error = libraryError();
        return isMissingFileError(error) ? 0 : error;
    }
    // Lines after the tenth are read to the end of the file and ignored.
    clearLibraryError();
    for (;;) {
        bool store = highScoreTable.highScoreCount < HIGH_SCORE_SLOTS;
        if (!readEntryLine(file, highScoreTable.highScoreCount, store)) {
            break;
        }
        if (store) {
            ++highScoreTable.highScoreCount;
        }
    }
    // A read cut short (a folder in the file's place, a disk error) must not pass for the file.
    unsigned long failure = std::ferror(file) != 0 ? libraryError() : 0;
    std::fclose(file);
    if (failure != 0) {
        highScoreTable = HighScoreTable();
    }
    return failure;
}

unsigned long loadHighScoresUnderLock()
{
    lockScoresFile(LOCK_FILE_NAME, SCORES_READ_LOCK_WAIT_MS);
    unsigned long failure = loadHighScores();
    unlockScoresFile();
    return failure;
}

void sortHighScores()
{
    int count = highScoreTable.highScoreCount;
    for (int pass = 0; pass < HIGH_SCORE_SORT_PASSES; ++pass) {
        for (int slot = 1; slot < count; ++slot) {
            if (highScoreTable.highScoreScores[slot] < highScoreTable.highScoreScores[slot - 1]) {
                swapWithSlotBelow(slot);
            }
        }
    }
}

unsigned long writeHighScores()
{
    std::string temporary = temporaryFileName();
    unsigned long failure = writeTableTo(temporary.c_str());
    if (failure == 0) {
        failure = replaceFile(temporary.c_str(), HIGH_SCORE_FILE_NAME);
    }
    if (failure != 0) {
        std::remove(temporary.c_str());
    }
    return failure;
}

namespace {

// The table just read from the file, sorted, with this run's unsaved entries entered into it by
// the usual rule.
void enterUnsavedIntoTable()
{
    sortHighScores();
    for (const HighScoreEntry& entry : unsavedHighScores) {
        insertIntoTableOnly(entry.name, entry.score);
    }
}

// The unsaved entries entered into the file as it stands; on failure the table in memory is kept.
unsigned long mergeUnsavedIntoFile()
{
    HighScoreTable shown = highScoreTable;
    highScoreTable = HighScoreTable();
    unsigned long failure = loadHighScores();
    if (failure == 0) {
        enterUnsavedIntoTable();
        failure = writeHighScores();
    }
    if (failure != 0) {
        highScoreTable = shown;
        return failure;
    }
    unsavedHighScores.clear();
    return 0;
}

} // namespace

void refreshHighScoresFromFile()
{
    HighScoreTable kept = highScoreTable;
    if (loadHighScoresUnderLock() != 0 || highScoreTable.highScoreCount == 0) {
        highScoreTable = kept;
        return;
    }
    enterUnsavedIntoTable();
}

unsigned long saveHighScores(unsigned long lockWaitMs)
{
    if (unsavedHighScores.empty()) {
        return 0;
    }
    lockScoresFile(LOCK_FILE_NAME, lockWaitMs);
    unsigned long failure = mergeUnsavedIntoFile();
    unlockScoresFile();
    return failure;
}
