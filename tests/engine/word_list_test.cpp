// Word lists: words kept byte for byte, found by hash at their first slot, never beyond the count.
#include "engine/word_list.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(WordLists, WordsComeBackByteForByteInTheirSlots)
{
    WordList list;
    int count = 0;
    const std::string words[] = {"CAT", "", " CAT", std::string("A\0B", 3), "\xe9T\xe9", "CAT"};
    for (const std::string& word : words) {
        ASSERT_TRUE(storeWord(list, count, word));
    }
    ASSERT_EQ(count, 6);
    for (int slot = 0; slot < count; ++slot) {
        EXPECT_EQ(wordAt(list, slot), words[slot]) << "slot " << slot;
    }
    EXPECT_EQ(wordAt(list, 6), "") << "nothing beyond the stored slots";
}

TEST(WordLists, LookupFindsTheFirstEqualWordOnlyAmongTheCountedSlots)
{
    WordList list;
    int count = 0;
    for (const char* word : {"TEA", "EAT", "TEA", "ATE"}) {
        storeWord(list, count, word);
    }
    EXPECT_EQ(findWord(list, count, "TEA"), 0);
    EXPECT_EQ(findWord(list, count, "ATE"), 3);
    EXPECT_EQ(findWord(list, count, "TE"), -1) << "a prefix is another word";
    EXPECT_EQ(findWord(list, count, "tea"), -1) << "no case folding";
    EXPECT_EQ(findWord(list, 3, "ATE"), -1) << "slots beyond the count are not looked at";
    EXPECT_EQ(findWord(list, 0, "TEA"), -1);
}

TEST(WordLists, StoringBelowTheCountForgetsTheSlotsAfterIt)
{
    WordList list;
    int count = 0;
    for (const char* word : {"ONE", "TWO", "THREE"}) {
        storeWord(list, count, word);
    }
    ASSERT_EQ(findWord(list, count, "THREE"), 2);
    count = 1;
    storeWord(list, count, "FOUR");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(findWord(list, count, "FOUR"), 1);
    EXPECT_EQ(findWord(list, count, "TWO"), -1);
    EXPECT_EQ(findWord(list, 3, "THREE"), -1) << "forgotten, not merely beyond the count";
    EXPECT_EQ(wordAt(list, 0), "ONE");
}

TEST(WordLists, ManyWordsStoredBetweenLookupsAreAllFound)
{
    WordList list;
    int count = 0;
    for (int word = 0; word < 20000; ++word) {
        storeWord(list, count, "W" + std::to_string(word));
        if (word % 997 == 0) {
            ASSERT_EQ(findWord(list, count, "W" + std::to_string(word)), word);
        }
    }
    for (int word = 0; word < 20000; word += 7) {
        ASSERT_EQ(findWord(list, count, "W" + std::to_string(word)), word);
    }
    EXPECT_EQ(findWord(list, count, "W20000"), -1);
}

// A miss probes until it meets a free place: a table that fills up would never end one.
TEST(WordLists, TableKeepsAFreePlaceSoThatAMissEndsAtEveryCount)
{
    WordList list;
    int count = 0;
    for (int word = 0; word < 70; ++word) {
        storeWord(list, count, "W" + std::to_string(word));
        ASSERT_EQ(findWord(list, count, "W" + std::to_string(word)), word);
        ASSERT_GT(std::count(list.lookup.begin(), list.lookup.end(), 0u), 0) << count << " words";
        EXPECT_EQ(findWord(list, count, "MISS"), -1);
    }
}

} // namespace
