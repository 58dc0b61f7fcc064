// The dictionary's index: a counting sort of the slots by group at load, in two passes over the
// words, and a group's tree laid out from its sorted words when a board first reaches it.
#include "engine/dictionary_index.h"

#include <algorithm>
#include <string_view>

#include "engine/game_state.h"

namespace {

const int NOT_INDEXED = -1;

// Each byte's letter code, looked up rather than worked out: the index reads millions of bytes.
struct LetterCodeTable {
    std::uint8_t of[256];
};

constexpr LetterCodeTable makeLetterCodeTable()
{
    LetterCodeTable table = {};
    for (int byte = 0; byte < 256; ++byte) {
        table.of[byte] = byte >= 'A' && byte <= 'Z' ? static_cast<std::uint8_t>(byte - 'A' + 1) : static_cast<std::uint8_t>(NOT_A_LETTER);
    }
    return table;
}

constexpr LetterCodeTable LETTER_CODES_OF = makeLetterCodeTable();

// The code of the letter at `position`, NO_LETTER past the end of the word (which must not be
// empty); no byte past its end is read, and no branch is taken on its length.
inline unsigned codeAt(const char* word, std::size_t length, std::size_t position)
{
    bool inside = position < length;
    return LETTER_CODES_OF.of[static_cast<unsigned char>(word[inside ? position : 0])] &
           (0u - static_cast<unsigned>(inside));
}

// The key of the word's group, or NOT_INDEXED for a word that no board can hold.
inline int groupOf(const char* word, std::size_t length)
{
    if (length == 0 || length > static_cast<std::size_t>(TILE_COUNT)) {
        return NOT_INDEXED;
    }
    unsigned first = LETTER_CODES_OF.of[static_cast<unsigned char>(word[0])];
    unsigned second = codeAt(word, length, 1);
    unsigned third = codeAt(word, length, 2);
    bool letters = (first != NOT_A_LETTER) & (second != NOT_A_LETTER) & (third != NOT_A_LETTER);
    return letters ? groupKey(first, second, third) : NOT_INDEXED;
}

// Calls visit(group, slot) for each of the first `count` words that the index takes, in
// dictionary order: both passes of the sort walk the words alike.
template <typename Visit>
void forEachIndexedWord(const WordList& words, std::size_t count, Visit visit)
{
    const char* bytes = words.bytes.data();
    const std::uint32_t* ends = words.ends.data();
    std::uint32_t begin = 0;
    for (std::size_t slot = 0; slot < count; ++slot) {
        std::uint32_t end = ends[slot];
        int group = groupOf(bytes + begin, end - begin);
        if (group != NOT_INDEXED) {
            visit(static_cast<std::size_t>(group), static_cast<std::uint32_t>(slot));
        }
        begin = end;
    }
}

// Counts group k's words into groupStarts[k + 2], then sums the counts up, so that
// groupStarts[k + 1] is where group k begins; placing the words moves it to where group k ends.
void countGroups(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.groupStarts.assign(GROUP_KEYS + 2, 0);
    std::uint32_t* counts = index.groupStarts.data() + 2;
    forEachIndexedWord(words, count, [counts](std::size_t group, std::uint32_t) { ++counts[group]; });
    for (std::size_t key = 2; key < index.groupStarts.size(); ++key) {
        index.groupStarts[key] += index.groupStarts[key - 1];
    }
}

void placeWords(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.groupSlots.resize(index.groupStarts.back());
    std::uint32_t* nextSlot = index.groupStarts.data() + 1;
    std::uint32_t* slots = index.groupSlots.data();
    forEachIndexedWord(words, count, [=](std::size_t group, std::uint32_t slot) { slots[nextSlot[group]++] = slot; });
}

// The word in `slot` after its group's key letters.
std::string_view restOf(std::uint32_t slot)
{
    std::string_view word = wordAt(gameState.dictionary, static_cast<int>(slot));
    return word.size() > KEY_LETTERS ? word.substr(KEY_LETTERS) : std::string_view();
}

// Lays out `node` for the sorted slots first to last - 1, whose words share their first `depth`
// letters after the key; returns how many words it holds. Of equal words, the first in the
// dictionary stands for all; a word with a byte other than A to Z goes no further than that byte.
std::uint32_t fillNode(DictionaryIndex& index, std::uint32_t node, std::size_t first, std::size_t last,
                       std::size_t depth)
{
    const std::uint32_t* slots = index.groupSlots.data();
    std::uint32_t words = 0;
    if (first < last && restOf(slots[first]).size() == depth) {
        index.nodes[node].word = slots[first] + 1;
        words = 1;
    }
    while (first < last && restOf(slots[first]).size() == depth) {
        ++first;
    }
    std::size_t runFirst[LETTER_KEY_BASE];
    std::size_t runLast[LETTER_KEY_BASE];
    std::uint32_t runs = 0;
    std::uint32_t letters = 0;
    for (std::size_t at = first, end = first; at < last; at = end) {
        char byte = restOf(slots[at])[depth];
        for (end = at + 1; end < last && restOf(slots[end])[depth] == byte; ++end) {
        }
        unsigned code = LETTER_CODES_OF.of[static_cast<unsigned char>(byte)];
        if (code != NOT_A_LETTER) {
            letters |= 1u << code;
            runFirst[runs] = at;
            runLast[runs++] = end;
        }
    }
    std::uint32_t child = static_cast<std::uint32_t>(index.nodes.size());
    index.nodes[node].childLetters = letters;
    index.nodes[node].firstChild = child;
    index.nodes.resize(child + runs, TreeNode{});
    for (std::uint32_t run = 0; run < runs; ++run) {
        words += fillNode(index, child + run, runFirst[run], runLast[run], depth + 1);
    }
    index.nodes[node].wordsLeft = words;
    return words;
}

} // namespace

unsigned letterCode(char c)
{
    return LETTER_CODES_OF.of[static_cast<unsigned char>(c)];
}

int groupKey(unsigned firstCode, unsigned secondCode, unsigned thirdCode)
{
    return static_cast<int>((firstCode * LETTER_KEY_BASE + secondCode) * LETTER_KEY_BASE + thirdCode);
}

void indexDictionary()
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    const WordList& words = gameState.dictionary;
    std::size_t count = static_cast<std::size_t>(std::max(0, gameState.dictionaryCount));
    count = std::min(count, words.ends.size());
    countGroups(index, words, count);
    placeWords(index, words, count);
    index.groupRoots.assign(GROUP_KEYS, NOT_BUILT);
    index.nodes.clear();
    index.indexedCount = gameState.dictionaryCount;
    index.indexedRevision = words.revision;
}

bool isDictionaryIndexCurrent()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return !index.groupStarts.empty() && index.indexedCount == gameState.dictionaryCount &&
           index.indexedRevision == gameState.dictionary.revision;
}

std::uint32_t groupTree(int key)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    std::size_t group = static_cast<std::size_t>(key);
    std::uint32_t first = index.groupStarts[group];
    std::uint32_t last = index.groupStarts[group + 1];
    if (index.groupRoots[group] == NOT_BUILT && first == last) {
        index.groupRoots[group] = NO_TREE;
    }
    if (index.groupRoots[group] == NOT_BUILT) {
        std::uint32_t* slots = index.groupSlots.data();
        std::sort(slots + first, slots + last, [](std::uint32_t one, std::uint32_t other) {
            std::string_view oneRest = restOf(one);
            std::string_view otherRest = restOf(other);
            return oneRest < otherRest || (oneRest == otherRest && one < other);
        });
        index.groupRoots[group] = static_cast<std::uint32_t>(index.nodes.size());
        index.nodes.push_back(TreeNode{});
        fillNode(index, index.groupRoots[group], first, last, 0);
    }
    return index.groupRoots[group];
}
