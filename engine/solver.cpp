// The solver: the board's paths of up to three tiles pick the dictionary's groups, and each
// group's tree is followed over the board from there, no further than words not yet found.
#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/board_cells.h"
#include "engine/game_state.h"

namespace {

// The value of a path's first, second and third tile in its group's key.
const int PLACE_VALUE[KEY_LETTERS] = {LETTER_KEY_BASE * LETTER_KEY_BASE, LETTER_KEY_BASE, 1};

struct Search {
    BoardCells cells;
    TreeNode* nodes;
    std::uint32_t solve;
    // The slots of the words found.
    std::vector<std::uint32_t> found;
};

// Whether every word at `node` and below it has been found in this solve.
inline bool isDone(const TreeNode& node, std::uint32_t solve)
{
    return node.solve == solve && node.wordsLeft == 0;
}

// Follows the tree from `nodeIndex`, whose letters the path through `used` to `cell` spells;
// returns how many words it found that no other path had found. A word is found on the first
// visit of its node, and a node whose words are all found is left at once: on boards that repeat
// a few letters, many paths spell the same letters.
std::uint32_t follow(Search& search, std::uint32_t nodeIndex, int cell, CellSet used)
{
    TreeNode& node = search.nodes[nodeIndex];
    std::uint32_t found = 0;
    if (node.solve != search.solve) {
        node.solve = search.solve;
        found = node.word != 0;
        node.wordsLeft = node.wordsBelow - found;
        if (found != 0) {
            search.found.push_back(node.word - 1);
        }
    }
    for (CellSet next = neighbourCells(cell) & ~used; next != 0 && node.wordsLeft != 0; next &= next - 1) {
        int nextCell = lowestCell(next);
        std::uint32_t letter = 1u << search.cells.codeOf[nextCell];
        if ((node.childLetters & letter) == 0) {
            continue;
        }
        std::uint32_t child = node.firstChild + static_cast<std::uint32_t>(__builtin_popcount(node.childLetters & (letter - 1)));
        if (!isDone(search.nodes[child], search.solve)) {
            std::uint32_t below = follow(search, child, nextCell, used | cellBit(nextCell));
            node.wordsLeft -= below;
            found += below;
        }
    }
    return found;
}

// Follows the groups that the paths from `cell` of up to three tiles spell.
void followPaths(Search& search, int cell, CellSet used, int tiles, int key)
{
    key += static_cast<int>(search.cells.codeOf[cell]) * PLACE_VALUE[tiles - 1];
    std::uint32_t root = groupTree(key);
    search.nodes = gameState.dictionaryIndex.nodes.data();
    if (root != NOT_BUILT && !isDone(search.nodes[root], search.solve)) {
        follow(search, root, cell, used);
    }
    if (tiles == KEY_LETTERS) {
        return;
    }
    for (CellSet next = neighbourCells(cell) & ~used; next != 0; next &= next - 1) {
        int nextCell = lowestCell(next);
        followPaths(search, nextCell, used | cellBit(nextCell), tiles + 1, key);
    }
}

// A board with a tile other than A to Z is none that the deal makes; the index only knows words
// of letters, so every word is traced.
void traceAll(Search& search)
{
    for (int slot = 0; slot < gameState.dictionaryCount; ++slot) {
        if (canTrace(search.cells, wordAt(gameState.dictionary, slot))) {
            search.found.push_back(static_cast<std::uint32_t>(slot));
        }
    }
}

// The found words in dictionary order. The trees found each word once, at its first slot;
// tracing found every slot, so a word the dictionary lists twice is stored at its first.
void storeSolutions(std::vector<std::uint32_t>& found, bool traced)
{
    std::sort(found.begin(), found.end());
    gameState.solutionCount = 0;
    for (std::uint32_t slot : found) {
        std::string_view solution = wordAt(gameState.dictionary, static_cast<int>(slot));
        if (!traced || findWord(gameState.solutionList, gameState.solutionCount, solution) < 0) {
            storeWord(gameState.solutionList, gameState.solutionCount, solution);
        }
    }
}

} // namespace

void solveBoard()
{
    if (!isDictionaryIndexCurrent()) {
        indexDictionary();
    }
    Search search;
    describeBoard(search.cells);
    search.solve = ++gameState.dictionaryIndex.solves;
    if (search.cells.allLetters) {
        for (int cell = 0; cell < TILE_COUNT; ++cell) {
            followPaths(search, cell, cellBit(cell), 1, 0);
        }
    } else {
        traceAll(search);
    }
    storeSolutions(search.found, !search.cells.allLetters);
}
