// The solver most programs would reach for: a compact prefix tree of the whole word list, built
// once, searched depth first from every tile over adjacent unused tiles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/baseline_solver.h"

// A node's children are its letters' nodes, side by side from firstChild in alphabetical order:
// the child of letter bit b is firstChild plus the number of bits of childLetters below b.
struct TrieNode {
    std::uint32_t childLetters;
    std::uint32_t firstChild;
    // The dictionary index of the first word ending here, or NO_TRIE_WORD.
    std::int32_t word;
};

constexpr std::int32_t NO_TRIE_WORD = -1;

struct Trie {
    std::vector<TrieNode> nodes;
};

// Builds the tree of the dictionary's words of one to sixteen letters A to Z; other words are
// left out, so the tree answers only for boards of letters A to Z.
void buildTrie(const std::vector<std::string>& dictionary, Trie& trie);

std::size_t trieBytes(const Trie& trie);

// The same solutions as baselineSolve, for a board of letters A to Z.
void trieSolve(const Trie& trie, const std::vector<std::string>& dictionary, const BaselineBoard board,
               std::vector<std::string>& solutions);
