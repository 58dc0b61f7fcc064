// Loading a word list: the engine's loadDictionary (with its index) beside the floor that any
// loader stands on, reading the file into memory and finding its word boundaries.
#include "bench/bench_support.h"
#include "bench/floor_words.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"

void loadWithEngine(benchmark::State& state, const std::string* wordList)
{
    useWordList(*wordList);
    for (auto _ : state) {
        gameState.dictionaryCount = 0;
        loadDictionary();
        benchmark::DoNotOptimize(gameState.dictionaryCount);
    }
}

void loadFloor(benchmark::State& state, const std::string* wordList)
{
    std::vector<char> contents;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAndCountWords(*wordList, contents));
    }
}
