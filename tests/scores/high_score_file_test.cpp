// "High Scores.dat": what is written is read back byte for byte, hand-made files load, saving loses nothing.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "scores/high_score_table.h"
#include "tests/fakes/engine_fixture.h"

namespace {

const std::string NAME_PADDING_27(27, '\0');

class HighScoreFile : public ::testing::Test {
  protected:
    void SetUp() override
    {
        highScoreTable = HighScoreTable();
        unsavedHighScores.clear();
        ASSERT_EQ(chdir(testFolder().c_str()), 0);
        std::remove(HIGH_SCORE_FILE_NAME);
        rmdir(HIGH_SCORE_FILE_NAME);
    }
};

void putEntry(int slot, const std::string& name, int score)
{
    std::memset(highScoreTable.highScoreNames[slot], 0, HIGH_SCORE_NAME_LENGTH);
    std::memcpy(highScoreTable.highScoreNames[slot], name.data(), name.size());
    highScoreTable.highScoreScores[slot] = score;
}

std::string nameOf(int slot)
{
    return std::string(highScoreTable.highScoreNames[slot], HIGH_SCORE_NAME_LENGTH);
}

std::string padded(const std::string& name)
{
    return name + std::string(static_cast<std::size_t>(HIGH_SCORE_NAME_LENGTH) - name.size(), '\0');
}

// Each process writes a temporary file of its own beside the table.
std::string temporaryFileOf(pid_t process)
{
    return std::string(HIGH_SCORE_FILE_NAME) + "." + std::to_string(process) + ".new";
}

void loadFrom(const std::string& bytes)
{
    writeTestFile(HIGH_SCORE_FILE_NAME, bytes);
    highScoreTable = HighScoreTable();
    loadHighScores();
}

TEST_F(HighScoreFile, MissingOrEmptyFileGivesAnEmptyTable)
{
    EXPECT_EQ(loadHighScores(), 0u) << "a missing file is no failure";
    EXPECT_EQ(highScoreTable.highScoreCount, 0);
    loadFrom("");
    EXPECT_EQ(highScoreTable.highScoreCount, 0);
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        EXPECT_EQ(nameOf(slot), std::string(30, '\0'));
        EXPECT_EQ(highScoreTable.highScoreScores[slot], 0);
    }
}

TEST_F(HighScoreFile, SavedLineIsThirtyNameBytesTheScoreAndALineEnd)
{
    putEntry(0, "Ann", 42);
    putEntry(1, "Bo", -7);
    highScoreTable.highScoreCount = 2;
    ASSERT_EQ(writeHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), "Ann" + NAME_PADDING_27 + "42\n" + padded("Bo") + "-7\n");
    EXPECT_EQ(readTestFile(temporaryFileOf(getpid())), "<missing>");
}

TEST_F(HighScoreFile, EmptyTableSavesAnEmptyFile)
{
    writeTestFile(HIGH_SCORE_FILE_NAME, "old line\n");
    ASSERT_EQ(writeHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), "");
}

TEST_F(HighScoreFile, EveryNameLengthAndExtremeScoreReadsBackAsWritten)
{
    const int scores[] = {INT_MIN, -99, 0, 999, 1000, INT_MAX};
    for (int length = 0; length <= HIGH_SCORE_NAME_LENGTH; ++length) {
        highScoreTable = HighScoreTable();
        std::string name;
        for (int at = 0; at < length; ++at) {
            name += static_cast<char>(at % 2 == 0 ? 'a' + at : 0xC0 + at);
        }
        for (int slot = 0; slot < 6; ++slot) {
            putEntry(slot, name, scores[slot]);
        }
        highScoreTable.highScoreCount = 6;
        ASSERT_EQ(writeHighScores(), 0u);
        highScoreTable = HighScoreTable();
        loadHighScores();
        ASSERT_EQ(highScoreTable.highScoreCount, 6);
        for (int slot = 0; slot < 6; ++slot) {
            EXPECT_EQ(nameOf(slot), padded(name)) << "length " << length;
            EXPECT_EQ(highScoreTable.highScoreScores[slot], scores[slot]);
        }
    }
}

TEST_F(HighScoreFile, OnlyTheFirstTenOfTwelveLinesAreStored)
{
    std::string bytes;
    for (int line = 0; line < 12; ++line) {
        bytes += padded("p" + std::to_string(line)) + std::to_string(line * 10) + "\n";
    }
    loadFrom(bytes);
    EXPECT_EQ(highScoreTable.highScoreCount, 10);
    EXPECT_EQ(nameOf(9), padded("p9"));
    EXPECT_EQ(highScoreTable.highScoreScores[9], 90);
}

TEST_F(HighScoreFile, LastLineWithoutLineEndAndCrLfLinesReadLikeAnyOther)
{
    loadFrom(padded("Cy") + "15\r\n" + padded("Di") + "8");
    ASSERT_EQ(highScoreTable.highScoreCount, 2);
    EXPECT_EQ(highScoreTable.highScoreScores[0], 15);
    EXPECT_EQ(nameOf(1), padded("Di"));
    EXPECT_EQ(highScoreTable.highScoreScores[1], 8);
    loadFrom("short\r\n");
    EXPECT_EQ(nameOf(0), padded("short")) << "a CR before the LF belongs to the line end";
}

TEST_F(HighScoreFile, ShortAndEmptyLinesAreEntriesWithScoreZero)
{
    loadFrom("\nabcde\n");
    ASSERT_EQ(highScoreTable.highScoreCount, 2);
    EXPECT_EQ(nameOf(0), padded(""));
    EXPECT_EQ(highScoreTable.highScoreScores[0], 0);
    EXPECT_EQ(nameOf(1), padded("abcde"));
    EXPECT_EQ(highScoreTable.highScoreScores[1], 0);
}

TEST_F(HighScoreFile, NameBytesAreKeptWholeZeroBytesAndCarriageReturnsIncluded)
{
    std::string name = std::string("a\0b\rc", 5) + std::string(24, 'x') + "z";
    loadFrom(name + "3\n");
    EXPECT_EQ(nameOf(0), name);
    EXPECT_EQ(highScoreTable.highScoreScores[0], 3);
}

TEST_F(HighScoreFile, CtrlZEndsTheFileAndTheLineItCutsIsKept)
{
    loadFrom(padded("Al") + "12\nBe\x1A" "a7\n" + padded("late") + "9\n");
    ASSERT_EQ(highScoreTable.highScoreCount, 2);
    EXPECT_EQ(nameOf(1), padded("Be"));
    loadFrom(padded("Cy") + "4\x1A" "5\n");
    EXPECT_EQ(highScoreTable.highScoreScores[0], 4);
}

TEST_F(HighScoreFile, CtrlZInANameIsSavedAsASpaceSoTheNameReadsBackWhole)
{
    putEntry(0, "A\x1A" "B", 5);
    highScoreTable.highScoreCount = 1;
    ASSERT_EQ(writeHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), padded("A B") + "5\n");
}

TEST_F(HighScoreFile, ScoreFieldIsReadAsAtoiWouldButHeldAtTheLimits)
{
    const std::pair<const char*, int> fields[] = {{"  7", 7},          {"12x", 12},         {"-5", -5},
                                                  {"1234", 1234},      {"+9", 9},           {"x12", 0},
                                                  {"", 0},             {"99999999999", INT_MAX},
                                                  {"-99999999999", INT_MIN}, {"\t 2147483648", INT_MAX}};
    for (const auto& field : fields) {
        loadFrom(padded("n") + field.first + "\n");
        EXPECT_EQ(highScoreTable.highScoreScores[0], field.second) << "field '" << field.first << "'";
    }
}

TEST_F(HighScoreFile, SortIsAscendingStableAndLeavesSlotsBeyondTheCountAlone)
{
    putEntry(0, "thirty", 30);
    putEntry(1, "ten", 10);
    putEntry(2, "twentyA", 20);
    putEntry(3, "twentyB", 20);
    putEntry(4, "beyond", 1);
    highScoreTable.highScoreCount = 4;
    sortHighScores();
    EXPECT_EQ(nameOf(0), padded("ten"));
    EXPECT_EQ(nameOf(1), padded("twentyA"));
    EXPECT_EQ(nameOf(2), padded("twentyB"));
    EXPECT_EQ(nameOf(3), padded("thirty"));
    EXPECT_EQ(nameOf(4), padded("beyond"));
    EXPECT_EQ(highScoreTable.highScoreScores[4], 1);
}

TEST_F(HighScoreFile, SortOfTenReversedEntriesFinishesInTenPasses)
{
    for (int slot = 0; slot < 10; ++slot) {
        putEntry(slot, "p" + std::to_string(slot), 100 - slot);
    }
    highScoreTable.highScoreCount = 10;
    sortHighScores();
    for (int slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(highScoreTable.highScoreScores[slot], 91 + slot);
    }
}

// ---- hostile lengths ----

const long LINE_CHUNK_BYTES = 1024 * 1024;
const long LONG_LINE_BYTES = 100 * LINE_CHUNK_BYTES;

// The most resident memory this process has held so far, in kilobytes.
long peakResidentKilobytes()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// "High Scores.dat" with a 100 MB first line (30 name bytes, then digits) and a short second
// line, written a megabyte at a time so that the test itself never holds the long line.
void writeFileWithLongLine()
{
    std::FILE* file = std::fopen(HIGH_SCORE_FILE_NAME, "wb");
    ASSERT_NE(file, nullptr);
    std::string chunk(static_cast<std::size_t>(LINE_CHUNK_BYTES), '9');
    chunk.replace(0, HIGH_SCORE_NAME_LENGTH, HIGH_SCORE_NAME_LENGTH, 'L');
    for (long written = 0; written < LONG_LINE_BYTES; written += LINE_CHUNK_BYTES) {
        ASSERT_EQ(std::fwrite(chunk.data(), 1, chunk.size(), file), chunk.size());
        chunk.replace(0, HIGH_SCORE_NAME_LENGTH, HIGH_SCORE_NAME_LENGTH, '9');
    }
    std::string next = "\n" + padded("next") + "7\n";
    ASSERT_EQ(std::fwrite(next.data(), 1, next.size(), file), next.size());
    ASSERT_EQ(std::fclose(file), 0);
}

TEST_F(HighScoreFile, HundredMegabyteLineCostsOnlyTheBytesTheReaderKeeps)
{
    writeFileWithLongLine();
    long peakBefore = peakResidentKilobytes();
    loadHighScores();
    long grownKilobytes = peakResidentKilobytes() - peakBefore;
    std::remove(HIGH_SCORE_FILE_NAME);
    RecordProperty("peakGrowthKilobytes", static_cast<int>(grownKilobytes));
    ASSERT_EQ(highScoreTable.highScoreCount, 2);
    EXPECT_EQ(nameOf(0), std::string(30, 'L'));
    EXPECT_EQ(highScoreTable.highScoreScores[0], INT_MAX);
    EXPECT_EQ(nameOf(1), padded("next"));
    EXPECT_EQ(highScoreTable.highScoreScores[1], 7);
    EXPECT_LT(grownKilobytes, 8 * 1024) << "reading the long line raised the peak by " << grownKilobytes << " kB";
}

// ---- saves that cannot happen ----

const std::string OLD_FILE = padded("old") + "5\n";

void fillTable(int entries)
{
    for (int slot = 0; slot < entries; ++slot) {
        putEntry(slot, "new" + std::to_string(slot), slot);
    }
    highScoreTable.highScoreCount = entries;
}

TEST_F(HighScoreFile, TemporaryFileThatCannotBeCreatedLeavesTheOldFileUntouched)
{
    writeTestFile(HIGH_SCORE_FILE_NAME, OLD_FILE);
    std::string temporary = temporaryFileOf(getpid());
    ASSERT_EQ(mkdir(temporary.c_str(), 0700), 0);
    fillTable(3);
    EXPECT_EQ(writeHighScores(), static_cast<unsigned long>(EISDIR)) << "the reason is kept for the player";
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), OLD_FILE);
    rmdir(temporary.c_str());
}

TEST_F(HighScoreFile, FolderInThePlaceOfTheFileIsNotReplacedAndNoTemporaryIsLeft)
{
    ASSERT_EQ(mkdir(HIGH_SCORE_FILE_NAME, 0700), 0);
    fillTable(3);
    EXPECT_EQ(writeHighScores(), static_cast<unsigned long>(EISDIR));
    struct stat info;
    ASSERT_EQ(stat(HIGH_SCORE_FILE_NAME, &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(readTestFile(temporaryFileOf(getpid())), "<missing>");
}

TEST_F(HighScoreFile, FileSizeLimitHitMidWriteLeavesTheOldFileUntouched)
{
    writeTestFile(HIGH_SCORE_FILE_NAME, OLD_FILE);
    fillTable(10);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        unsigned long failure = writeHighScores();
        _exit(failure == 0 ? 0 : failure == EFBIG ? 3 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the save reports its failure and why";
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), OLD_FILE);
    EXPECT_EQ(readTestFile(temporaryFileOf(child)), "<missing>");
}

// ---- what reaches the disk, and when ----

std::vector<std::string> diskCalls;
int fsyncError = 0;

} // namespace

// The test program is linked with --wrap=fsync and --wrap=rename (tests/CMakeLists.txt): every
// fsync and rename of a save comes through here, recorded in order with the synced file's size,
// and an fsync fails with fsyncError while it is set.
extern "C" int __real_fsync(int descriptor);
extern "C" int __real_rename(const char* from, const char* to);

extern "C" int __wrap_fsync(int descriptor)
{
    struct stat info;
    fstat(descriptor, &info);
    diskCalls.push_back(S_ISDIR(info.st_mode) ? "fsync folder" : "fsync " + std::to_string(info.st_size));
    if (fsyncError != 0) {
        errno = fsyncError;
        return -1;
    }
    return __real_fsync(descriptor);
}

extern "C" int __wrap_rename(const char* from, const char* to)
{
    diskCalls.push_back("rename");
    return __real_rename(from, to);
}

namespace {

TEST_F(HighScoreFile, NewBytesReachTheDiskBeforeTheRenameAndAFailedFlushKeepsTheOldFile)
{
    writeTestFile(HIGH_SCORE_FILE_NAME, OLD_FILE);
    fillTable(1);
    diskCalls.clear();
    ASSERT_EQ(writeHighScores(), 0u);
    EXPECT_EQ(diskCalls, (std::vector<std::string>{"fsync 32", "rename", "fsync folder"}));
    writeTestFile(HIGH_SCORE_FILE_NAME, OLD_FILE);
    fsyncError = EIO;
    EXPECT_EQ(writeHighScores(), static_cast<unsigned long>(EIO));
    fsyncError = 0;
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), OLD_FILE);
    EXPECT_EQ(readTestFile(temporaryFileOf(getpid())), "<missing>");
}

// ---- saving new entries: merged into the file as it stands, and only when there are any ----

std::string line(const std::string& name, int score)
{
    return padded(name) + std::to_string(score) + "\n";
}

TEST_F(HighScoreFile, TwoCopiesEachSavingAnEntryKeepBothAndTheTableShowsTheFile)
{
    loadFrom(line("Zed", 9));
    HighScoreTable copyStarted = highScoreTable;
    ASSERT_TRUE(enterHighScore("Alice", 3));
    ASSERT_EQ(saveHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), line("Alice", 3) + line("Zed", 9)) << "on disk once entered";
    highScoreTable = copyStarted;
    ASSERT_TRUE(enterHighScore("Bob", 5));
    ASSERT_EQ(saveHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), line("Alice", 3) + line("Bob", 5) + line("Zed", 9));
    EXPECT_EQ(highScoreTable.highScoreCount, 3) << "the table in memory is what was written";
    EXPECT_EQ(nameOf(0), padded("Alice"));
    EXPECT_TRUE(unsavedHighScores.empty());
}

TEST_F(HighScoreFile, NameOfExactlyThirtyBytesReachesTheFileWhole)
{
    const std::string name = "abcdefghijklmnopqrstuvwxyz0123";
    ASSERT_TRUE(enterHighScore(name.c_str(), 5));
    ASSERT_EQ(saveHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), name + "5\n");
}

TEST_F(HighScoreFile, SaveWithNothingNewWritesNothingAndOneCopyWritesWhatItShows)
{
    const std::string handMade = line("high", 9) + line("low", 3);
    loadFrom(handMade);
    sortHighScores();
    diskCalls.clear();
    ASSERT_EQ(saveHighScores(), 0u);
    EXPECT_TRUE(diskCalls.empty());
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), handMade) << "left exactly as it was";
    ASSERT_TRUE(enterHighScore("mid", 5));
    HighScoreTable shown = highScoreTable;
    ASSERT_EQ(saveHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), line("low", 3) + line("mid", 5) + line("high", 9));
    EXPECT_EQ(std::memcmp(&shown, &highScoreTable, sizeof shown), 0);
}

TEST_F(HighScoreFile, FileThatExistsButCannotBeReadIsNeverReplacedAndTheEntryWaits)
{
    ASSERT_EQ(symlink(HIGH_SCORE_FILE_NAME, HIGH_SCORE_FILE_NAME), 0) << "a link to itself cannot be opened";
    EXPECT_EQ(loadHighScores(), static_cast<unsigned long>(ELOOP));
    ASSERT_TRUE(enterHighScore("Ann", 4));
    EXPECT_EQ(saveHighScores(), static_cast<unsigned long>(ELOOP)) << "the reason is kept for the player";
    char target[64] = {};
    EXPECT_GT(readlink(HIGH_SCORE_FILE_NAME, target, sizeof target - 1), 0) << "the link is still in place";
    EXPECT_EQ(nameOf(0), padded("Ann")) << "the table in memory keeps the entry";
    std::remove(HIGH_SCORE_FILE_NAME);
    writeTestFile(HIGH_SCORE_FILE_NAME, line("Old", 7));
    ASSERT_EQ(saveHighScores(), 0u) << "tried again once the file can be read";
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), line("Ann", 4) + line("Old", 7));
}

TEST_F(HighScoreFile, SaveWaitsWhileAnotherCopyIsSavingAndThenKeepsItsEntry)
{
    loadFrom(line("Zed", 9));
    ASSERT_TRUE(enterHighScore("Bob", 5));
    int otherCopy = open("High Scores.dat.lock", O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(flock(otherCopy, LOCK_EX), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(otherCopy);
        _exit(saveHighScores() == 0 ? 0 : 1);
    }
    usleep(300 * 1000);
    EXPECT_EQ(waitpid(child, nullptr, WNOHANG), 0) << "the save went ahead while another copy held its turn";
    writeTestFile(HIGH_SCORE_FILE_NAME, line("Alice", 3) + line("Zed", 9));
    close(otherCopy);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), line("Alice", 3) + line("Bob", 5) + line("Zed", 9));
}

// Copies released at one moment, with no lock file yet: each one's entry must reach the file.
TEST_F(HighScoreFile, CopiesSavingAtOneMomentKeepEveryEntryEvenBeforeTheLockFileExists)
{
    const int copies = 6;
    for (int round = 0; round < 5; ++round) {
        std::remove(HIGH_SCORE_FILE_NAME);
        std::remove("High Scores.dat.lock");
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> children;
        for (int copy = 0; copy < copies; ++copy) {
            pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                close(start[1]);
                enterHighScore(("copy" + std::to_string(copy)).c_str(), copy + 1);
                char go;
                _exit(read(start[0], &go, 1) == 0 && saveHighScores() == 0 ? 0 : 1);
            }
            children.push_back(child);
        }
        close(start[0]);
        close(start[1]);
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_EQ(WEXITSTATUS(status), 0);
        }
        ASSERT_EQ(loadHighScores(), 0u);
        ASSERT_EQ(highScoreTable.highScoreCount, copies) << "round " << round << ": an entry was lost";
    }
}

} // namespace
