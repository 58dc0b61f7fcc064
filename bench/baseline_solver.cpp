// The straightforward solver, written plainly: no index, no hashing, nothing remembered
// between words. Only the benchmarks and the tests use it.
#include "bench/baseline_solver.h"

namespace {

// Right, left, down, up, down-right, down-left, up-right, up-left.
const int COLUMN_STEP[8] = {+1, -1, 0, 0, +1, -1, +1, -1};
const int ROW_STEP[8] = {0, 0, +1, -1, +1, +1, -1, -1};

struct Walk {
    const char* board;
    const std::string* word;
    bool visited[16];
};

// Spells the word from `position` on, the walk standing on (column, row); backs up from dead ends.
bool walkOn(Walk& walk, std::size_t position, int column, int row)
{
    if (position == walk.word->size()) {
        return true;
    }
    for (int neighbour = 0; neighbour < 8; ++neighbour) {
        int nextColumn = column + COLUMN_STEP[neighbour];
        int nextRow = row + ROW_STEP[neighbour];
        if (nextColumn < 0 || nextColumn > 3 || nextRow < 0 || nextRow > 3) {
            continue;
        }
        int cell = nextColumn * 4 + nextRow;
        if (walk.board[cell] != (*walk.word)[position] || walk.visited[cell]) {
            continue;
        }
        walk.visited[cell] = true;
        if (walkOn(walk, position + 1, nextColumn, nextRow)) {
            return true;
        }
        walk.visited[cell] = false;
    }
    return false;
}

} // namespace

bool baselineIsListed(const std::vector<std::string>& list, const std::string& word)
{
    for (const std::string& listed : list) {
        if (listed == word) {
            return true;
        }
    }
    return false;
}

void baselineSolve(const std::vector<std::string>& dictionary, const BaselineBoard board,
                   std::vector<std::string>& solutions)
{
    solutions.clear();
    for (const std::string& word : dictionary) {
        for (int cell = 0; cell < 16; ++cell) {
            if (word.empty() || board[cell] != word[0]) {
                continue;
            }
            Walk walk = {board, &word, {}};
            walk.visited[cell] = true;
            if (walkOn(walk, 1, cell / 4, cell % 4) && !baselineIsListed(solutions, word)) {
                solutions.push_back(word);
            }
        }
    }
}
