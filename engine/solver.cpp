// The solver: the board's paths of up to three tiles pick the dictionary's groups, and each
// group's tree is followed over the board from there, no further than words not yet found.
#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/board_cells.h"
#include "engine/game_state.h"

namespace {

// A node and how many of its words a solve found, to be counted back when it ends.
struct Finding {
    std::uint32_t node;
    std::uint32_t words;
};

struct Search {
    BoardCells cells;
    TreeNode* nodes;
    // The nodes the search is in, from its group's root.
    std::uint32_t path[TILE_COUNT];
    // The slots of the words found.
    std::vector<std::uint32_t> found;
    std::vector<Finding> findings;
};

// Kept from solve to solve for the room its lists have taken.
Search boardSearch;

// The number of bits set, worked out in place: the builtin calls a library function unless
// the build may assume a processor with an instruction for it.
inline std::uint32_t countBits(std::uint32_t bits)
{
    bits -= bits >> 1 & 0x55555555u;
    bits = (bits & 0x33333333u) + (bits >> 2 & 0x33333333u);
    return ((bits + (bits >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24;
}

// Lays out the node at `depth` of the search's path; the entries it drops are dropped from the
// nodes above it too.
void layOut(Search& search, int depth)
{
    std::uint32_t dropped = layOutNode(search.path[depth], static_cast<std::size_t>(depth));
    search.nodes = gameState.dictionaryIndex.nodes.data();
    for (int above = 0; above < depth; ++above) {
        search.nodes[search.path[above]].wordsLeft -= dropped;
    }
}

// Takes the word of node `at`, unless this solve has; returns 1 if it did.
inline std::uint32_t takeWord(Search& search, std::uint32_t at)
{
    TreeNode& node = search.nodes[at];
    if (node.word == 0 || (node.childLetters & WORD_FOUND) != 0) {
        return 0;
    }
    node.childLetters |= WORD_FOUND;
    node.wordsLeft -= 1;
    search.found.push_back(node.word - 1);
    return 1;
}

std::uint32_t follow(Search& search, int depth, int cell, CellSet used);

// Enters `child`, the next node down the path, on `cell`; returns the words it found.
std::uint32_t enter(Search& search, int depth, std::uint32_t child, int cell, CellSet used)
{
    // A leaf laid out needs no search around its tile: its word is all it holds.
    if (search.nodes[child].childLetters == 0) {
        std::uint32_t taken = takeWord(search, child);
        search.findings.push_back(Finding{child, taken});
        return taken;
    }
    search.path[depth + 1] = child;
    return follow(search, depth + 1, cell, used | cellBit(cell));
}

// Follows the tree from the node at `depth` of the path, whose letters the path through `used`
// to `cell` spells; returns how many words it found that no other path had found. A node whose
// words are all found is not entered: on boards that repeat a few letters, many paths spell the
// same letters.
std::uint32_t follow(Search& search, int depth, int cell, CellSet used)
{
    std::uint32_t at = search.path[depth];
    if ((search.nodes[at].childLetters & NOT_LAID_OUT) != 0) {
        layOut(search, depth);
    }
    std::uint32_t found = takeWord(search, at);
    for (CellSet next = NEIGHBOURS.of[cell] & ~used; next != 0 && search.nodes[at].wordsLeft != 0; next &= next - 1) {
        const TreeNode& node = search.nodes[at];
        int nextCell = lowestCell(next);
        std::uint32_t letter = 1u << search.cells.codeOf[nextCell];
        std::uint32_t child = node.firstChild + countBits(node.childLetters & (letter - 1));
        if ((node.childLetters & letter) != 0 && search.nodes[child].wordsLeft != 0) {
            std::uint32_t below = enter(search, depth, child, nextCell, used);
            search.nodes[at].wordsLeft -= below;
            found += below;
        }
    }
    if (found != 0) {
        search.findings.push_back(Finding{at, found});
    }
    return found;
}

// Leaves every tree as it was before the solve.
void countBack(Search& search)
{
    for (const Finding& finding : search.findings) {
        search.nodes[finding.node].wordsLeft += finding.words;
        search.nodes[finding.node].childLetters &= ~WORD_FOUND;
    }
}

// Follows the tree of group `key` from its root, if it has words left.
void followGroup(Search& search, int key, int cell, CellSet used)
{
    if (search.nodes[key].wordsLeft != 0) {
        search.path[0] = static_cast<std::uint32_t>(key);
        follow(search, 0, cell, used);
    }
}

// Follows the groups that the paths of up to three tiles from `first` spell, as far as some
// word begins with their letters.
void followPaths(Search& search, int first)
{
    if ((gameState.dictionaryIndex.orderedLetters >> search.cells.codeOf[first] & 1u) == 0) {
        orderLetter(search.cells.codeOf[first]);
    }
    const std::uint32_t* nextLetters = gameState.dictionaryIndex.nextLetters.data();
    const unsigned* codeOf = search.cells.codeOf;
    unsigned firstPrefix = codeOf[first] * LETTER_KEY_BASE;
    if ((nextLetters[firstPrefix] & 1u << NO_LETTER) != 0) {
        followGroup(search, groupKey(codeOf[first], NO_LETTER, NO_LETTER), first, cellBit(first));
    }
    for (CellSet seconds = NEIGHBOURS.of[first]; seconds != 0; seconds &= seconds - 1) {
        int second = lowestCell(seconds);
        unsigned prefix = firstPrefix + codeOf[second];
        if ((nextLetters[firstPrefix] >> codeOf[second] & 1u) == 0) {
            continue;
        }
        CellSet used = cellBit(first) | cellBit(second);
        if ((nextLetters[prefix] & 1u << NO_LETTER) != 0) {
            followGroup(search, groupKey(codeOf[first], codeOf[second], NO_LETTER), second, used);
        }
        for (CellSet thirds = NEIGHBOURS.of[second] & ~used; thirds != 0; thirds &= thirds - 1) {
            int third = lowestCell(thirds);
            if ((nextLetters[prefix] >> codeOf[third] & 1u) != 0) {
                int key = groupKey(codeOf[first], codeOf[second], codeOf[third]);
                followGroup(search, key, third, used | cellBit(third));
            }
        }
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

// The words the trees found, in dictionary order: each once, at its first slot.
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

// The traced words in dictionary order; a word the dictionary lists twice is stored at its first slot.
void storeTraced(const std::vector<std::uint32_t>& traced)
{
    gameState.solutionCount = 0;
    for (std::uint32_t slot : traced) {
        std::string_view solution = wordAt(gameState.dictionary, static_cast<int>(slot));
        if (findWord(gameState.solutionList, gameState.solutionCount, solution) < 0) {
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
    Search& search = boardSearch;
    search.found.clear();
    search.findings.clear();
    describeBoard(search.cells);
    search.nodes = gameState.dictionaryIndex.nodes.data();
    if (search.cells.allLetters) {
        for (int cell = 0; cell < TILE_COUNT; ++cell) {
            followPaths(search, cell);
        }
        countBack(search);
        storeFound(search.found);
    } else {
        traceAll(search);
        storeTraced(search.found);
    }
}
