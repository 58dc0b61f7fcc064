// What the benchmarks share: the word lists and the dealt boards.
#include "bench/bench_support.h"

#include <cstring>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"

namespace {

// Any clock will do; a second apart, every deal differs.
const long long FIRST_DEAL_SECOND = 1700000000;

std::string wordListInDictionary;
std::vector<std::string> baselineWords;
// Each by column, as gameState.board.
std::vector<std::string> boards;

} // namespace

const std::vector<std::string>& useWordList(const std::string& path)
{
    if (wordListInDictionary != path) {
        gameState.dictionaryPath = path;
        gameState.dictionaryCount = 0;
        loadDictionary();
        baselineWords.clear();
        for (int slot = 0; slot < gameState.dictionaryCount; ++slot) {
            baselineWords.emplace_back(wordAt(gameState.dictionary, slot));
        }
        wordListInDictionary = path;
    }
    return baselineWords;
}

void putDealtBoard(std::size_t number)
{
    if (boards.empty()) {
        for (int deal = 0; deal < DEALT_BOARDS; ++deal) {
            benchClockSeconds = FIRST_DEAL_SECOND + deal;
            dealBoard();
            boards.emplace_back(gameState.board, TILE_COUNT);
        }
    }
    std::memcpy(gameState.board, boards[number % boards.size()].data(), TILE_COUNT);
}

const std::string& shippedWordList()
{
    static const std::string path = SHIPPED_WORDS;
    return path;
}

const std::string& generatedWordList()
{
    static const std::string path = GENERATED_WORDS;
    return path;
}
