// Fuzzes handing in words: arbitrary byte strings, by either path, against a board solved from the shipped list.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "engine/solver.h"
#include "engine/submission.h"
#include "fuzz/fuzz_support.h"
#include "tests/fakes/recording_display.h"

namespace {

const char FUZZ_BOARD[] = "CATSERTONIALPEDG";
const std::size_t LONGEST_WORD = 40;

std::set<std::string> solutions;

// What one game's submissions should have done so far: the words handed in, uppercased.
std::set<std::string> handedIn;

enum Verdict { REPEATED, INVALID, ACCEPTED };

// How the game should judge `typed` after the submissions so far; records it as handed in.
Verdict expectedVerdict(const std::string& typed)
{
    std::string word = toupperEach(typed);
    if (!handedIn.insert(word).second) {
        return REPEATED;
    }
    return solutions.count(word) == 0 ? INVALID : ACCEPTED;
}

// The display events one submission should produce, in order.
std::vector<std::string> expectedEvents(const std::string& typed, Verdict verdict, SubmitPath path)
{
    std::vector<std::string> events = {"readField"};
    if (verdict == REPEATED) {
        events.push_back(std::string("status:") + ALREADY_ENTERED_TEXT);
    } else {
        events.push_back(std::string("status:") + BLANK_STATUS_TEXT);
        events.push_back(std::string("status:") + (verdict == INVALID ? INVALID_WORD_TEXT : BLANK_STATUS_TEXT));
    }
    if (verdict == ACCEPTED) {
        events.push_back("found:" + typed + "@" + std::to_string(gameState.score));
        events.push_back("score:" + std::to_string(gameState.score + 1));
    }
    events.push_back("clearField");
    if (path == SUBMIT_BUTTON) {
        events.push_back("focusField");
    }
    events.push_back("picksCleared");
    return events;
}

bool nothingPicked()
{
    for (char cell : gameState.picked) {
        if (cell != 0) {
            return false;
        }
    }
    return true;
}

void submitAndCheck(const std::string& typed, SubmitPath path)
{
    Verdict verdict = expectedVerdict(typed);
    std::vector<std::string> expected = expectedEvents(typed, verdict, path);
    int scoreBefore = gameState.score;
    resetRecordingDisplay();
    fakeWordField = typed;
    std::memset(gameState.picked, 1, sizeof gameState.picked);
    submitWord(path);
    fuzzCheck(displayEvents == expected, "what the player sees");
    fuzzCheck(gameState.score == scoreBefore + (verdict == ACCEPTED ? 1 : 0), "score");
    fuzzCheck(gameState.enteredCount == static_cast<int>(handedIn.size()), "entered count");
    fuzzCheck(fakeWordField.empty() && nothingPicked(), "field and picks cleared");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    fuzzCheck(loadDictionary(), "cannot read the shipped word list");
    for (int position = 0; position < TILE_COUNT; ++position) {
        gameState.tileLetters[position] = FUZZ_BOARD[position];
    }
    layOutBoard();
    solveBoard();
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        solutions.emplace(wordAt(gameState.solutionList, slot));
    }
    return 0;
}

// One game: each word, cut at a zero byte as a window's text would be, handed in by the path
// the input chooses.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    gameState.enteredCount = 0;
    gameState.score = 0;
    handedIn.clear();
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        SubmitPath path = input.ConsumeBool() ? SUBMIT_BUTTON : SUBMIT_DOUBLE_CLICK;
        std::string word = input.ConsumeRandomLengthString(LONGEST_WORD);
        submitAndCheck(word.substr(0, word.find('\0')), path);
    }
    return 0;
}
