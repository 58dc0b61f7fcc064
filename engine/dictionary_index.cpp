// The dictionary's index: a counting sort of the words by group, in two passes over the words.
#include "engine/dictionary_index.h"

#include <algorithm>

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

inline std::uint32_t sketchOf(const char* word, std::size_t length)
{
    std::uint32_t sketch = static_cast<std::uint32_t>(length);
    for (int letter = 0; letter < SKETCHED_LETTERS; ++letter) {
        std::size_t position = static_cast<std::size_t>(FIRST_SKETCHED_LETTER + letter);
        sketch |= codeAt(word, length, position) << ((letter + 1) * SKETCH_FIELD_BITS);
    }
    return sketch;
}

// Calls visit(group, begin, length) for each of the first `count` words that the index takes,
// in dictionary order: both passes of the sort walk the words alike.
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
            visit(static_cast<std::size_t>(group), begin, end - begin);
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
    forEachIndexedWord(words, count, [counts](std::size_t group, std::uint32_t, std::uint32_t) { ++counts[group]; });
    for (std::size_t key = 2; key < index.groupStarts.size(); ++key) {
        index.groupStarts[key] += index.groupStarts[key - 1];
    }
}

void placeWords(DictionaryIndex& index, const WordList& words, std::size_t count)
{
    index.entries.resize(index.groupStarts.back());
    std::uint32_t* nextEntry = index.groupStarts.data() + 1;
    IndexEntry* entries = index.entries.data();
    const char* bytes = words.bytes.data();
    forEachIndexedWord(words, count, [=](std::size_t group, std::uint32_t begin, std::uint32_t length) {
        entries[nextEntry[group]++] = IndexEntry{begin, sketchOf(bytes + begin, length)};
    });
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
    index.indexedCount = gameState.dictionaryCount;
    index.indexedRevision = words.revision;
}

bool isDictionaryIndexCurrent()
{
    const DictionaryIndex& index = gameState.dictionaryIndex;
    return !index.groupStarts.empty() && index.indexedCount == gameState.dictionaryCount &&
           index.indexedRevision == gameState.dictionary.revision;
}
