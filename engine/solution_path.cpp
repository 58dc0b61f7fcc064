// Finding the path of a solution on the board, in the order in which the solver meets paths.
#include "engine/solution_path.h"

#include "engine/board_cells.h"

namespace {

struct PathSearch {
    std::string_view word;
    // The cells holding each byte of the board.
    CellSet holding[256];
    SolutionPath path;
};

void describeHoldings(PathSearch& search)
{
    for (CellSet& cells : search.holding) {
        cells = 0;
    }
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        search.holding[static_cast<unsigned char>(gameState.board[cell])] |= cellBit(cell);
    }
}

// Extends the path, which spells the word's first path.length letters through the cells `used`,
// to the whole word; on failure the path is left as it was.
bool extendPath(PathSearch& search, CellSet used)
{
    SolutionPath& path = search.path;
    if (static_cast<std::size_t>(path.length) == search.word.size()) {
        return true;
    }
    unsigned char letter = static_cast<unsigned char>(search.word[static_cast<std::size_t>(path.length)]);
    CellSet fitting = NEIGHBOURS.of[path.cells[path.length - 1]] & search.holding[letter] & ~used;
    for (; fitting != 0; fitting &= fitting - 1) {
        int next = lowestCell(fitting);
        path.cells[path.length++] = next;
        if (extendPath(search, used | cellBit(next))) {
            return true;
        }
        --path.length;
    }
    return false;
}

} // namespace

SolutionPath solutionPath(std::string_view word)
{
    PathSearch search;
    search.word = word;
    search.path = SolutionPath{};
    // Sixteen tiles spell no longer word.
    if (word.empty() || word.size() > static_cast<std::size_t>(TILE_COUNT)) {
        return search.path;
    }
    describeHoldings(search);
    for (CellSet starts = search.holding[static_cast<unsigned char>(word[0])]; starts != 0; starts &= starts - 1) {
        search.path.cells[0] = lowestCell(starts);
        search.path.length = 1;
        if (extendPath(search, cellBit(search.path.cells[0]))) {
            return search.path;
        }
    }
    search.path.length = 0;
    return search.path;
}
