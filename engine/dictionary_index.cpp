// The dictionary's index: a counting sort of the slots by group at load, in two passes over the
// words, and each node of a group's tree laid out by a counting sort when a solve first enters it.
#include "engine/dictionary_index.h"

#include <algorithm>
#include <string_view>

#include "engine/game_state.h"

namespace {

const int NOT_INDEXED = -1;
static_assert(WORD_LIST_CAPACITY <= SLOT_MASK + 1, "an entry holds any slot");

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

// The slot and the sketched letters of an entry.
inline std::uint32_t entryOf(const char* word, std::size_t length, std::uint32_t slot)
{
    std::uint32_t entry = slot;
    for (int letter = 0; letter < SKETCHED_LETTERS; ++letter) {
        std::size_t position = static_cast<std::size_t>(KEY_LETTERS + letter);
        entry |= codeAt(word, length, position) << (SLOT_BITS + letter * CODE_BITS);
    }
    return entry;
}

// Calls visit(group, word, length, slot) for each of the first `count` words that the index takes, in
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
            visit(static_cast<std::size_t>(group), bytes + begin, end - begin, static_cast<std::uint32_t>(slot));
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
    forEachIndexedWord(words, count,
                       [counts](std::size_t group, const char*, std::size_t, std::uint32_t) { ++counts[group]; });
    for (std::size_t key = 2; key < index.groupStarts.size(); ++key) {
        index.groupStarts[key] += index.groupStarts[key - 1];
    }
}

void placeWords(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.groupEntries.resize(index.groupStarts.back());
    std::uint32_t* nextEntry = index.groupStarts.data() + 1;
    std::uint32_t* entries = index.groupEntries.data();
    forEachIndexedWord(words, count, [=](std::size_t group, const char* word, std::size_t length, std::uint32_t slot) {
        entries[nextEntry[group]++] = entryOf(word, length, slot);
    });
}

// The code of the entry's word's letter `depth` places after its group's key.
unsigned nextCode(std::uint32_t entry, std::size_t depth)
{
    if (depth < SKETCHED_LETTERS) {
        return entry >> (SLOT_BITS + depth * CODE_BITS) & ((1u << CODE_BITS) - 1);
    }
    std::string_view word = wordAt(gameState.dictionary, static_cast<int>(entry & SLOT_MASK));
    return codeAt(word.data(), word.size(), KEY_LETTERS + depth);
}

// Sorts `count` entries by the code of their next letter, keeping their order within each code,
// and leaves where each code's entries begin in starts[code].
void sortByNextCode(std::uint32_t* entries, std::uint32_t count, std::size_t depth, std::uint32_t* starts)
{
    std::uint32_t next[LETTER_CODES + 1] = {};
    for (std::uint32_t at = 0; at < count; ++at) {
        ++next[nextCode(entries[at], depth) + 1];
    }
    for (unsigned code = 1; code <= LETTER_CODES; ++code) {
        next[code] += next[code - 1];
    }
    std::copy(next, next + LETTER_CODES + 1, starts);
    std::vector<std::uint32_t>& sorting = gameState.dictionaryIndex.sorting;
    sorting.resize(std::max<std::size_t>(sorting.size(), count));
    for (std::uint32_t at = 0; at < count; ++at) {
        sorting[next[nextCode(entries[at], depth)]++] = entries[at];
    }
    std::copy(sorting.begin(), sorting.begin() + count, entries);
}

} // namespace

unsigned letterCode(char c)
{
    return LETTER_CODES_OF.of[static_cast<unsigned char>(c)];
}

void indexDictionary()
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    const WordList& words = gameState.dictionary;
    std::size_t count = static_cast<std::size_t>(std::max(0, gameState.dictionaryCount));
    count = std::min(count, words.ends.size());
    countGroups(index, words, count);
    placeWords(index, words, count);
    index.nodes.resize(GROUP_KEYS);
    index.nextLetters.assign(LETTER_KEY_BASE * LETTER_KEY_BASE, 0);
    for (std::uint32_t key = 0; key < GROUP_KEYS; ++key) {
        std::uint32_t first = index.groupStarts[key];
        index.nodes[key] = TreeNode{NOT_LAID_OUT, first, 0, index.groupStarts[key + 1] - first};
        if (index.nodes[key].wordsLeft != 0) {
            std::uint32_t prefix = key / LETTER_KEY_BASE;
            index.nextLetters[prefix - prefix % LETTER_KEY_BASE] |= 1u << prefix % LETTER_KEY_BASE;
            index.nextLetters[prefix] |= 1u << key % LETTER_KEY_BASE;
        }
    }
    index.sorting.clear();
    index.indexedCount = gameState.dictionaryCount;
    index.indexedRevision = words.revision;
}

bool isDictionaryIndexCurrent()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return !index.groupStarts.empty() && index.indexedCount == gameState.dictionaryCount &&
           index.indexedRevision == gameState.dictionary.revision;
}

std::uint32_t layOutNode(std::uint32_t node, std::size_t depth)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    std::uint32_t first = index.nodes[node].firstChild;
    std::uint32_t count = index.nodes[node].wordsLeft;
    std::uint32_t starts[LETTER_CODES + 1];
    sortByNextCode(index.groupEntries.data() + first, count, depth, starts);
    // Of the words that end here, the first in the dictionary stands for all.
    bool endsHere = starts[NO_LETTER + 1] > 0;
    std::uint32_t word = endsHere ? (index.groupEntries[first] & SLOT_MASK) + 1 : 0;
    std::uint32_t letters = 0;
    std::uint32_t firstChild = static_cast<std::uint32_t>(index.nodes.size());
    for (unsigned code = NO_LETTER + 1; code < NOT_A_LETTER; ++code) {
        if (starts[code + 1] > starts[code]) {
            letters |= 1u << code;
            index.nodes.push_back(TreeNode{NOT_LAID_OUT, first + starts[code], 0, starts[code + 1] - starts[code]});
        }
    }
    std::uint32_t words = (endsHere ? 1 : 0) + starts[NOT_A_LETTER] - starts[NO_LETTER + 1];
    index.nodes[node] = TreeNode{letters, firstChild, word, words};
    return count - words;
}
