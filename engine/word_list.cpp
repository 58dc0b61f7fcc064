// Fixed-capacity word lists: storing with the capacity respected, and lookup by hash.
#include "engine/word_list.h"

#include <algorithm>

namespace {

// Word ends are 32-bit offsets into the list's bytes.
const std::size_t MAX_LIST_BYTES = UINT32_MAX;
const std::uint32_t FREE_PLACE = 0;
const std::size_t SMALLEST_LOOKUP = 16;

// FNV-1a: needs no state and spreads short words well.
std::uint32_t hashOf(std::string_view word)
{
    std::uint32_t hash = 2166136261u;
    for (char c : word) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

// Enters `slot` unless an earlier slot holds the same word, so that lookups find the first.
void enterSlot(WordList& list, int slot)
{
    std::string_view word = wordAt(list, slot);
    std::size_t mask = list.lookup.size() - 1;
    for (std::size_t place = hashOf(word) & mask;; place = (place + 1) & mask) {
        std::uint32_t entry = list.lookup[place];
        if (entry == FREE_PLACE) {
            list.lookup[place] = static_cast<std::uint32_t>(slot) + 1;
            return;
        }
        if (wordAt(list, static_cast<int>(entry - 1)) == word) {
            return;
        }
    }
}

// Keeps the table at most half full, so that probes stay short.
void makeRoomFor(WordList& list, int slots)
{
    std::size_t wanted = 2 * static_cast<std::size_t>(slots);
    if (list.lookup.size() >= wanted) {
        return;
    }
    std::size_t size = SMALLEST_LOOKUP;
    while (size < wanted) {
        size *= 2;
    }
    list.lookup.assign(size, FREE_PLACE);
    for (int slot = 0; slot < list.lookupCount; ++slot) {
        enterSlot(list, slot);
    }
}

void extendLookup(WordList& list, int count)
{
    int stored = std::min(count, static_cast<int>(list.ends.size()));
    if (list.lookupCount >= stored) {
        return;
    }
    makeRoomFor(list, stored);
    for (; list.lookupCount < stored; ++list.lookupCount) {
        enterSlot(list, list.lookupCount);
    }
}

} // namespace

std::size_t bytesBefore(const WordList& list, int slot)
{
    if (slot <= 0) {
        return 0;
    }
    std::size_t slots = static_cast<std::size_t>(slot);
    return slots <= list.ends.size() ? list.ends[slots - 1] : list.bytes.size();
}

void forgetSlotsFrom(WordList& list, int slot)
{
    std::size_t begin = bytesBefore(list, slot);
    list.bytes.resize(begin);
    // A list that held fewer slots than its owner counted is padded with empty words.
    list.ends.resize(static_cast<std::size_t>(slot), static_cast<std::uint32_t>(begin));
    if (list.lookupCount > slot) {
        list.lookup.clear();
        list.lookupCount = 0;
    }
    ++list.revision;
}

bool storeWord(WordList& list, int& count, std::string_view word)
{
    if (count < 0 || count >= WORD_LIST_CAPACITY || word.size() > MAX_LIST_BYTES - bytesBefore(list, count)) {
        return false;
    }
    if (list.ends.capacity() == 0) {
        list.ends.reserve(WORD_LIST_CAPACITY);
    }
    forgetSlotsFrom(list, count);
    list.bytes.insert(list.bytes.end(), word.begin(), word.end());
    list.ends.push_back(static_cast<std::uint32_t>(list.bytes.size()));
    ++count;
    return true;
}

int findWord(WordList& list, int count, std::string_view word)
{
    extendLookup(list, count);
    if (list.lookup.empty()) {
        return -1;
    }
    std::size_t mask = list.lookup.size() - 1;
    for (std::size_t place = hashOf(word) & mask; list.lookup[place] != FREE_PLACE; place = (place + 1) & mask) {
        int slot = static_cast<int>(list.lookup[place] - 1);
        if (wordAt(list, slot) == word) {
            return slot < count ? slot : -1;
        }
    }
    return -1;
}

std::string_view wordAt(const WordList& list, int slot)
{
    if (slot < 0 || static_cast<std::size_t>(slot) >= list.ends.size()) {
        return std::string_view();
    }
    std::size_t begin = bytesBefore(list, slot);
    return std::string_view(list.bytes.data() + begin, list.ends[static_cast<std::size_t>(slot)] - begin);
}
