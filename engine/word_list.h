// Fixed-capacity word lists: the dictionary, the board's solutions and the words handed in.
#pragma once

#include <string>
#include <vector>

constexpr int WORD_LIST_CAPACITY = 999999;

// Slots are used from 0 up; the number in use is kept beside the list by its owner.
// Slots beyond that count may hold words of an earlier use and are never looked at.
// Storage is reserved once for the whole capacity on the first store, and a slot is
// constructed only when it is first written, so unused slots cost no resident memory.
struct WordList {
    std::vector<std::string> slots;
};

// Writes `word` into slot `count` and counts it; refuses (returns false) when the list is full.
bool storeWord(WordList& list, int& count, std::string word);

// The slot of the first word equal to `word` among the first `count` slots, or -1.
int findWord(const WordList& list, int count, const std::string& word);

const std::string& wordAt(const WordList& list, int slot);
