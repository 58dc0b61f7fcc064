// The dictionary's index: its words grouped by their first letter at load, by their first three
// letters the first time a board reaches that letter, and each group made into a prefix tree as
// boards reach its nodes.
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
constexpr int PREFIX_KEYS = LETTER_KEY_BASE * LETTER_KEY_BASE;
constexpr int GROUP_KEYS = LETTER_KEY_BASE * PREFIX_KEYS;
constexpr int KEY_LETTERS = 3;

// An entry: the word's slot; until its first letter is ordered, with the last two digits of its
// group's key above the slot's SLOT_BITS bits, PREFIX_KEYS for a word that no group takes.
constexpr int SLOT_BITS = 20;
constexpr std::uint32_t SLOT_MASK = (1u << SLOT_BITS) - 1;

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
    // The entries of the words beginning with letter code c are groupEntries[letterStarts[c]] to
    // groupEntries[letterStarts[c + 1] - 1]: in dictionary order until the letter is ordered into
    // its groups, then group by group, in dictionary order within each node of a group's tree.
    std::vector<std::uint32_t> letterStarts;
    std::vector<std::uint32_t> groupEntries;
    // The letter codes, as bits, of the first letters ordered into their groups.
    std::uint32_t orderedLetters = 0;
    // For one letter c, or two c and d, at prefix c * 27 or c * 27 + d: the codes, as bits, of
    // the letters that come next in some indexed word, the bit NO_LETTER when a word ends there.
    // A few kilobytes, where the roots would take a wait for memory to say there is nothing.
    std::vector<std::uint32_t> nextLetters;
    // The trees: node k is the root of group k's, without words until its first letter is
    // ordered; the other nodes follow all the roots.
    std::vector<TreeNode> nodes;
    // Room for laying out the entries of one node.
    std::vector<std::uint32_t> sorting;
    // The dictionary the index was built from.
    int indexedCount = 0;
    std::uint32_t indexedRevision = 0;
};

// The letter code of a byte.
constexpr unsigned letterCode(char c)
{
    return static_cast<unsigned char>(c - 'A') < 26 ? static_cast<unsigned>(c - 'A' + 1) : NOT_A_LETTER;
}

constexpr int groupKey(unsigned firstCode, unsigned secondCode, unsigned thirdCode)
{
    return static_cast<int>((firstCode * LETTER_KEY_BASE + secondCode) * LETTER_KEY_BASE + thirdCode);
}

// Rebuilds gameState.dictionaryIndex from the dictionary's used slots; no letter is ordered yet.
void indexDictionary();

// Orders the words beginning with letter code `code` into their groups, and makes the groups'
// roots; each letter once.
void orderLetter(unsigned code);

// Whether the index was built from the dictionary as it is now.
bool isDictionaryIndexCurrent();

// Lays out `node`, `depth` letters below its group's key: sorts its entries by their next
// letter and makes a child for each letter. Returns how many of its entries no longer count as
// words of their own (copies of an earlier word, or a byte other than A to Z next).
std::uint32_t layOutNode(std::uint32_t node, std::size_t depth);
