// The dictionary's index: the root laid out at load, and each other node laid out by a counting
// sort when a solve first enters it.
#include "engine/dictionary_index.h"

#include <algorithm>

#include "engine/game_state.h"

namespace {

// The code of the letter at `position` of the entry's word, NO_LETTER past its end.
unsigned codeAt(std::uint32_t entry, std::size_t position)
{
    const WordList& words = gameState.dictionary;
    std::size_t at = (entry == 0 ? 0 : words.ends[entry - 1]) + position;
    return at < words.ends[entry] ? letterCode(words.bytes[at]) : NO_LETTER;
}

// Sorts `count` entries by the code of their letter at `depth`, keeping their order within each
// code, and leaves where each code's entries begin in starts[code].
void sortByNextCode(std::uint32_t* entries, std::uint32_t count, std::size_t depth, std::uint32_t* starts)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    index.codes.resize(std::max<std::size_t>(index.codes.size(), count));
    index.sorting.resize(std::max<std::size_t>(index.sorting.size(), count));
    std::uint32_t next[LETTER_CODES + 1] = {};
    for (std::uint32_t at = 0; at < count; ++at) {
        index.codes[at] = static_cast<std::uint8_t>(codeAt(entries[at], depth));
        ++next[index.codes[at] + 1];
    }
    for (unsigned code = 1; code <= LETTER_CODES; ++code) {
        next[code] += next[code - 1];
    }
    std::copy(next, next + LETTER_CODES + 1, starts);
    for (std::uint32_t at = 0; at < count; ++at) {
        index.sorting[next[index.codes[at]]++] = entries[at];
    }
    std::copy(index.sorting.begin(), index.sorting.begin() + count, entries);
}

// Lays out `node`, whose entries from `first` on are sorted by their next letter and begin at
// starts[code] for each code: gives it a child for each letter. Returns its words.
std::uint32_t makeChildren(std::uint32_t node, std::uint32_t first, const std::uint32_t* starts)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    // Of the words that end here, the first in the dictionary stands for all.
    std::uint32_t letters = starts[NO_LETTER + 1] > 0 ? ENDS_WORD : 0;
    std::uint32_t firstChild = static_cast<std::uint32_t>(index.nodes.size());
    for (unsigned code = NO_LETTER + 1; code < NOT_A_LETTER; ++code) {
        if (starts[code + 1] > starts[code]) {
            letters |= 1u << code;
            index.nodes.push_back(TreeNode{0, 0, first + starts[code], starts[code + 1] - starts[code]});
        }
    }
    std::uint32_t words = (letters & ENDS_WORD) + starts[NOT_A_LETTER] - starts[NO_LETTER + 1];
    index.nodes[node] = TreeNode{letters, firstChild, first, words};
    return words;
}

// Calls visit(slot, code) for each word of one to sixteen bytes, `code` being its first letter's.
template <typename Visit>
void forEachEntry(Visit visit)
{
    const WordList& words = gameState.dictionary;
    int count = std::min(gameState.dictionaryCount, static_cast<int>(words.ends.size()));
    std::uint32_t begin = 0;
    for (int slot = 0; slot < count; ++slot) {
        std::uint32_t end = words.ends[static_cast<std::size_t>(slot)];
        if (end - begin - 1 < static_cast<std::uint32_t>(TILE_COUNT)) {
            visit(static_cast<std::uint32_t>(slot), letterCode(words.bytes[begin]));
        }
        begin = end;
    }
}

} // namespace

void indexDictionary()
{
    // The root is laid out at once, its entries sorted by first letter straight from the
    // dictionary in two passes: no room is needed for a second copy of them.
    DictionaryIndex& index = gameState.dictionaryIndex;
    std::uint32_t next[LETTER_CODES + 1] = {};
    forEachEntry([&next](std::uint32_t, unsigned code) { ++next[code + 1]; });
    for (unsigned code = 1; code <= LETTER_CODES; ++code) {
        next[code] += next[code - 1];
    }
    std::uint32_t starts[LETTER_CODES + 1];
    std::copy(next, next + LETTER_CODES + 1, starts);
    index.entries.resize(next[LETTER_CODES]);
    std::uint32_t* entries = index.entries.data();
    forEachEntry([&next, entries](std::uint32_t slot, unsigned code) { entries[next[code]++] = slot; });
    index.nodes.assign(1, TreeNode{});
    makeChildren(0, 0, starts);
    index.indexedCount = gameState.dictionaryCount;
    index.indexedRevision = gameState.dictionary.revision;
}

bool isDictionaryIndexCurrent()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return !index.nodes.empty() && index.indexedCount == gameState.dictionaryCount &&
           index.indexedRevision == gameState.dictionary.revision;
}

std::uint32_t layOutNode(std::uint32_t node, std::size_t depth)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    std::uint32_t first = index.nodes[node].firstEntry;
    std::uint32_t count = index.nodes[node].wordsLeft;
    std::uint32_t starts[LETTER_CODES + 1];
    sortByNextCode(index.entries.data() + first, count, depth, starts);
    return count - makeChildren(node, first, starts);
}
