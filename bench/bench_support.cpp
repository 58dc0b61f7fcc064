// What the benchmarks share: the word lists and the dealt boards.
#include "bench/bench_support.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <random>

#include "bench/hostile_words.h"

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
std::vector<std::string> hostileBoards[2];
std::map<std::string, Trie> tries;

std::string writeHostileList(int hostileCase)
{
    std::string path = GENERATED_WORDS;
    path = path.substr(0, path.find_last_of('/') + 1) + "hostile-" + std::to_string(hostileCase) + ".dic";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (const std::string& word : hostileWords(HOSTILE_TILES[hostileCase], HOSTILE_WORDS, 1000u + hostileCase)) {
        std::fprintf(file, "%s\n", word.c_str());
    }
    std::fclose(file);
    return path;
}

} // namespace

const std::string& hostileWordList(int hostileCase)
{
    static const std::string paths[2] = {writeHostileList(0), writeHostileList(1)};
    return paths[hostileCase];
}

const Trie& useTrie(const std::string& path)
{
    auto known = tries.find(path);
    if (known == tries.end()) {
        known = tries.emplace(path, Trie()).first;
        buildTrie(useWordList(path), known->second);
    }
    return known->second;
}

int boardsOf(const SolveCase& solveCase)
{
    return solveCase.hostileCase == DEALT ? DEALT_BOARDS : HOSTILE_BOARDS;
}

void putBoard(const SolveCase& solveCase, std::size_t number)
{
    if (solveCase.hostileCase == DEALT) {
        putDealtBoard(number);
        return;
    }
    std::vector<std::string>& made = hostileBoards[solveCase.hostileCase];
    std::mt19937 random(77);
    while (made.size() < HOSTILE_BOARDS) {
        made.push_back(hostileBoard(HOSTILE_TILES[solveCase.hostileCase], random));
    }
    std::memcpy(gameState.board, made[number % made.size()].data(), TILE_COUNT);
}

std::size_t engineDictionaryBytes()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return gameState.dictionary.bytes.size() + gameState.dictionary.ends.size() * sizeof(std::uint32_t) +
           index.entries.size() * sizeof(std::uint32_t) + index.nodes.size() * sizeof(TreeNode);
}

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
