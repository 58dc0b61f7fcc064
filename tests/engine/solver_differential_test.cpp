// The engine's solver against the plain one kept in bench/ and against the prefix tree, on
// boards of letters A to Z: the same solution list, word for word and in order, on 10,000 boards
// over the shipped list, a slice of the generated one, lists made to trip an index up, and
// hostile lists.
#include <random>

#include "bench/baseline_solver.h"
#include "bench/hostile_words.h"
#include "bench/trie_solver.h"
#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/solver.h"
#include "tests/fakes/engine_fixture.h"

namespace {

// Unoptimised code (a Debug build, or one with sanitizers) runs the baseline some ten times
// slower: it checks a tenth of the boards, where an optimised build checks all 10,000.
#ifdef __OPTIMIZE__
const int BOARD_SHARE = 1;
#else
const int BOARD_SHARE = 10;
#endif
const int SHIPPED_LIST_BOARDS = 1000 / BOARD_SHARE;
const int SLICE_BOARDS = 250 / BOARD_SHARE;
const int SLICE_WORDS = 200000;
const int FEW_LETTER_BOARDS = 8550 / BOARD_SHARE;
const int FILE_LIST_BOARDS = 200 / BOARD_SHARE;
const int HOSTILE_BOARDS = 20 / BOARD_SHARE;
const int HOSTILE_WORDS = 300;
const long long FIRST_DEAL_SECOND = 1600000000;

std::vector<std::string> storedWords(const WordList& list, int count)
{
    std::vector<std::string> words;
    for (int slot = 0; slot < count; ++slot) {
        words.emplace_back(wordAt(list, slot));
    }
    return words;
}

// Solves the board with the engine, the baseline and the tree, and compares their lists.
::testing::AssertionResult solvesAlike(const std::vector<std::string>& dictionary, const Trie& trie)
{
    solveBoard();
    std::vector<std::string> expected;
    baselineSolve(dictionary, gameState.board, expected);
    std::vector<std::string> solved = storedWords(gameState.solutionList, gameState.solutionCount);
    std::vector<std::string> fromTree;
    trieSolve(trie, dictionary, gameState.board, fromTree);
    if (fromTree != expected) {
        return ::testing::AssertionFailure() << "the tree and the baseline differ";
    }
    if (solved == expected) {
        return ::testing::AssertionSuccess();
    }
    std::size_t first = 0;
    while (first < solved.size() && first < expected.size() && solved[first] == expected[first]) {
        ++first;
    }
    return ::testing::AssertionFailure() << "board " << std::string(gameState.tileLetters, TILE_COUNT) << ": "
                                         << solved.size() << " words, " << expected.size()
                                         << " expected; first difference at " << first << ": "
                                         << (first < solved.size() ? solved[first] : "(end)") << " for "
                                         << (first < expected.size() ? expected[first] : "(end)");
}

void expectAlikeOnDealtBoards(int boards)
{
    std::vector<std::string> dictionary = storedWords(gameState.dictionary, gameState.dictionaryCount);
    Trie trie;
    buildTrie(dictionary, trie);
    for (int board = 0; board < boards; ++board) {
        fakeClockSeconds = FIRST_DEAL_SECOND + board;
        dealBoard();
        ASSERT_TRUE(solvesAlike(dictionary, trie));
    }
}

void useWords(const std::vector<std::string>& words)
{
    gameState.dictionaryCount = 0;
    for (const std::string& word : words) {
        storeWord(gameState.dictionary, gameState.dictionaryCount, word);
    }
}

// Sixteen tiles drawn from `letters`, put on the board as useBoard does.
void useRandomBoard(std::mt19937& random, const std::string& letters)
{
    std::string tiles;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        tiles += letters[random() % letters.size()];
    }
    useBoard(tiles.c_str());
}

std::string randomWord(std::mt19937& random, const std::string& letters, std::size_t length)
{
    std::string word;
    while (word.size() < length) {
        word += letters[random() % letters.size()];
    }
    return word;
}

// Words that an index by first letters could get wrong: long shared prefixes, one letter
// repeated, 16 and 17 letters, words listed twice, lower case and other bytes, the empty word.
std::vector<std::string> wordsToTripAnIndex(std::mt19937& random)
{
    std::vector<std::string> words = {"",    "A",     "AS",  "SAT",  "SEAT", "SEATS", "TEASE", "EATEN", "S'T",
                                      "TE1", "\xc9T", "sat", "Seat", "A A",  "SATE",  "ASSET", "TASTE", "STATE"};
    for (char letter : std::string("ASTE")) {
        for (std::size_t length = 1; length <= 17; ++length) {
            words.push_back(std::string(length, letter));
        }
    }
    const std::string prefix = "STATESEATEASTSET";
    for (std::size_t length = 1; length <= prefix.size(); ++length) {
        words.push_back(prefix.substr(0, length));
        words.push_back(prefix.substr(0, length) + randomWord(random, "AEST", 1 + random() % 2));
    }
    for (int word = 0; word < 250; ++word) {
        words.push_back(randomWord(random, "AESTN", 1 + random() % 17));
    }
    for (int word = 0; word < 40; ++word) {
        words.push_back(words[random() % words.size()]);
    }
    return words;
}

using SolverAgreement = EngineTest;

TEST_F(SolverAgreement, ShippedListOnDealtBoards)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    ASSERT_TRUE(loadDictionary());
    expectAlikeOnDealtBoards(SHIPPED_LIST_BOARDS);
}

TEST_F(SolverAgreement, SliceOfTheGeneratedListOnDealtBoards)
{
    std::string generated = readTestFile(GENERATED_WORDS);
    std::size_t end = 0;
    for (int word = 0; word < SLICE_WORDS && end != std::string::npos; ++word) {
        end = generated.find('\n', end + 1);
    }
    ASSERT_NE(end, std::string::npos) << "the generated list holds fewer words than the slice";
    gameState.dictionaryPath = writeTestFile("slice.dic", generated.substr(0, end + 1));
    ASSERT_TRUE(loadDictionary());
    ASSERT_EQ(gameState.dictionaryCount, SLICE_WORDS);
    expectAlikeOnDealtBoards(SLICE_BOARDS);
}

TEST_F(SolverAgreement, TrickyListsOnBoardsOfFewLetters)
{
    std::mt19937 random(2024);
    // Three to six letters, each on several tiles.
    const std::string alphabets[] = {"AEST", "SAT", "AEN", "AESTNR", "ETNS"};
    std::vector<std::string> dictionary;
    Trie trie;
    for (int board = 0; board < FEW_LETTER_BOARDS; ++board) {
        if (board % 500 == 0) {
            dictionary = wordsToTripAnIndex(random);
            useWords(dictionary);
            buildTrie(dictionary, trie);
        }
        useRandomBoard(random, alphabets[board % 5]);
        ASSERT_TRUE(solvesAlike(dictionary, trie));
    }
}

TEST_F(SolverAgreement, TrickyListReadFromAFileOnBoardsOfFewLetters)
{
    std::mt19937 random(7);
    std::string file;
    for (const std::string& word : wordsToTripAnIndex(random)) {
        file += word + "\n";
    }
    gameState.dictionaryPath = writeTestFile("tricky.dic", file);
    ASSERT_TRUE(loadDictionary());
    std::vector<std::string> dictionary = storedWords(gameState.dictionary, gameState.dictionaryCount);
    Trie trie;
    buildTrie(dictionary, trie);
    for (int board = 0; board < FILE_LIST_BOARDS; ++board) {
        useRandomBoard(random, board % 2 == 0 ? "AEST" : "STATEN");
        ASSERT_TRUE(solvesAlike(dictionary, trie));
    }
}

TEST_F(SolverAgreement, HostileListsOnBoardsOfTheirLetters)
{
    std::mt19937 random(11);
    for (const char* tiles : HOSTILE_TILES) {
        std::vector<std::string> dictionary = hostileWords(tiles, HOSTILE_WORDS, 5);
        useWords(dictionary);
        Trie trie;
        buildTrie(dictionary, trie);
        for (int board = 0; board < HOSTILE_BOARDS; ++board) {
            useBoard(hostileBoard(tiles, random).c_str());
            ASSERT_TRUE(solvesAlike(dictionary, trie));
        }
    }
}

} // namespace
