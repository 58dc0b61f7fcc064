// The dictionary's index: its words grouped by their first three letters at load, and each group
// made into a prefix tree the first time a board reaches it.
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
// first three) are left out; a word with such a byte further on goes no further into the tree.
constexpr int LETTER_KEY_BASE = 27;
constexpr int GROUP_KEYS = LETTER_KEY_BASE * LETTER_KEY_BASE * LETTER_KEY_BASE;
constexpr int KEY_LETTERS = 3;

// A group's entry: the word's slot in the low SLOT_BITS bits, and above them the codes of the
// letters after the key, CODE_BITS each, so that the top of a tree is laid out without reading
// the words themselves, which lie far apart.
constexpr int SLOT_BITS = 20;
constexpr std::uint32_t SLOT_MASK = (1u << SLOT_BITS) - 1;
constexpr int CODE_BITS = 5;
constexpr int SKETCHED_LETTERS = 2;

// One node of a group's tree, standing for the letters that lead to it. Once laid out, its
// children lie side by side from firstChild, one for each letter code bit of childLetters, in
// the codes' order. Until it is first entered, it is NOT_LAID_OUT, and firstChild and wordsLeft
// say where its entries begin and how many there are.
struct TreeNode {
    std::uint32_t childLetters;
    std::uint32_t firstChild;
    // One plus the dictionary slot of the first word spelled by the letters, or 0.
    std::uint32_t word;
    // The words in the node and below it that the solve under way has not found: all of them
    // between solves.
    std::uint32_t wordsLeft;
};

constexpr std::uint32_t NOT_LAID_OUT = 1u << NO_LETTER;
// Set in childLetters while a solve has found the node's own word.
constexpr std::uint32_t WORD_FOUND = 1u << 31;

struct DictionaryIndex {
    // The entries of group k are groupEntries[groupStarts[k]] to groupEntries[groupStarts[k + 1] - 1],
    // in dictionary order within each node of the group's tree.
    std::vector<std::uint32_t> groupStarts;
    std::vector<std::uint32_t> groupEntries;
    // For one letter c, or two c and d, at prefix c * 27 or c * 27 + d: the codes, as bits, of
    // the letters that come next in some indexed word, the bit NO_LETTER when a word ends there.
    // A few kilobytes, where the roots would take a wait for memory to say there is nothing.
    std::vector<std::uint32_t> nextLetters;
    // The trees: node k is the root of group k's, whose other nodes follow all the roots.
    std::vector<TreeNode> nodes;
    // Room for laying out the entries of one node.
    std::vector<std::uint32_t> sorting;
    // The dictionary the index was built from.
    int indexedCount = 0;
    std::uint32_t indexedRevision = 0;
};

unsigned letterCode(char c);

constexpr int groupKey(unsigned firstCode, unsigned secondCode, unsigned thirdCode)
{
    return static_cast<int>((firstCode * LETTER_KEY_BASE + secondCode) * LETTER_KEY_BASE + thirdCode);
}

// Rebuilds gameState.dictionaryIndex from the dictionary's used slots; no tree is laid out yet.
void indexDictionary();

// Whether the index was built from the dictionary as it is now.
bool isDictionaryIndexCurrent();

// Lays out `node`, `depth` letters below its group's key: sorts its entries by their next
// letter and makes a child for each letter. Returns how many of its entries no longer count as
// words of their own (copies of an earlier word, or a byte other than A to Z next).
std::uint32_t layOutNode(std::uint32_t node, std::size_t depth);
