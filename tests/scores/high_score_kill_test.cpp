// Saves of "High Scores.dat" killed with SIGKILL at random moments: the old table or the new one survives whole.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "scores/high_score_table.h"
#include "tests/fakes/engine_fixture.h"

namespace {

typedef std::chrono::steady_clock Clock;

const int KILL_RUNS = 250;
const int TIMED_RUNS = 9;

class KilledSave : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(testFolder().c_str()), 0);
        std::remove(HIGH_SCORE_FILE_NAME);
    }
};

// A full table whose every line differs from the other table's, so a mixture cannot pass for either.
void fillTable(const char* namePrefix, int firstScore)
{
    highScoreTable = HighScoreTable();
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        std::snprintf(highScoreTable.highScoreNames[slot], HIGH_SCORE_NAME_LENGTH, "%s player %d", namePrefix, slot);
        highScoreTable.highScoreScores[slot] = firstScore + slot * 11;
    }
    highScoreTable.highScoreCount = HIGH_SCORE_SLOTS;
}

// The bytes a save of the table in memory leaves on disk.
std::string savedBytes()
{
    writeHighScores();
    return readTestFile(HIGH_SCORE_FILE_NAME);
}

struct SavingChild {
    pid_t pid;
    int signals; // read end: one byte when the save starts, one when it has returned
};

// Waits for the child's next byte without sleeping, so that the moment it arrives is seen at once
// (waking from a blocking read can take longer than the whole save). False when the child is gone.
bool awaitMark(const SavingChild& child)
{
    char mark;
    ssize_t got;
    while ((got = read(child.signals, &mark, 1)) < 0 && errno == EAGAIN) {
    }
    return got == 1;
}

// Forks a child that saves the table in memory, telling the parent when it starts and ends.
SavingChild startSavingChild()
{
    int ends[2];
    if (pipe(ends) != 0) {
        return SavingChild{-1, -1};
    }
    pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        char mark = 's';
        ssize_t told = write(ends[1], &mark, 1);
        writeHighScores();
        told += write(ends[1], &mark, 1);
        _exit(told == 2 ? 0 : 1);
    }
    close(ends[1]);
    fcntl(ends[0], F_SETFL, O_NONBLOCK);
    SavingChild child = {pid, ends[0]};
    if (pid < 0 || !awaitMark(child)) {
        child.pid = -1;
    }
    return child;
}

void finish(SavingChild child)
{
    int status;
    waitpid(child.pid, &status, 0);
    close(child.signals);
}

// How long a save usually takes in a child, from its start to its return: the median of a few,
// as one slow start (a page fault, a busy machine) would stretch the longest far beyond the rest.
Clock::duration typicalSave()
{
    std::vector<Clock::duration> took;
    for (int run = 0; run < TIMED_RUNS; ++run) {
        SavingChild child = startSavingChild();
        Clock::time_point started = Clock::now();
        if (child.pid > 0 && awaitMark(child)) {
            took.push_back(Clock::now() - started);
        }
        finish(child);
    }
    if (took.empty()) {
        return Clock::duration::zero();
    }
    std::sort(took.begin(), took.end());
    return took[took.size() / 2];
}

// Kills a saving child once `delay` has passed since its save started; a busy wait, because a
// sleep of a few microseconds would oversleep the whole save. False when no child could start.
bool killSaveAfter(Clock::duration delay)
{
    SavingChild child = startSavingChild();
    if (child.pid <= 0) {
        return false;
    }
    Clock::time_point deadline = Clock::now() + delay;
    while (Clock::now() < deadline) {
    }
    kill(child.pid, SIGKILL);
    finish(child);
    return true;
}

TEST_F(KilledSave, FileAlwaysHoldsTheWholeOldTableOrTheWholeNewOne)
{
    fillTable("old", 100);
    const std::string oldBytes = savedBytes();
    fillTable("new", 500);
    const std::string newBytes = savedBytes();
    ASSERT_NE(oldBytes, newBytes);
    // Kill moments spread over the time a save usually takes: some land before the temporary
    // file exists, some while it is written, some between closing and renaming it, some after.
    std::uniform_int_distribution<Clock::rep> delays(0, typicalSave().count());
    std::mt19937 generator(std::random_device{}());
    int oldSurvived = 0;
    for (int run = 0; run < KILL_RUNS; ++run) {
        writeTestFile(HIGH_SCORE_FILE_NAME, oldBytes);
        ASSERT_TRUE(killSaveAfter(Clock::duration(delays(generator))));
        std::string left = readTestFile(HIGH_SCORE_FILE_NAME);
        ASSERT_TRUE(left == oldBytes || left == newBytes) << "run " << run << " left:\n" << left;
        oldSurvived += left == oldBytes ? 1 : 0;
    }
    RecordProperty("runsThatKeptTheOldTable", oldSurvived);

    // A temporary file left by a killed save does not stand in the way of the next one.
    EXPECT_EQ(writeHighScores(), 0u);
    EXPECT_EQ(readTestFile(HIGH_SCORE_FILE_NAME), newBytes);
    EXPECT_EQ(readTestFile(std::string(HIGH_SCORE_FILE_NAME) + "." + std::to_string(getpid()) + ".new"), "<missing>");
}

} // namespace
