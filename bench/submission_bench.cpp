// Handing in words in the third minute of a game, with 1,000 words entered: the engine's
// checkAlreadyEntered and checkValidWord beside straightforward scans of the same lists.
#include <cctype>

#include "bench/bench_support.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "engine/submission.h"

namespace {

std::vector<std::string> probes;
std::vector<std::string> baselineEntered;
std::vector<std::string> baselineSolutions;

std::string lowerCased(std::string word)
{
    for (char& c : word) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return word;
}

void enter(const std::string& word)
{
    if (!checkAlreadyEntered(word)) {
        baselineEntered.push_back(upperCased(word));
    }
}

// A dealt board solved against the 999,999 words; its solutions and other words entered up to
// 1,000; as probes, entered words spread over the list and typed again in lower case.
void prepareGame()
{
    useWordList(generatedWordList());
    putDealtBoard(0);
    solveBoard();
    gameState.enteredCount = 0;
    baselineEntered.clear();
    baselineSolutions.clear();
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        baselineSolutions.emplace_back(wordAt(gameState.solutionList, slot));
    }
    for (int slot = 0; slot < gameState.solutionCount && gameState.enteredCount < ENTERED_WORDS / 2; ++slot) {
        enter(baselineSolutions[static_cast<std::size_t>(slot)]);
    }
    for (int slot = 0; gameState.enteredCount < ENTERED_WORDS; slot += 997) {
        enter(std::string(wordAt(gameState.dictionary, slot % gameState.dictionaryCount)));
    }
    probes.clear();
    for (int probe = 0; probe < SUBMISSION_PROBES; ++probe) {
        probes.push_back(
            lowerCased(baselineEntered[static_cast<std::size_t>(probe * ENTERED_WORDS / SUBMISSION_PROBES)]));
    }
}

} // namespace

void submitWithEngine(benchmark::State& state)
{
    prepareGame();
    for (auto _ : state) {
        for (const std::string& probe : probes) {
            benchmark::DoNotOptimize(checkAlreadyEntered(probe));
            benchmark::DoNotOptimize(checkValidWord(probe));
        }
    }
}

void submitWithBaseline(benchmark::State& state)
{
    prepareGame();
    for (auto _ : state) {
        for (const std::string& probe : probes) {
            std::string typed = upperCased(probe);
            benchmark::DoNotOptimize(baselineIsListed(baselineEntered, typed));
            benchmark::DoNotOptimize(baselineIsListed(baselineSolutions, typed));
        }
    }
}
