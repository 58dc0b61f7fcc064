// The dictionary's index: one prefix tree of its words, laid out as solves reach its nodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How the index works.
//
// Every word of one to sixteen bytes (sixteen tiles hold no longer one) is an entry: its slot in
// the dictionary. The tree's nodes stand for the letters that lead to them from the root, node 0.
// Each node owns a run of entries, those of the words that begin with its letters.
//
// A node has two states. Until it is laid out (firstChild is 0: the root is no one's child), its
// entries lie in dictionary order and wordsLeft counts them all. Laying it out sorts its run by
// each word's next letter, keeping dictionary order within each letter, and appends a child for
// each letter, owning that letter's part of the run; bit ENDS_WORD of childLetters is set when a
// word ends at the node, its first slot first in the run. Copies of that word and words with a
// byte other than A to Z next are no words of the tree: they drop out of wordsLeft, here and in
// every node above. Loading lays out the root; a solve lays out each other node as it first
// enters it, so that the tree holds only what boards have reached.
//
// During a solve, wordsLeft counts the words in and below the node that the solve has not found,
// so that a node with none left is not entered again: on boards that repeat a few letters, many
// paths spell the same letters. Finding a word clears its node's ENDS_WORD and takes one from
// wordsLeft of its node and of every node above; the solve lists each node it lowered and by how
// much, and puts both back when it ends, so that between solves every count is whole.
//
// Why lazily: a whole prefix tree of the benchmarks' 999,999 words took 566 ms to build and
// 48.9 MB of nodes, against 14.5 ms and 16.6 MB for loading the dictionary with this index
// (make bench); a board reaches only a small part of the tree.
//
// Nodes are appended during a solve, which may move the vector's storage: across a step that may
// lay a node out, code holds node indexes, never references, and takes the storage again after.

// Letter codes: 1 to 26 for A to Z, NOT_A_LETTER for any other byte, NO_LETTER past a word's end.
constexpr unsigned NO_LETTER = 0;
constexpr unsigned NOT_A_LETTER = 27;
constexpr unsigned LETTER_CODES = 28;

// The bit of code NO_LETTER in childLetters: a word ends at the node.
constexpr std::uint32_t ENDS_WORD = 1u << NO_LETTER;
// Counting takes the bit as a number of words: (letters & ENDS_WORD) is 0 or 1 word, and a word
// found (0 or 1) times ENDS_WORD is the bit to put back.
static_assert(ENDS_WORD == 1, "the counts add ENDS_WORD as one word");

struct TreeNode {
    // ENDS_WORD, and the codes, as bits, of the letters of the node's children, which lie side by
    // side from firstChild in the codes' order.
    std::uint32_t childLetters;
    std::uint32_t firstChild;
    // Where the node's run of entries begins; its length was wordsLeft when it was laid out.
    std::uint32_t firstEntry;
    // An upper bound on the words in and below the node that this solve has not found, exact once
    // every node below is laid out (laying out only drops words): so 0 always means none is left.
    std::uint32_t wordsLeft;
};

struct DictionaryIndex {
    std::vector<std::uint32_t> entries;
    std::vector<TreeNode> nodes;
    // Room for laying out a node: its entries' next letters' codes (each word is read once) and
    // its entries sorted.
    std::vector<std::uint8_t> codes;
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

// Rebuilds gameState.dictionaryIndex from the dictionary's used slots: the root laid out.
void indexDictionary();

// Whether the index was built from the dictionary as it is now.
bool isDictionaryIndexCurrent();

// Lays out `node`, `depth` letters below the root. Returns how many of its entries dropped out.
std::uint32_t layOutNode(std::uint32_t node, std::size_t depth);
