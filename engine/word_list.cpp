// Fixed-capacity word lists: storing with the capacity respected, and linear lookup.
#include "engine/word_list.h"

#include <cstddef>

bool storeWord(WordList& list, int& count, std::string word)
{
    if (count < 0 || count >= WORD_LIST_CAPACITY) {
        return false;
    }
    if (list.slots.capacity() == 0) {
        list.slots.reserve(WORD_LIST_CAPACITY);
    }
    std::size_t slot = static_cast<std::size_t>(count);
    if (slot < list.slots.size()) {
        list.slots[slot] = std::move(word);
    } else {
        list.slots.push_back(std::move(word));
    }
    ++count;
    return true;
}

int findWord(const WordList& list, int count, const std::string& word)
{
    for (int slot = 0; slot < count; ++slot) {
        if (list.slots[static_cast<std::size_t>(slot)] == word) {
            return slot;
        }
    }
    return -1;
}

const std::string& wordAt(const WordList& list, int slot)
{
    return list.slots[static_cast<std::size_t>(slot)];
}
