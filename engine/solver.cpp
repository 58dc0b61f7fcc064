// The solver: the dictionary's tree followed over the board's paths from the root, no further
// than words not yet found.
#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/board_cells.h"
#include "engine/game_state.h"

namespace {

// A node whose wordsLeft the solve lowered by `words`, and whose childLetters lost `letters`
// (ENDS_WORD when its own word was found, else 0): put back when the solve ends.
struct LoweredNode {
    std::uint32_t node;
    std::uint32_t words;
    std::uint32_t letters;
};

struct Search {
    BoardCells cells;
    // The index's nodes, taken again after each layout, which may move them.
    TreeNode* nodes;
    // The nodes the search is in, from the root.
    std::uint32_t path[TILE_COUNT + 1];
    // The slots of the words found.
    std::vector<std::uint32_t> found;
    // Every node the search lowered, to be put back when it ends.
    std::vector<LoweredNode> loweredNodes;
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

// The child of `node` for the letter whose code's bit is `letterBit`, which must be one of its
// letters: its children lie in the codes' order, so the letters below it count the children before.
inline std::uint32_t childOf(const TreeNode& node, std::uint32_t letterBit)
{
    return node.firstChild + countBits(node.childLetters & (letterBit - 1) & ~ENDS_WORD);
}

// Lays out the node at `depth` of the path; the entries it drops are dropped from the nodes above it too.
void layOut(Search& search, int depth)
{
    std::uint32_t dropped = layOutNode(search.path[depth], static_cast<std::size_t>(depth));
    search.nodes = gameState.dictionaryIndex.nodes.data();
    for (int above = 0; above < depth; ++above) {
        search.nodes[search.path[above]].wordsLeft -= dropped;
    }
}

// Takes the word that ends at node `at`, if this solve has not found it; returns 1 if it did.
std::uint32_t takeWord(Search& search, std::uint32_t at)
{
    TreeNode& node = search.nodes[at];
    if ((node.childLetters & ENDS_WORD) == 0) {
        return 0;
    }
    node.childLetters &= ~ENDS_WORD;
    node.wordsLeft -= 1;
    search.found.push_back(gameState.dictionaryIndex.entries[node.firstEntry]);
    return 1;
}

// Follows the tree from the node at `depth` of the path, whose letters the path through `used`
// spells, into the cells `next` (every unused neighbour of the path's last cell); returns how
// many words it found that no other path had. A node whose words are all found is not entered.
std::uint32_t follow(Search& search, int depth, CellSet next, CellSet used)
{
    std::uint32_t at = search.path[depth];
    if (search.nodes[at].firstChild == 0) {
        layOut(search, depth);
    }
    std::uint32_t own = takeWord(search, at);
    std::uint32_t found = own;
    // Below here only the node's wordsLeft changes: a copy of its letters and children serves.
    const TreeNode node = search.nodes[at];
    for (; next != 0 && search.nodes[at].wordsLeft != 0; next &= next - 1) {
        int cell = lowestCell(next);
        std::uint32_t letterBit = 1u << search.cells.codeOf[cell];
        if ((node.childLetters & letterBit) == 0) {
            continue;
        }
        std::uint32_t child = childOf(node, letterBit);
        if (search.nodes[child].wordsLeft != 0) {
            search.path[depth + 1] = child;
            CellSet nowUsed = used | cellBit(cell);
            std::uint32_t below = follow(search, depth + 1, NEIGHBOURS.of[cell] & ~nowUsed, nowUsed);
            search.nodes[at].wordsLeft -= below;
            found += below;
        }
    }
    if (found != 0) {
        // own is 0 or 1, so own * ENDS_WORD is the bit that takeWord cleared, or none.
        search.loweredNodes.push_back(LoweredNode{at, found, own * ENDS_WORD});
    }
    return found;
}

// Leaves the tree's counts as they were before the solve: the next solve needs them whole.
void restoreLoweredCounts(Search& search)
{
    for (const LoweredNode& lowered : search.loweredNodes) {
        search.nodes[lowered.node].wordsLeft += lowered.words;
        search.nodes[lowered.node].childLetters |= lowered.letters;
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
    search.loweredNodes.clear();
    describeBoard(search.cells);
    search.nodes = gameState.dictionaryIndex.nodes.data();
    search.path[0] = 0;
    follow(search, 0, ALL_CELLS, 0);
    restoreLoweredCounts(search);
    storeFound(search.found);
}
