// The dictionary's index: its words grouped by their first three letters, built once at load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Letter codes: 1 to 26 for A to Z, NOT_A_LETTER for any other byte, NO_LETTER past a word's end.
constexpr unsigned NO_LETTER = 0;
constexpr unsigned NOT_A_LETTER = 27;
constexpr unsigned LETTER_CODES = 28;

// A group's key: the codes of its words' first three letters as the digits of a number in base
// 27, NO_LETTER standing in for the letters of a word shorter than three. Words that no board of
// sixteen letter tiles can hold (empty, longer than sixteen, a byte other than A to Z among the
// first three) are left out; any other byte further on is caught by the sketch or by tracing.
constexpr int LETTER_KEY_BASE = 27;
constexpr int GROUP_KEYS = LETTER_KEY_BASE * LETTER_KEY_BASE * LETTER_KEY_BASE;

// A sketch of an indexed word, enough to rule most words out without reading them: its length in
// the lowest five bits, then the codes of its fourth to seventh letters, five bits each.
constexpr int SKETCH_FIELD_BITS = 5;
constexpr std::uint32_t SKETCH_FIELD_MASK = (1u << SKETCH_FIELD_BITS) - 1;
constexpr std::uint32_t LETTER_PAIRS = 1u << (2 * SKETCH_FIELD_BITS);
constexpr std::uint32_t LETTER_PAIR_MASK = LETTER_PAIRS - 1;
constexpr int FIRST_SKETCHED_LETTER = 3;
constexpr int SKETCHED_LETTERS = 4;

// One indexed word: where it begins in dictionary.bytes, and its sketch.
struct IndexEntry {
    std::uint32_t begin;
    std::uint32_t sketch;
};

struct DictionaryIndex {
    // The entries of group k are groupStarts[k] to groupStarts[k + 1] - 1, in dictionary order.
    std::vector<std::uint32_t> groupStarts;
    std::vector<IndexEntry> entries;
    // The dictionary the index was built from.
    int indexedCount = 0;
    std::uint32_t indexedRevision = 0;
};

unsigned letterCode(char c);

int groupKey(unsigned firstCode, unsigned secondCode, unsigned thirdCode);

inline unsigned sketchLength(std::uint32_t sketch)
{
    return sketch & SKETCH_FIELD_MASK;
}

// The code of the word's letter at `position`, from FIRST_SKETCHED_LETTER on.
inline unsigned sketchLetter(std::uint32_t sketch, int position)
{
    return sketch >> ((position - FIRST_SKETCHED_LETTER + 1) * SKETCH_FIELD_BITS) & SKETCH_FIELD_MASK;
}

// The codes of the word's letters at `position` and the one after it, side by side: the first
// in the low bits.
inline unsigned sketchLetterPair(std::uint32_t sketch, int position)
{
    return sketch >> ((position - FIRST_SKETCHED_LETTER + 1) * SKETCH_FIELD_BITS) & LETTER_PAIR_MASK;
}

// Rebuilds gameState.dictionaryIndex from the dictionary's used slots.
void indexDictionary();

// Whether the index was built from the dictionary as it is now.
bool isDictionaryIndexCurrent();
