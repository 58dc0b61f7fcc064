// Solving dealt boards: the engine's solveBoard and the baseline's, on the same boards and words.
#include "bench/bench_support.h"
#include "engine/game_state.h"
#include "engine/solver.h"

void solveWithEngine(benchmark::State& state, const std::string* wordList)
{
    useWordList(*wordList);
    for (auto _ : state) {
        for (std::size_t board = 0; board < DEALT_BOARDS; ++board) {
            putDealtBoard(board);
            solveBoard();
            benchmark::DoNotOptimize(gameState.solutionCount);
        }
    }
}

void solveWithBaseline(benchmark::State& state, const std::string* wordList)
{
    const std::vector<std::string>& words = useWordList(*wordList);
    std::vector<std::string> solutions;
    for (auto _ : state) {
        for (std::size_t board = 0; board < DEALT_BOARDS; ++board) {
            putDealtBoard(board);
            baselineSolve(words, gameState.board, solutions);
            benchmark::DoNotOptimize(solutions.data());
        }
    }
}
