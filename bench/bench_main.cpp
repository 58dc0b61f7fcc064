// make bench: each figure's benchmarks for the engine and for what it is measured against, in one
// run; then a table of both times and their ratio, and whole runs of lettro-solve.
#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <map>

#include "bench/bench_support.h"

namespace {

const int REPETITIONS = 5;
// The README's example board.
const char SOLVE_BOARD[] = "CATSERTONIALPEDG";
const int SHIPPED_LIST_RUNS = 31;
const int GENERATED_LIST_RUNS = 11;
// Peak resident memory goals: 8 MB with the shipped list, 2.5 times the file with the generated one.
const double SHIPPED_LIST_MEMORY_GOAL = 8e6;
const double GENERATED_LIST_MEMORY_FACTOR = 2.5;
const double START_GOAL_SECONDS = 0.025;
// A whole run on the generated list, at most this many times a run that only reads its words.
const double WHOLE_RUN_GOAL = 2;

// A dealt board in at most 1.2 times the prefix tree's time: the engine's tree is laid out as
// boards reach it, and pays for that, and for skipping what a solve has found, a little.
const double NEAR_THE_TREE = 1 / 1.2;

enum Comparison { TIMES_FASTER, TIMES_THE_FLOOR };

struct Figure {
    const char* title;
    const char* ours;
    const char* theirs;
    int operationsPerIteration;
    Comparison comparison;
    double goal; // the ratio to reach, or 0 for none
};

const Figure FIGURES[] = {
    {"solve, shipped list, a board", "solve/shipped/engine", "solve/shipped/baseline", DEALT_BOARDS, TIMES_FASTER, 0},
    {"  the same beside the prefix tree", "solve/shipped/engine", "solve/shipped/trie", DEALT_BOARDS, TIMES_FASTER,
     NEAR_THE_TREE},
    {"solve, 999,999 words, a board", "solve/generated/engine", "solve/generated/baseline", DEALT_BOARDS, TIMES_FASTER,
     100},
    {"  the same beside the prefix tree", "solve/generated/engine", "solve/generated/trie", DEALT_BOARDS, TIMES_FASTER,
     NEAR_THE_TREE},
    {"solve, hostile A B, beside the tree", "solve/hostile0/engine", "solve/hostile0/trie", HOSTILE_BOARDS,
     TIMES_FASTER, 1},
    {"solve, hostile A E S, beside the tree", "solve/hostile1/engine", "solve/hostile1/trie", HOSTILE_BOARDS,
     TIMES_FASTER, 1},
    {"load, shipped list", "load/shipped/engine", "load/shipped/floor", 1, TIMES_THE_FLOOR, 0},
    {"load, 999,999 words", "load/generated/engine", "load/generated/floor", 1, TIMES_THE_FLOOR, 1.5},
    {"load beside building the tree, shipped", "load/shipped/engine", "build/shipped/trie", 1, TIMES_FASTER, 0},
    {"  the same, 999,999 words", "load/generated/engine", "build/generated/trie", 1, TIMES_FASTER, 0},
    {"submission, 1,000 entered, a word", "submission/engine", "submission/baseline", SUBMISSION_PROBES, TIMES_FASTER,
     0},
};

// Keeps the median of each benchmark's repetitions, in seconds, while the console shows them all.
class MedianKeeper : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> medianSeconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medianSeconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void add(const char* name, std::function<void(benchmark::State&)> benchmark)
{
    benchmark::RegisterBenchmark(name, benchmark)
        ->Repetitions(REPETITIONS)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

const SolveCase SHIPPED_CASE = {shippedWordList(), DEALT};
const SolveCase GENERATED_CASE = {generatedWordList(), DEALT};
const SolveCase HOSTILE_CASES[2] = {{hostileWordList(0), 0}, {hostileWordList(1), 1}};

void addSolveBenchmarks(const std::string& name, const SolveCase* solveCase, bool withBaseline)
{
    add((name + "/engine").c_str(), [=](benchmark::State& state) { solveWithEngine(state, solveCase); });
    add((name + "/trie").c_str(), [=](benchmark::State& state) { solveWithTrie(state, solveCase); });
    if (withBaseline) {
        add((name + "/baseline").c_str(), [=](benchmark::State& state) { solveWithBaseline(state, solveCase); });
    }
}

void addBenchmarks()
{
    const std::string* shipped = &shippedWordList();
    const std::string* generated = &generatedWordList();
    addSolveBenchmarks("solve/shipped", &SHIPPED_CASE, true);
    addSolveBenchmarks("solve/generated", &GENERATED_CASE, true);
    // The plain baseline would take minutes on the hostile lists.
    addSolveBenchmarks("solve/hostile0", &HOSTILE_CASES[0], false);
    addSolveBenchmarks("solve/hostile1", &HOSTILE_CASES[1], false);
    add("load/shipped/engine", [=](benchmark::State& state) { loadWithEngine(state, shipped); });
    add("load/shipped/floor", [=](benchmark::State& state) { loadFloor(state, shipped); });
    add("build/shipped/trie", [=](benchmark::State& state) { buildTrieOnly(state, shipped); });
    add("load/generated/engine", [=](benchmark::State& state) { loadWithEngine(state, generated); });
    add("load/generated/floor", [=](benchmark::State& state) { loadFloor(state, generated); });
    add("build/generated/trie", [=](benchmark::State& state) { buildTrieOnly(state, generated); });
    add("submission/engine", submitWithEngine);
    add("submission/baseline", submitWithBaseline);
}

void printMemory(const char* listName, const std::string& wordList)
{
    useWordList(wordList);
    std::printf("%-36s %10.1f MB engine's dictionary and index; %.1f MB the prefix tree's nodes\n", listName,
                static_cast<double>(engineDictionaryBytes()) / 1e6,
                static_cast<double>(trieBytes(useTrie(wordList))) / 1e6);
}

std::string timeText(double seconds)
{
    const char* units[] = {"s", "ms", "us", "ns"};
    int unit = 0;
    while (unit < 3 && seconds < 1) {
        seconds *= 1000;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text,
                  seconds < 10    ? "%.2f %s"
                  : seconds < 100 ? "%.1f %s"
                                  : "%.0f %s",
                  seconds, units[unit]);
    return text;
}

void printFigure(const Figure& figure, const std::map<std::string, double>& medianSeconds)
{
    auto ours = medianSeconds.find(figure.ours);
    auto theirs = medianSeconds.find(figure.theirs);
    if (ours == medianSeconds.end() || theirs == medianSeconds.end()) {
        std::printf("%-36s not run\n", figure.title);
        return;
    }
    double oursEach = ours->second / figure.operationsPerIteration;
    double theirsEach = theirs->second / figure.operationsPerIteration;
    bool faster = figure.comparison == TIMES_FASTER;
    double ratio = faster ? theirsEach / oursEach : oursEach / theirsEach;
    char goal[64] = "";
    if (figure.goal > 0) {
        bool met = faster ? ratio >= figure.goal : ratio <= figure.goal;
        std::snprintf(goal, sizeof goal, "%s %gx: %s", faster ? "at least" : "at most", figure.goal,
                      met ? "met" : "NOT MET");
    }
    std::printf("%-36s %10s %10s %9.2fx %-10s %s\n", figure.title, timeText(oursEach).c_str(),
                timeText(theirsEach).c_str(), ratio, faster ? "faster" : "the floor", goal);
}

double fileBytes(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? static_cast<double>(status.st_size) : 0;
}

// Runs lettro-solve through measure-runs; false when it could not be run.
bool measureRuns(const std::string& program, const std::string& wordList, int runs, double& medianSeconds,
                 double& peakBytes)
{
    std::string command = std::string(MEASURE_RUNS) + " " + std::to_string(runs) + " " + program + " '" + wordList +
                          "' " + (program == LETTRO_SOLVE ? SOLVE_BOARD : "");
    std::FILE* output = popen(command.c_str(), "r");
    double peakKilobytes = 0;
    bool measured = output != nullptr && std::fscanf(output, "%lf %lf", &medianSeconds, &peakKilobytes) == 2;
    bool exited = output != nullptr && pclose(output) == 0;
    peakBytes = peakKilobytes * 1024;
    return measured && exited;
}

// Prints lettro-solve's whole runs; with a goal for the whole run, beside read-words' runs.
void printRuns(const char* listName, const std::string& wordList, int runs, double memoryGoal, bool startGoal,
               bool wholeRunGoal)
{
    double medianSeconds = 0;
    double peakBytes = 0;
    if (!measureRuns(LETTRO_SOLVE, wordList, runs, medianSeconds, peakBytes)) {
        std::printf("lettro-solve %s %s: could not be run\n", listName, SOLVE_BOARD);
        return;
    }
    std::printf("lettro-solve %s %s: median %s of %d runs", listName, SOLVE_BOARD, timeText(medianSeconds).c_str(),
                runs);
    if (startGoal) {
        std::printf(" (at most %s: %s)", timeText(START_GOAL_SECONDS).c_str(),
                    medianSeconds <= START_GOAL_SECONDS ? "met" : "NOT MET");
    }
    std::printf("; peak resident %.0f bytes (at most %.0f: %s)\n", peakBytes, memoryGoal,
                peakBytes <= memoryGoal ? "met" : "NOT MET");
    double floorSeconds = 0;
    double floorBytes = 0;
    if (wholeRunGoal && measureRuns(READ_WORDS, wordList, runs, floorSeconds, floorBytes)) {
        double ratio = medianSeconds / floorSeconds;
        std::printf("read-words %s: median %s of %d runs; lettro-solve takes %.2fx (at most %gx: %s)\n", listName,
                    timeText(floorSeconds).c_str(), runs, ratio, WHOLE_RUN_GOAL,
                    ratio <= WHOLE_RUN_GOAL ? "met" : "NOT MET");
    }
}

} // namespace

int main(int argc, char** argv)
{
    addBenchmarks();
    // The repetitions of all benchmarks run in a random order, so that another program busy on
    // the machine for a while slows both sides of a figure alike; a flag given here still wins.
    std::vector<char*> arguments = {argv[0], const_cast<char*>("--benchmark_enable_random_interleaving=true")};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int argumentCount = static_cast<int>(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nMedians of %d repetitions, in one run:\n", REPETITIONS);
    std::printf("%-36s %10s %10s %10s\n", "figure", "engine", "other", "ratio");
    for (const Figure& figure : FIGURES) {
        printFigure(figure, reporter.medianSeconds);
    }
    std::printf("\nMemory held for solving:\n");
    printMemory("shipped list", shippedWordList());
    printMemory("999,999 words", generatedWordList());
    std::printf("\nWhole runs (peak resident memory as /usr/bin/time -v reports it):\n");
    printRuns("data/words.dic", shippedWordList(), SHIPPED_LIST_RUNS, SHIPPED_LIST_MEMORY_GOAL, true, false);
    double generatedGoal = GENERATED_LIST_MEMORY_FACTOR * fileBytes(generatedWordList());
    printRuns("(999,999 words)", generatedWordList(), GENERATED_LIST_RUNS, generatedGoal, false, true);
    return 0;
}
