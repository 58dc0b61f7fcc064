// Loading a word list: the engine's loadDictionary (with its index) beside the floor that any
// loader stands on, reading the file into memory and finding its word boundaries.
#include <cstdio>

#include "bench/bench_support.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"

namespace {

bool isWordByte(char c)
{
    return c != ' ' && (c < '\t' || c > '\r');
}

std::size_t readAndCountWords(const std::string& path, std::vector<char>& contents)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    std::fseek(file, 0, SEEK_END);
    contents.resize(static_cast<std::size_t>(std::ftell(file)));
    std::fseek(file, 0, SEEK_SET);
    contents.resize(std::fread(contents.data(), 1, contents.size(), file));
    std::fclose(file);
    std::size_t words = 0;
    bool inWord = false;
    for (char c : contents) {
        bool wordByte = isWordByte(c);
        words += wordByte && !inWord;
        inWord = wordByte;
    }
    return words;
}

} // namespace

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
