// Fixed-capacity word lists: the dictionary, the board's solutions and the words handed in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

constexpr int WORD_LIST_CAPACITY = 999999;

// The words of the used slots lie back to back in `bytes`, slot 0 first: slot i ends at ends[i]
// and begins where slot i - 1 ends. A word costs its letters and four bytes, where a string
// object would cost 32 bytes and often a heap block of its own, so the 999,999 words of a 9 MB
// list take about 12 MB. `ends` is reserved once for the whole capacity on the first store and
// filled as words arrive, so slots never used cost no resident memory.
//
// The number of slots in use is kept beside the list by its owner. Storing into slot n forgets
// the slots after it: nothing looks at slots beyond the count.
struct WordList {
    std::vector<char> bytes;
    std::vector<std::uint32_t> ends;
    // Counts the changes to the list, so that an index built from it can tell it is out of date.
    std::uint32_t revision = 0;
    // findWord's hash table of the slots 0 to lookupCount - 1: in each used place, one plus the
    // first slot holding a word; 0 in free places. findWord extends it as the list grows.
    std::vector<std::uint32_t> lookup;
    int lookupCount = 0;
};

// Writes `word` into slot `count` and counts it; refuses (returns false) when the list is full:
// 999,999 words, or 4 GiB of letters.
bool storeWord(WordList& list, int& count, std::string_view word);

// The slot of the first word equal to `word` among the first `count` slots, or -1.
// Takes the list to extend its hash table to the slots stored since the last lookup.
int findWord(WordList& list, int count, std::string_view word);

// The word in `slot`, valid until the list is next changed; empty beyond the stored slots.
std::string_view wordAt(const WordList& list, int slot);

// Where the word in `slot` would begin: the end of the slot before it.
std::size_t bytesBefore(const WordList& list, int slot);

// Forgets every slot from `slot` on, so that words can be appended there.
void forgetSlotsFrom(WordList& list, int slot);
