// What the board held, told to the player after a game: the tally and every solution, marked.
#include "engine/solutions_report.h"

#include "engine/game_state.h"

namespace {

const char FOUND_MARK[] = "* ";

} // namespace

void rememberEndedGame(int finishedScore)
{
    gameState.endedScore = finishedScore;
    gameState.enteredInTime = gameState.enteredCount;
}

std::string solutionsTally()
{
    return "You found " + std::to_string(gameState.endedScore) + " of " + std::to_string(gameState.solutionCount);
}

std::vector<std::string> solutionLines()
{
    std::vector<bool> found(static_cast<std::size_t>(gameState.solutionCount), false);
    for (int entered = 0; entered < gameState.enteredInTime; ++entered) {
        int solution =
            findWord(gameState.solutionList, gameState.solutionCount, wordAt(gameState.enteredList, entered));
        if (solution >= 0) {
            found[static_cast<std::size_t>(solution)] = true;
        }
    }
    std::vector<std::string> lines;
    lines.reserve(found.size());
    for (int solution = 0; solution < gameState.solutionCount; ++solution) {
        std::string word(wordAt(gameState.solutionList, solution));
        lines.push_back(found[static_cast<std::size_t>(solution)] ? FOUND_MARK + word : word);
    }
    return lines;
}

std::string_view solutionLineWord(std::string_view line)
{
    std::string_view mark(FOUND_MARK);
    if (line.substr(0, mark.size()) == mark) {
        line.remove_prefix(mark.size());
    }
    return line;
}
