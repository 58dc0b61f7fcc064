// The solver: the dictionary's tree followed over the board's paths from the root, no further
// than words not yet found.
#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/board_cells.h"
#include "engine/game_state.h"

namespace {

struct Search {
    BoardCells cells;
    // The index's nodes, taken again after each layout, which may move them.
    TreeNode* nodes;
    // The nodes the search is in, from the root.
    std::uint32_t path[TILE_COUNT + 1];
    // The slots of the words found.
    std::vector<std::uint32_t> found;
};

// Kept from solve to solve for the room its list has taken.
Search boardSearch;

constexpr CellSet ALL_CELLS = (CellSet(1) << TILE_COUNT) - 1;

// The number of bits set, worked out in place: the builtin calls a library function unless
// the build may assume a processor with an instruction for it.
inline std::uint32_t countBits(std::uint32_t bits)
{
    bits -= bits >> 1 & 0x55555555u;
    bits = (bits & 0x33333333u) + (bits >> 2 & 0x33333333u);
    return ((bits + (bits >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24;
}

// The child of `node` for the letter whose code's bit is `letter`, which must be one of its letters.
inline std::uint32_t childOf(const TreeNode& node, std::uint32_t letter)
{
    return node.firstChild + countBits(node.childLetters & (letter - 1) & ~ENDS_WORD);
}

// Subtracts `words` from wordsLeft of the nodes at depths 0 to `depth` of the path.
void takeFromPath(Search& search, int depth, std::uint32_t words)
{
    for (int at = 0; at <= depth; ++at) {
        search.nodes[search.path[at]].wordsLeft -= words;
    }
}

// Lays out the node at `depth` of the path; the entries it drops are dropped from the nodes above it too.
void layOut(Search& search, int depth)
{
    std::uint32_t dropped = layOutNode(search.path[depth], static_cast<std::size_t>(depth));
    search.nodes = gameState.dictionaryIndex.nodes.data();
    takeFromPath(search, depth - 1, dropped);
}

// Takes the word that ends at the node at `depth` of the path, which this solve has not found.
void takeWord(Search& search, int depth)
{
    TreeNode& node = search.nodes[search.path[depth]];
    node.childLetters &= ~ENDS_WORD;
    search.found.push_back(gameState.dictionaryIndex.entries[node.firstEntry]);
    takeFromPath(search, depth, 1);
}

// Follows the tree from the node at `depth` of the path, whose letters the path through `used`
// spells, into the cells `next` (every unused neighbour of the path's last cell). A node whose
// words are all found is not entered.
void follow(Search& search, int depth, CellSet next, CellSet used)
{
    std::uint32_t at = search.path[depth];
    if (search.nodes[at].firstChild == 0) {
        layOut(search, depth);
    }
    // Below here only the node's wordsLeft changes: a copy of its letters and children serves.
    const TreeNode node = search.nodes[at];
    if ((node.childLetters & ENDS_WORD) != 0) {
        takeWord(search, depth);
    }
    for (; next != 0 && search.nodes[at].wordsLeft != 0; next &= next - 1) {
        int cell = lowestCell(next);
        std::uint32_t letter = 1u << search.cells.codeOf[cell];
        if ((node.childLetters & letter) != 0) {
            std::uint32_t child = childOf(node, letter);
            if (search.nodes[child].wordsLeft != 0) {
                search.path[depth + 1] = child;
                CellSet nowUsed = used | cellBit(cell);
                follow(search, depth + 1, NEIGHBOURS.of[cell] & ~nowUsed, nowUsed);
            }
        }
    }
}

// Leaves the tree as it was before the solve: each found word spelled down from the root again.
void countBack(Search& search)
{
    for (std::uint32_t slot : search.found) {
        std::uint32_t at = 0;
        search.nodes[at].wordsLeft += 1;
        for (char c : wordAt(gameState.dictionary, static_cast<int>(slot))) {
            at = childOf(search.nodes[at], 1u << letterCode(c));
            search.nodes[at].wordsLeft += 1;
        }
        search.nodes[at].childLetters |= ENDS_WORD;
    }
}

// The words found, in dictionary order: each once, at its first slot.
void storeFound(std::vector<std::uint32_t>& found)
{
    std::sort(found.begin(), found.end());
    WordList& list = gameState.solutionList;
    forgetSlotsFrom(list, 0);
    for (std::uint32_t slot : found) {
        std::string_view word = wordAt(gameState.dictionary, static_cast<int>(slot));
        list.bytes.insert(list.bytes.end(), word.begin(), word.end());
        list.ends.push_back(static_cast<std::uint32_t>(list.bytes.size()));
    }
    gameState.solutionCount = static_cast<int>(found.size());
}

} // namespace

void solveBoard()
{
    if (!isDictionaryIndexCurrent()) {
        indexDictionary();
    }
    Search& search = boardSearch;
    search.found.clear();
    describeBoard(search.cells);
    search.nodes = gameState.dictionaryIndex.nodes.data();
    search.path[0] = 0;
    follow(search, 0, ALL_CELLS, 0);
    countBack(search);
    storeFound(search.found);
}
