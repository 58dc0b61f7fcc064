// The solver: the board's paths of up to four tiles pick the dictionary's groups and rule out
// most of their words; the words left are traced with sets of cells.
#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/board_cells.h"
#include "engine/game_state.h"

namespace {

const std::uint16_t NO_REACH = UINT16_MAX;
// The value of a path's first, second and third tile in its group's key.
const int PLACE_VALUE[3] = {LETTER_KEY_BASE * LETTER_KEY_BASE, LETTER_KEY_BASE, 1};

// What the board offers one group's words, by the code of their fourth letter: the bit NO_LETTER
// when some path spelling the group's key goes on to that letter, and the bits of the letters
// that can come fifth after it. Under NO_LETTER itself every bit is set: a word of up to three
// letters is its group's key, which a path spells.
struct GroupReach {
    int key;
    std::uint32_t afterFourth[LETTER_CODES];
};

const std::uint32_t EVERY_LETTER = UINT32_MAX;

// The groups that the board's paths of one to three tiles spell, and their reaches: at most one
// for each of the 16 + 84 + 408 paths.
const std::size_t MOST_REACHED_GROUPS = 508;
const std::size_t GROUPS_FETCHED_AHEAD = 4;

struct Reaches {
    std::vector<GroupReach> groups;
    std::vector<std::uint16_t> reachOfGroup;
};

// For each pair of codes that the sixth and seventh letters of a word can have, as its sketch
// holds them: 1 when both letters are on the board, or the word ends before them. Looked up
// once for both, where testing each would cost more than the rest of the sketch's checks.
struct LaterLetters {
    std::uint8_t onBoard[LETTER_PAIRS];
};

// A dictionary word that the board holds.
struct FoundWord {
    std::uint32_t begin;
    std::uint32_t length;
};

GroupReach& reachFor(Reaches& reaches, int key)
{
    std::uint16_t& reach = reaches.reachOfGroup[static_cast<std::size_t>(key)];
    if (reach == NO_REACH) {
        reach = static_cast<std::uint16_t>(reaches.groups.size());
        reaches.groups.push_back(GroupReach{key, {}});
        reaches.groups.back().afterFourth[NO_LETTER] = EVERY_LETTER;
    }
    return reaches.groups[reach];
}

// The letters on the cells next to `cell` that a path through `used` has not taken, as code bits.
std::uint32_t lettersAround(const BoardCells& cells, int cell, CellSet used)
{
    std::uint32_t letters = 0;
    for (CellSet next = neighbourCells(cell) & ~used; next != 0; next &= next - 1) {
        letters |= 1u << cells.codeOf[lowestCell(next)];
    }
    return letters;
}

// Notes which fourth letters follow the path that ends on `cell`, and which fifth letters follow those.
void noteFollowers(GroupReach& reach, const BoardCells& cells, int cell, CellSet used)
{
    for (CellSet next = neighbourCells(cell) & ~used; next != 0; next &= next - 1) {
        int nextCell = lowestCell(next);
        std::uint32_t fifthLetters = lettersAround(cells, nextCell, used | cellBit(nextCell));
        reach.afterFourth[cells.codeOf[nextCell]] |= 1u << NO_LETTER | fifthLetters;
    }
}

// Notes the groups that the paths from `cell` spell, up to three tiles, and what follows them.
void followPaths(Reaches& reaches, const BoardCells& cells, int cell, CellSet used, int tiles, int key)
{
    key += static_cast<int>(cells.codeOf[cell]) * PLACE_VALUE[tiles - 1];
    GroupReach& reach = reachFor(reaches, key);
    if (tiles == 3) {
        noteFollowers(reach, cells, cell, used);
        return;
    }
    for (CellSet next = neighbourCells(cell) & ~used; next != 0; next &= next - 1) {
        int nextCell = lowestCell(next);
        followPaths(reaches, cells, nextCell, used | cellBit(nextCell), tiles + 1, key);
    }
}

void describeLaterLetters(const BoardCells& cells, LaterLetters& later)
{
    // NO_LETTER past a word's end is no obstacle.
    std::uint32_t lettersOnBoard = cells.lettersOnBoard | 1u << NO_LETTER;
    for (std::uint32_t pair = 0; pair < LETTER_PAIRS; ++pair) {
        std::uint32_t first = pair & SKETCH_FIELD_MASK;
        std::uint32_t second = pair >> SKETCH_FIELD_BITS;
        later.onBoard[pair] = static_cast<std::uint8_t>(lettersOnBoard >> first & lettersOnBoard >> second & 1u);
    }
}

// Whether the word of this sketch may lie on the board, as far as its first seven letters tell;
// for a word of up to four letters the answer is exact (its fifth letter is NO_LETTER). Worked
// out without a branch: most words are ruled out here, too irregularly for a branch predictor.
bool mayBeOnBoard(std::uint32_t sketch, const GroupReach& reach, const LaterLetters& later)
{
    std::uint32_t fifthFollows = reach.afterFourth[sketchLetter(sketch, 3)] >> sketchLetter(sketch, 4);
    return (fifthFollows & later.onBoard[sketchLetterPair(sketch, 5)] & 1u) != 0;
}

void collectGroup(const GroupReach& reach, const BoardCells& cells, const LaterLetters& later,
                  std::vector<FoundWord>& found)
{
    const IndexEntry* entries = gameState.dictionaryIndex.entries.data();
    const std::uint32_t* groupStarts = gameState.dictionaryIndex.groupStarts.data();
    const char* bytes = gameState.dictionary.bytes.data();
    std::size_t key = static_cast<std::size_t>(reach.key);
    for (std::uint32_t entry = groupStarts[key]; entry < groupStarts[key + 1]; ++entry) {
        IndexEntry word = entries[entry];
        if (!mayBeOnBoard(word.sketch, reach, later)) {
            continue;
        }
        std::uint32_t length = sketchLength(word.sketch);
        if (length <= 4 || canTrace(cells, std::string_view(bytes + word.begin, length))) {
            found.push_back(FoundWord{word.begin, length});
        }
    }
}

void collectFromIndex(const BoardCells& cells, std::vector<FoundWord>& found)
{
    Reaches reaches;
    reaches.groups.reserve(MOST_REACHED_GROUPS);
    reaches.reachOfGroup.assign(GROUP_KEYS, NO_REACH);
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        followPaths(reaches, cells, cell, cellBit(cell), 1, 0);
    }
    LaterLetters later;
    describeLaterLetters(cells, later);
    const DictionaryIndex& index = gameState.dictionaryIndex;
    std::size_t groups = reaches.groups.size();
    for (std::size_t group = 0; group < groups; ++group) {
        // Groups lie far apart, so each would begin with a wait for memory: the start of one a
        // few groups on is asked for meanwhile (a GCC and Clang builtin).
        if (group + GROUPS_FETCHED_AHEAD < groups) {
            std::size_t ahead = static_cast<std::size_t>(reaches.groups[group + GROUPS_FETCHED_AHEAD].key);
            __builtin_prefetch(index.entries.data() + index.groupStarts[ahead]);
        }
        collectGroup(reaches.groups[group], cells, later, found);
    }
}

// A board with a tile other than A to Z is none that the deal makes; the index only knows words
// of letters, so every word is traced.
void collectByTracingAll(const BoardCells& cells, std::vector<FoundWord>& found)
{
    for (int slot = 0; slot < gameState.dictionaryCount; ++slot) {
        std::string_view word = wordAt(gameState.dictionary, slot);
        if (canTrace(cells, word)) {
            std::uint32_t begin = static_cast<std::uint32_t>(bytesBefore(gameState.dictionary, slot));
            found.push_back(FoundWord{begin, static_cast<std::uint32_t>(word.size())});
        }
    }
}

// The found words in dictionary order, which is the order of their places in the dictionary's
// bytes, each once: a word the dictionary lists twice is stored at its first place.
void storeSolutions(std::vector<FoundWord>& found)
{
    std::sort(found.begin(), found.end(),
              [](const FoundWord& first, const FoundWord& second) { return first.begin < second.begin; });
    gameState.solutionCount = 0;
    const char* bytes = gameState.dictionary.bytes.data();
    for (const FoundWord& word : found) {
        std::string_view solution(bytes + word.begin, word.length);
        if (findWord(gameState.solutionList, gameState.solutionCount, solution) < 0) {
            storeWord(gameState.solutionList, gameState.solutionCount, solution);
        }
    }
}

} // namespace

void solveBoard()
{
    if (!isDictionaryIndexCurrent()) {
        indexDictionary();
    }
    BoardCells cells;
    describeBoard(cells);
    std::vector<FoundWord> found;
    if (cells.allLetters) {
        collectFromIndex(cells, found);
    } else {
        collectByTracingAll(cells, found);
    }
    storeSolutions(found);
}
