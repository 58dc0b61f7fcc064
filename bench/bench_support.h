// What the benchmarks share: the word lists, the dealt boards, and the benchmarks themselves.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/baseline_solver.h"
#include "bench/trie_solver.h"

// The clock that the deal reads in benchmarks (see bench_clock.cpp).
extern long long benchClockSeconds;

// Loads the word list into the game's dictionary, unless it is there already, and returns the
// same words as the baseline's list of strings.
const std::vector<std::string>& useWordList(const std::string& path);

// The prefix tree of the word list, built on first use.
const Trie& useTrie(const std::string& path);

// Boards dealt as New Game deals them, the same in every run. A solve benchmark's iteration
// solves them all, so that every solver meets the same boards however often each is run.
constexpr int DEALT_BOARDS = 32;
// The hostile lists' boards: each far slower to solve than a dealt one.
constexpr int HOSTILE_BOARDS = 2;
constexpr int HOSTILE_WORDS = 20000;

// A word list and the boards solved with it: dealt ones, or those of hostile case 0 or 1.
struct SolveCase {
    std::string wordList;
    int hostileCase;
};
constexpr int DEALT = -1;

int boardsOf(const SolveCase& solveCase);

// Puts dealt board `number` (0 to DEALT_BOARDS - 1) on the game's board.
void putDealtBoard(std::size_t number);

// Puts board `number` (0 to boardsOf(solveCase) - 1) on the game's board.
void putBoard(const SolveCase& solveCase, std::size_t number);

// The file names the benchmarks use, from the build; the hostile lists are written on first use.
const std::string& shippedWordList();
const std::string& generatedWordList();
const std::string& hostileWordList(int hostileCase);

// The bytes the engine keeps for the dictionary and its index.
std::size_t engineDictionaryBytes();

// The benchmarks, each figure's two side by side: the engine's, then the one it is measured against.
void solveWithEngine(benchmark::State& state, const SolveCase* solveCase);
void solveWithBaseline(benchmark::State& state, const SolveCase* solveCase);
void solveWithTrie(benchmark::State& state, const SolveCase* solveCase);
void buildTrieOnly(benchmark::State& state, const std::string* wordList);
void loadWithEngine(benchmark::State& state, const std::string* wordList);
void loadFloor(benchmark::State& state, const std::string* wordList);
// Submission: SUBMISSION_PROBES words an iteration, each through both checks, with ENTERED_WORDS entered.
constexpr int ENTERED_WORDS = 1000;
constexpr int SUBMISSION_PROBES = 100;
void submitWithEngine(benchmark::State& state);
void submitWithBaseline(benchmark::State& state);
