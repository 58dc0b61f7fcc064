// Solving boards: the engine's solveBoard, the baseline's and the prefix tree's, on the same
// boards and words.
#include "bench/bench_support.h"
#include "engine/game_state.h"
#include "engine/solver.h"

// Each solver meets the boards once before it is timed: the figures are of boards solved when
// the solver is ready. What getting ready costs is measured by the load and build figures and
// by lettro-solve's whole runs.

void solveWithEngine(benchmark::State& state, const SolveCase* solveCase)
{
    useWordList(solveCase->wordList);
    for (int board = 0; board < boardsOf(*solveCase); ++board) {
        putBoard(*solveCase, static_cast<std::size_t>(board));
        solveBoard();
    }
    for (auto _ : state) {
        for (int board = 0; board < boardsOf(*solveCase); ++board) {
            putBoard(*solveCase, static_cast<std::size_t>(board));
            solveBoard();
            benchmark::DoNotOptimize(gameState.solutionCount);
        }
    }
}

void solveWithBaseline(benchmark::State& state, const SolveCase* solveCase)
{
    const std::vector<std::string>& words = useWordList(solveCase->wordList);
    std::vector<std::string> solutions;
    for (auto _ : state) {
        for (int board = 0; board < boardsOf(*solveCase); ++board) {
            putBoard(*solveCase, static_cast<std::size_t>(board));
            baselineSolve(words, gameState.board, solutions);
            benchmark::DoNotOptimize(solutions.data());
        }
    }
}

void solveWithTrie(benchmark::State& state, const SolveCase* solveCase)
{
    const std::vector<std::string>& words = useWordList(solveCase->wordList);
    const Trie& trie = useTrie(solveCase->wordList);
    std::vector<std::string> solutions;
    for (auto _ : state) {
        for (int board = 0; board < boardsOf(*solveCase); ++board) {
            putBoard(*solveCase, static_cast<std::size_t>(board));
            trieSolve(trie, words, gameState.board, solutions);
            benchmark::DoNotOptimize(solutions.data());
        }
    }
}

void buildTrieOnly(benchmark::State& state, const std::string* wordList)
{
    const std::vector<std::string>& words = useWordList(*wordList);
    for (auto _ : state) {
        Trie trie;
        buildTrie(words, trie);
        benchmark::DoNotOptimize(trie.nodes.data());
    }
}
