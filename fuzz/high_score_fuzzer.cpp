// Fuzzes "High Scores.dat" from arbitrary bytes: read, sort, save, and read again to the same table.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "fuzz/fuzz_support.h"
#include "scores/high_score_table.h"

namespace {

// The table's file sits in the working directory; the fuzzer moves into its scratch folder for
// each input only, as libFuzzer reads and writes the corpus by paths relative to where it started.
int startingFolder = -1;

struct Entry {
    std::string name; // all 30 bytes
    int score;
};

// The file's lines: split at each "\n", a CR right before it belonging to the line end.
std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        std::size_t length = end - start;
        if (length > 0 && bytes[end - 1] == '\r') {
            --length;
        }
        lines.push_back(bytes.substr(start, length));
        start = end + 1;
    }
    return lines;
}

// The score as strtoll reads it, held within the 32-bit range.
int scoreOf(const std::string& field)
{
    long long value = std::strtoll(field.c_str(), nullptr, 10);
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value)));
}

// The first ten lines before the first Ctrl-Z, as entries: an independent reading of the
// file's rules.
std::vector<Entry> expectedEntries(const std::string& bytes)
{
    std::vector<Entry> entries;
    for (const std::string& line : linesOf(bytes.substr(0, bytes.find('\x1A')))) {
        if (entries.size() == static_cast<std::size_t>(HIGH_SCORE_SLOTS)) {
            break;
        }
        std::string name = line.substr(0, HIGH_SCORE_NAME_LENGTH);
        name.resize(HIGH_SCORE_NAME_LENGTH, '\0');
        std::string field = line.size() > name.size() ? line.substr(name.size()) : std::string();
        entries.push_back(Entry{name, scoreOf(field)});
    }
    return entries;
}

void checkTable(const std::vector<Entry>& expected, const char* when)
{
    fuzzCheck(highScoreTable.highScoreCount == static_cast<int>(expected.size()), when);
    for (std::size_t slot = 0; slot < expected.size(); ++slot) {
        fuzzCheck(
            std::memcmp(highScoreTable.highScoreNames[slot], expected[slot].name.data(), HIGH_SCORE_NAME_LENGTH) == 0,
            when);
        fuzzCheck(highScoreTable.highScoreScores[slot] == expected[slot].score, when);
    }
}

std::string fileBytesOf(const std::vector<Entry>& entries)
{
    std::string bytes;
    for (const Entry& entry : entries) {
        bytes += entry.name + std::to_string(entry.score) + "\n";
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startingFolder = open(".", O_RDONLY | O_DIRECTORY);
    fuzzCheck(startingFolder >= 0, "cannot open the working directory");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzCheck(chdir(scratchFolder().c_str()) == 0, "cannot enter the scratch folder");
    writeFuzzFile(HIGH_SCORE_FILE_NAME, data, size);
    highScoreTable = HighScoreTable();
    loadHighScores();
    std::vector<Entry> entries = expectedEntries(std::string(reinterpret_cast<const char*>(data), size));
    checkTable(entries, "table as read");

    sortHighScores();
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.score < b.score; });
    checkTable(entries, "table as sorted");

    fuzzCheck(writeHighScores() == 0, "save failed");
    fuzzCheck(readFuzzFile(HIGH_SCORE_FILE_NAME) == fileBytesOf(entries), "bytes saved");
    highScoreTable = HighScoreTable();
    loadHighScores();
    checkTable(entries, "table read back");
    fuzzCheck(fchdir(startingFolder) == 0, "cannot return to the working directory");
    return 0;
}
