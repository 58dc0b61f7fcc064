// The dictionary's index: a counting sort of the slots by first letter at load, in two passes over
// the words; a counting sort of a letter's words by group when a solve first meets the letter;
// and each node of a group's tree laid out by a counting sort when a solve first enters it.
#include "engine/dictionary_index.h"

#include <algorithm>
#include <string_view>

#include "engine/game_state.h"

namespace {

static_assert(WORD_LIST_CAPACITY <= SLOT_MASK + 1, "an entry holds any slot");

// The code of the letter at `position`, NO_LETTER past the end of the word (which must not be
// empty); no byte past its end is read, and no branch is taken on its length.
inline unsigned codeAt(const char* word, std::size_t length, std::size_t position)
{
    bool inside = position < length;
    return letterCode(word[inside ? position : 0]) & (0u - static_cast<unsigned>(inside));
}

// The code of the first letter of a word that the index takes (one to sixteen bytes, the first
// a letter), or NOT_A_LETTER.
inline unsigned firstCodeOf(const char* word, std::uint32_t length)
{
    return length - 1 < static_cast<std::uint32_t>(TILE_COUNT) ? letterCode(word[0]) : NOT_A_LETTER;
}

// Calls visit(code, slot, begin, length) for each of the first `count` words that the index
// takes, in dictionary order: both passes of the sort walk the words alike.
template <typename Visit>
void forEachIndexedWord(const WordList& words, std::size_t count, Visit visit)
{
    const char* bytes = words.bytes.data();
    const std::uint32_t* ends = words.ends.data();
    std::uint32_t begin = 0;
    for (std::size_t slot = 0; slot < count; ++slot) {
        std::uint32_t end = ends[slot];
        unsigned code = firstCodeOf(bytes + begin, end - begin);
        if (code != NOT_A_LETTER) {
            visit(code, static_cast<std::uint32_t>(slot), begin, end - begin);
        }
        begin = end;
    }
}

// Counts letter c's words into letterStarts[c + 2], then sums the counts up, so that
// letterStarts[c + 1] is where letter c begins; placing the words moves it to where c ends.
void countLetters(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.letterStarts.assign(LETTER_CODES + 2, 0);
    std::uint32_t* counts = index.letterStarts.data() + 2;
    forEachIndexedWord(words, count,
                       [counts](unsigned code, std::uint32_t, std::uint32_t, std::uint32_t) { ++counts[code]; });
    for (std::size_t code = 2; code < index.letterStarts.size(); ++code) {
        index.letterStarts[code] += index.letterStarts[code - 1];
    }
}

// The second and third letters' codes of the word as a number in base 27, or PREFIX_KEYS when
// either is a byte other than A to Z.
inline std::uint32_t restOfKey(const char* word, std::uint32_t length)
{
    unsigned second = codeAt(word, length, 1);
    unsigned third = codeAt(word, length, 2);
    bool letters = (second != NOT_A_LETTER) & (third != NOT_A_LETTER);
    return letters ? second * LETTER_KEY_BASE + third : PREFIX_KEYS;
}

void placeWords(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.groupEntries.resize(index.letterStarts.back());
    std::uint32_t* nextEntry = index.letterStarts.data() + 1;
    std::uint32_t* entries = index.groupEntries.data();
    const char* bytes = words.bytes.data();
    forEachIndexedWord(words, count, [=](unsigned code, std::uint32_t slot, std::uint32_t begin, std::uint32_t length) {
        entries[nextEntry[code]++] = slot | restOfKey(bytes + begin, length) << SLOT_BITS;
    });
}

// Makes the roots of first letter `code`'s groups, which begin at starts[k] and end at
// starts[k + 1] in groupEntries from `first` on, k being their keys' last two digits.
void makeRoots(DictionaryIndex& index, unsigned code, std::uint32_t first, const std::uint32_t* starts)
{
    for (std::uint32_t rest = 0; rest < PREFIX_KEYS; ++rest) {
        std::uint32_t key = code * PREFIX_KEYS + rest;
        index.nodes[key] = TreeNode{NOT_LAID_OUT, first + starts[rest], 0, starts[rest + 1] - starts[rest]};
        if (index.nodes[key].wordsLeft != 0) {
            std::uint32_t prefix = key / LETTER_KEY_BASE;
            index.nextLetters[prefix - prefix % LETTER_KEY_BASE] |= 1u << prefix % LETTER_KEY_BASE;
            index.nextLetters[prefix] |= 1u << key % LETTER_KEY_BASE;
        }
    }
}

// The code of the entry's word's letter `depth` places after its group's key.
unsigned nextCode(std::uint32_t entry, std::size_t depth)
{
    std::string_view word = wordAt(gameState.dictionary, static_cast<int>(entry));
    return codeAt(word.data(), word.size(), KEY_LETTERS + depth);
}

// Sorts `count` entries by the code of their next letter, keeping their order within each code,
// and leaves where each code's entries begin in starts[code].
void sortByNextCode(std::uint32_t* entries, std::uint32_t count, std::size_t depth, std::uint32_t* starts)
{
    // Each entry keeps its code above its slot meanwhile, so that each word is read once.
    std::uint32_t next[LETTER_CODES + 1] = {};
    for (std::uint32_t at = 0; at < count; ++at) {
        unsigned code = nextCode(entries[at], depth);
        entries[at] |= code << SLOT_BITS;
        ++next[code + 1];
    }
    for (unsigned code = 1; code <= LETTER_CODES; ++code) {
        next[code] += next[code - 1];
    }
    std::copy(next, next + LETTER_CODES + 1, starts);
    std::vector<std::uint32_t>& sorting = gameState.dictionaryIndex.sorting;
    sorting.resize(std::max<std::size_t>(sorting.size(), count));
    for (std::uint32_t at = 0; at < count; ++at) {
        sorting[next[entries[at] >> SLOT_BITS]++] = entries[at] & SLOT_MASK;
    }
    std::copy(sorting.begin(), sorting.begin() + count, entries);
}

} // namespace

void indexDictionary()
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    const WordList& words = gameState.dictionary;
    std::size_t count = static_cast<std::size_t>(std::max(0, gameState.dictionaryCount));
    count = std::min(count, words.ends.size());
    countLetters(index, words, count);
    placeWords(index, words, count);
    index.orderedLetters = 0;
    index.nodes.assign(GROUP_KEYS, TreeNode{});
    index.nextLetters.assign(PREFIX_KEYS, 0);
    index.sorting.clear();
    index.indexedCount = gameState.dictionaryCount;
    index.indexedRevision = words.revision;
}

bool isDictionaryIndexCurrent()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return !index.letterStarts.empty() && index.indexedCount == gameState.dictionaryCount &&
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
    std::uint32_t word = endsHere ? index.groupEntries[first] + 1 : 0;
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

void orderLetter(unsigned code)
{
    DictionaryIndex& index = gameState.dictionaryIndex;
    std::uint32_t first = index.letterStarts[code];
    std::uint32_t count = index.letterStarts[code + 1] - first;
    std::uint32_t* entries = index.groupEntries.data() + first;
    // starts[k + 1] counts group k, then is moved on as its entries are placed; the words that
    // no group takes go last, under PREFIX_KEYS.
    std::vector<std::uint32_t> starts(PREFIX_KEYS + 3, 0);
    for (std::uint32_t at = 0; at < count; ++at) {
        ++starts[(entries[at] >> SLOT_BITS) + 2];
    }
    for (std::size_t rest = 2; rest < starts.size(); ++rest) {
        starts[rest] += starts[rest - 1];
    }
    index.sorting.resize(std::max<std::size_t>(index.sorting.size(), count));
    for (std::uint32_t at = 0; at < count; ++at) {
        index.sorting[starts[(entries[at] >> SLOT_BITS) + 1]++] = entries[at] & SLOT_MASK;
    }
    std::copy(index.sorting.begin(), index.sorting.begin() + count, entries);
    makeRoots(index, code, first, starts.data());
    index.orderedLetters |= 1u << code;
}
