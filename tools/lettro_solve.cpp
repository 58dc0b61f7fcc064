// lettro-solve: the game's own loader and solver on the command line.
//   lettro-solve DICTIONARY BOARD   prints the solutions of BOARD (16 letters, reading order)
//   lettro-solve DICTIONARY         deals a board as New Game does, prints it, then its solutions
#include <cstdio>
#include <string>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "tools/board_argument.h"

namespace {

const int EXIT_USAGE = 2;

void printBoard()
{
    for (int row = 0; row < BOARD_SIZE; ++row) {
        std::fwrite(gameState.tileLetters + row * BOARD_SIZE, 1, BOARD_SIZE, stdout);
        std::fputc('\n', stdout);
    }
    std::fputc('\n', stdout);
}

void printSolutions()
{
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        std::string_view word = wordAt(gameState.solutionList, slot);
        std::fwrite(word.data(), 1, word.size(), stdout);
        std::fputc('\n', stdout);
    }
}

int fail(const char* message, const char* subject)
{
    std::fprintf(stderr, "lettro-solve: %s: %s\n", message, subject);
    return EXIT_USAGE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: lettro-solve DICTIONARY [BOARD]\n");
        return EXIT_USAGE;
    }
    bool boardGiven = argc == 3;
    if (boardGiven && !setBoardFromArgument(argv[2])) {
        return fail("BOARD must be exactly 16 letters A-Z", argv[2]);
    }
    gameState.dictionaryPath = argv[1];
    if (!loadDictionary()) {
        return fail("cannot read dictionary", argv[1]);
    }
    if (!boardGiven) {
        dealBoard();
        printBoard();
    }
    solveBoard();
    printSolutions();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
