// The words screen readers hear from the board and the game, in one place, so that a reader hears
// one wording for one thing wherever it comes from.
#include "ui/screen_reader/spoken_texts.h"

#include <algorithm>

#include "engine/dictionary.h"
#include "engine/game_state.h"

const char NO_GAME_RUNNING[] = "No game running";
const char NO_LETTER_PICKED[] = "No letter picked";
const char WORD_CLEARED[] = "Word cleared";
const char TIMES_UP[] = "Time's up";
const char GAME_ENDED[] = "Game ended";
const char NO_HIGH_SCORES_YET[] = "No high scores yet";

namespace {

const int SECONDS_PER_MINUTE = 60;

// "1 minute", "13 seconds"; nothing for 0.
std::string countOf(int number, const char* unit)
{
    if (number == 0) {
        return "";
    }
    return std::to_string(number) + " " + unit + (number == 1 ? "" : "s");
}

std::string upperLetter(char letter)
{
    return upperCased(std::string(1, letter));
}

// "D row 1 column 2".
std::string placeOf(const PlacedLetter& cell)
{
    return upperLetter(cell.letter) + " row " + std::to_string(cell.row + 1) + " column " +
           std::to_string(cell.column + 1);
}

std::string listOfPlaces(const std::vector<PlacedLetter>& cells, const std::vector<bool>& inWord = {})
{
    std::string list;
    for (std::size_t at = 0; at < cells.size(); ++at) {
        bool picked = at < inWord.size() && inWord[at];
        list += (list.empty() ? "" : ", ") + placeOf(cells[at]) + (picked ? ", in your word" : "");
    }
    return list;
}

// A line of the closing box as a sentence: without its leading space, with a full stop at its end.
std::string sentenceOf(std::string line)
{
    line.erase(0, line.find_first_not_of(' '));
    if (!line.empty() && line.back() != '.') {
        line += '.';
    }
    return line;
}

std::string letterOf(int place, const char* word)
{
    return "Letter " + std::to_string(place) + " of " + word;
}

} // namespace

std::string pickAnnouncement(char letter, bool picked, bool changed, const std::string& wordSoFar)
{
    if (letter == '\0') {
        return "";
    }
    std::string shown = upperLetter(letter);
    if (!changed) {
        return shown + " is not the last letter";
    }
    std::string word = wordSoFar.empty() ? std::string("no word") : upperCased(wordSoFar);
    return (picked ? shown : "took back " + shown) + ": " + word;
}

std::string cellName(const PlacedLetter& cell)
{
    return std::string(1, cell.letter) + ", row " + std::to_string(cell.row + 1) + ", column " +
           std::to_string(cell.column + 1);
}

std::string rowName(int row, const std::string& letters)
{
    std::string name = "Row " + std::to_string(row + 1) + ":";
    for (char letter : letters) {
        name += std::string(" ") + letter;
    }
    return name;
}

std::string solutionLetterDescription(int place)
{
    return letterOf(place, "the word selected in Solutions");
}

std::string wordLetterDescription(int place)
{
    return letterOf(place, "your word");
}

std::string nextToLastLetterDescription()
{
    return "Next to your last letter";
}

std::string pathText(const std::string& word, bool found, const std::vector<PlacedLetter>& path)
{
    return upperCased(word) + (found ? ", found: " : ", missed: ") + listOfPlaces(path);
}

std::string boardReading(const std::string& readingOrder)
{
    std::string reading;
    const std::size_t rowLength = BOARD_SIZE;
    for (std::size_t start = 0; start < readingOrder.size(); start += rowLength) {
        std::string name = rowName(static_cast<int>(start / rowLength), upperCased(readingOrder.substr(start, rowLength)));
        reading += (reading.empty() ? "" : " ") + name + ".";
    }
    return reading;
}

std::string neighboursReading(char lastLetter, const std::vector<PlacedLetter>& neighbours,
                              const std::vector<bool>& inWord)
{
    return "Next to " + upperLetter(lastLetter) + ": " + listOfPlaces(neighbours, inWord);
}

std::string timeAndWordsReading(int secondsLeft, int wordsFound)
{
    std::string time = "Untimed game";
    if (secondsLeft >= 0) {
        std::string minutes = countOf(secondsLeft / SECONDS_PER_MINUTE, "minute");
        std::string seconds = countOf(secondsLeft % SECONDS_PER_MINUTE, "second");
        time = (minutes.empty() || seconds.empty() ? minutes + seconds : minutes + " " + seconds) + " left";
    }
    std::string words = wordsFound == 0 ? "no words" : countOf(wordsFound, "word");
    return time + ", " + words + " found";
}

std::string dealAnnouncement(bool timed, int gameSeconds, const std::string& wordLeft)
{
    std::string deal = timed ? "New game, " + countOf(gameSeconds / SECONDS_PER_MINUTE, "minute") : "New untimed game";
    return wordLeft.empty() ? deal : deal + ". Your word so far: " + upperCased(wordLeft) + ".";
}

std::string gameEndAnnouncement(bool endedByPlayer, const std::string& closingText)
{
    std::string told = std::string(endedByPlayer ? GAME_ENDED : TIMES_UP) + ".";
    std::size_t start = 0;
    while (start < closingText.size()) {
        std::size_t end = std::min(closingText.find_first_of("\r\n", start), closingText.size());
        std::string line = sentenceOf(closingText.substr(start, end - start));
        told += line.empty() ? "" : " " + line;
        start = end + 1;
    }
    return told;
}

std::string nameEntryPrompt(int finishedScore, int place)
{
    return "You got " + std::to_string(finishedScore) + ": place " + std::to_string(place) + ". Type your name.";
}

std::string savedInPlace(int place)
{
    return "Saved in place " + std::to_string(place);
}
