// The prefix-tree solver: the words sorted, the tree laid out from the sorted list, then one
// depth-first search of the board's paths that stops where no word goes on.
#include "bench/trie_solver.h"

#include <algorithm>

namespace {

const std::size_t LONGEST_WORD = 16;

bool isTrieWord(const std::string& word)
{
    return !word.empty() && word.size() <= LONGEST_WORD &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Fills node `node` from the sorted words order[first] to order[last - 1], which share their
// first `depth` letters: a word of that length ends here, the rest go on to the children.
void fillNode(Trie& trie, const std::vector<std::string>& words, const std::vector<std::int32_t>& order,
              std::size_t node, std::size_t first, std::size_t last, std::size_t depth)
{
    if (first < last && words[static_cast<std::size_t>(order[first])].size() == depth) {
        trie.nodes[node].word = order[first];
    }
    while (first < last && words[static_cast<std::size_t>(order[first])].size() == depth) {
        ++first;
    }
    std::vector<std::size_t> runEnds;
    for (std::size_t at = first; at < last; ++at) {
        char letter = words[static_cast<std::size_t>(order[at])][depth];
        trie.nodes[node].childLetters |= 1u << (letter - 'A');
        if (at + 1 == last || words[static_cast<std::size_t>(order[at + 1])][depth] != letter) {
            runEnds.push_back(at + 1);
        }
    }
    std::size_t child = trie.nodes.size();
    trie.nodes[node].firstChild = static_cast<std::uint32_t>(child);
    trie.nodes.resize(child + runEnds.size(), TrieNode{0, 0, NO_TRIE_WORD});
    for (std::size_t run = 0; run < runEnds.size(); ++run) {
        fillNode(trie, words, order, child + run, first, runEnds[run], depth + 1);
        first = runEnds[run];
    }
}

struct Neighbours {
    unsigned of[16];
};

Neighbours makeNeighbours()
{
    Neighbours neighbours = {};
    for (int cell = 0; cell < 16; ++cell) {
        for (int other = 0; other < 16; ++other) {
            int columnDistance = cell / 4 - other / 4;
            int rowDistance = cell % 4 - other % 4;
            bool near = columnDistance >= -1 && columnDistance <= 1 && rowDistance >= -1 && rowDistance <= 1;
            neighbours.of[cell] |= near && other != cell ? 1u << other : 0;
        }
    }
    return neighbours;
}

const Neighbours NEIGHBOURS = makeNeighbours();

struct Search {
    const Trie* trie;
    unsigned letterBit[16];
    std::vector<std::int32_t> found;
};

void searchFrom(Search& search, std::uint32_t node, int cell, unsigned used)
{
    const TrieNode& here = search.trie->nodes[node];
    if (here.word != NO_TRIE_WORD) {
        search.found.push_back(here.word);
    }
    for (unsigned next = NEIGHBOURS.of[cell] & ~used; next != 0; next &= next - 1) {
        int nextCell = __builtin_ctz(next);
        unsigned bit = search.letterBit[nextCell];
        if ((here.childLetters & bit) != 0) {
            std::uint32_t below = static_cast<std::uint32_t>(__builtin_popcount(here.childLetters & (bit - 1)));
            std::uint32_t child = here.firstChild + below;
            searchFrom(search, child, nextCell, used | 1u << nextCell);
        }
    }
}

void describeBoard(Search& search, const BaselineBoard board)
{
    for (int cell = 0; cell < 16; ++cell) {
        search.letterBit[cell] = board[cell] >= 'A' && board[cell] <= 'Z' ? 1u << (board[cell] - 'A') : 0;
    }
}

} // namespace

void buildTrie(const std::vector<std::string>& dictionary, Trie& trie)
{
    std::vector<std::int32_t> order;
    for (std::size_t index = 0; index < dictionary.size(); ++index) {
        if (isTrieWord(dictionary[index])) {
            order.push_back(static_cast<std::int32_t>(index));
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t first, std::int32_t second) {
        return dictionary[static_cast<std::size_t>(first)] < dictionary[static_cast<std::size_t>(second)];
    });
    trie.nodes.assign(1, TrieNode{0, 0, NO_TRIE_WORD});
    fillNode(trie, dictionary, order, 0, 0, order.size(), 0);
    trie.nodes.shrink_to_fit();
}

std::size_t trieBytes(const Trie& trie)
{
    return trie.nodes.capacity() * sizeof(TrieNode);
}

void trieSolve(const Trie& trie, const std::vector<std::string>& dictionary, const BaselineBoard board,
               std::vector<std::string>& solutions)
{
    Search search;
    search.trie = &trie;
    describeBoard(search, board);
    const TrieNode& root = trie.nodes[0];
    for (int cell = 0; cell < 16; ++cell) {
        unsigned bit = search.letterBit[cell];
        if ((root.childLetters & bit) != 0) {
            std::uint32_t below = static_cast<std::uint32_t>(__builtin_popcount(root.childLetters & (bit - 1)));
            std::uint32_t child = root.firstChild + below;
            searchFrom(search, child, cell, 1u << cell);
        }
    }
    std::sort(search.found.begin(), search.found.end());
    search.found.erase(std::unique(search.found.begin(), search.found.end()), search.found.end());
    solutions.clear();
    for (std::int32_t index : search.found) {
        solutions.push_back(dictionary[static_cast<std::size_t>(index)]);
    }
}
