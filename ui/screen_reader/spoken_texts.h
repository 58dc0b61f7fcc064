// The words screen readers hear from the board and the game, each made from plain values: a letter
// is its character on the tile, a row or column counts from 0 at the top left (the texts count from
// 1), so that these texts need nothing from the board's own files.
#pragma once

#include <string>
#include <vector>

// A letter on the board and where it lies.
struct PlacedLetter {
    char letter;
    int row;
    int column;
};

// "T: CUT" for a pick, "took back T: CU" for a take-back, "T is not the last letter" for a
// take-back that the rule refuses; nothing for a tile that holds no letter yet.
std::string pickAnnouncement(char letter, bool picked, bool changed, const std::string& wordSoFar);

// "G, row 2, column 3".
std::string cellName(const PlacedLetter& cell);

// "Row 3: I J K L", from the row's letters left to right.
std::string rowName(int row, const std::string& letters);

// A cell's description: "Letter 2 of the word selected in Solutions", "Letter 2 of your word",
// "Next to your last letter".
std::string solutionLetterDescription(int place);
std::string wordLetterDescription(int place);
std::string nextToLastLetterDescription();

// "DROP, found: D row 1 column 2, R row 2 column 2" or "DROP, missed: …": a word of Solutions with
// each letter of its path.
std::string pathText(const std::string& word, bool found, const std::vector<PlacedLetter>& path);

// "Row 1: A P O U. Row 2: Z Y F R. …", from the sixteen letters in reading order.
std::string boardReading(const std::string& readingOrder);

// "Next to T: A row 1 column 2, E row 2 column 3, in your word": `inWord` marks, neighbour by
// neighbour, the tiles already picked for the word.
std::string neighboursReading(char lastLetter, const std::vector<PlacedLetter>& neighbours,
                              const std::vector<bool>& inWord);

// "2 minutes 13 seconds left, 5 words found"; "Untimed game, 1 word found" where `secondsLeft` is
// negative.
std::string timeAndWordsReading(int secondsLeft, int wordsFound);

// "New game, 3 minutes" for a timed deal of `gameSeconds`, "New untimed game" for an untimed one;
// with text left in the word field, "New game, 3 minutes. Your word so far: LEG."
std::string dealAnnouncement(bool timed, int gameSeconds, const std::string& wordLeft);

// A game's end in the closing box's own words, each of its lines a sentence: "Time's up. You got
// 11 out of 21." or "Game ended. You got 2 out of 9. Untimed games do not enter the high scores."
std::string gameEndAnnouncement(bool endedByPlayer, const std::string& closingText);

// Enter Name as it opens: "You got 11: place 3. Type your name."; and once the name is entered,
// "Saved in place 3". A place counts from 1, the best score.
std::string nameEntryPrompt(int finishedScore, int place);
std::string savedInPlace(int place);

// The texts that need no values.
extern const char NO_GAME_RUNNING[];
extern const char NO_LETTER_PICKED[];
extern const char WORD_CLEARED[];
extern const char TIMES_UP[];
extern const char GAME_ENDED[];
extern const char NO_HIGH_SCORES_YET[];
