// Fuzzes loading "words.dic" from arbitrary bytes, then solving a fixed board with what was loaded.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/solution_oracle.h"

namespace {

// Letters repeat on this board, so that tracing words on it has to back up from dead ends.
const char FUZZ_BOARD[] = "CATSERTONIALPEDG";
const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
const char END_OF_FILE_MARK = '\x1A';

// The words the file should give, read the way a C++ stream reads words in the "C" locale,
// every byte passed through toupper, up to the first Ctrl-Z: an independent reading of the
// same rules.
std::vector<std::string> expectedWords(std::string text)
{
    text = text.substr(0, text.find(END_OF_FILE_MARK));
    if (text.compare(0, 3, BYTE_ORDER_MARK) == 0) {
        text.erase(0, 3);
    }
    std::istringstream stream(text);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(toupperEach(word));
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    gameState.dictionaryPath = scratchFolder() + "/words.dic";
    for (int position = 0; position < TILE_COUNT; ++position) {
        gameState.tileLetters[position] = FUZZ_BOARD[position];
    }
    layOutBoard();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeFuzzFile(gameState.dictionaryPath, data, size);
    gameState.dictionaryCount = 0;
    fuzzCheck(loadDictionary(), "a readable file is reported as unreadable");
    std::vector<std::string> words = expectedWords(std::string(reinterpret_cast<const char*>(data), size));
    checkWordList(gameState.dictionary, gameState.dictionaryCount, words, "dictionary");
    solveBoard();
    checkSolutionList(expectedSolutions(FUZZ_BOARD, words));
    return 0;
}
