// Reading "words.dic": word boundaries, case, order, duplicates, missing files, the capacity, and
// the words of the shipped list, and those it leaves out.
#include "engine/dictionary.h"

#include <cerrno>
#include <sstream>
#include <string>
#include <vector>

#include "engine/solver.h"
#include "engine/word_list.h"
#include "tests/fakes/engine_fixture.h"

namespace {

std::string dictionaryText()
{
    std::string text;
    for (int slot = 0; slot < gameState.dictionaryCount; ++slot) {
        text += slot == 0 ? "" : " ";
        text += wordAt(gameState.dictionary, slot);
    }
    return text;
}

bool loadDictionaryFrom(const std::string& bytes)
{
    gameState.dictionaryPath = writeTestFile("words.dic", bytes);
    return loadDictionary();
}

using DictionaryLoading = EngineTest;

TEST_F(DictionaryLoading, CrLfLinesWithSeveralWordsGiveUppercasedWordsInFileOrder)
{
    EXPECT_TRUE(loadDictionaryFrom("cat Dog\r\nEEL\r\n"));
    EXPECT_EQ(dictionaryText(), "CAT DOG EEL");
    EXPECT_EQ(gameState.dictionaryCount, 3);
}

TEST_F(DictionaryLoading, EveryWhiteSpaceByteSeparatesAndNoneEndsUpInAWord)
{
    EXPECT_TRUE(loadDictionaryFrom("\t a\vb\fc\r\n\n  d \t"));
    EXPECT_EQ(dictionaryText(), "A B C D");
}

TEST_F(DictionaryLoading, LastWordIsStoredOnceWithOrWithoutTrailingLineBreaks)
{
    loadDictionaryFrom("one two");
    EXPECT_EQ(dictionaryText(), "ONE TWO");
    resetGameState();
    loadDictionaryFrom("one two\n\n\n\n");
    EXPECT_EQ(dictionaryText(), "ONE TWO");
}

TEST_F(DictionaryLoading, OneLetterWordIsStored)
{
    loadDictionaryFrom("a");
    EXPECT_EQ(dictionaryText(), "A");
}

TEST_F(DictionaryLoading, PunctuationDigitsAndHighBytesAreKeptAsTheyAre)
{
    loadDictionaryFrom("don't x2y \xe9t\xe9");
    EXPECT_EQ(dictionaryText(), "DON'T X2Y \xe9T\xe9");
}

TEST_F(DictionaryLoading, ControlBytesOtherThanTheSixSeparatorsBelongToWords)
{
    loadDictionaryFrom(std::string("a\x01" "b\0c\x7f d\x1f", 9));
    EXPECT_EQ(dictionaryText(), std::string("A\x01" "B\0C\x7f D\x1f", 9));
    EXPECT_EQ(gameState.dictionaryCount, 2);
}

// The file is read a piece at a time (64 KiB); words must not notice where the pieces end.
TEST_F(DictionaryLoading, WordsStayWholeWhereverTheFileIsCut)
{
    std::string bytes = std::string(65530, ' ') + "boundary\n" + std::string(200000, 'x') + " end";
    EXPECT_TRUE(loadDictionaryFrom(bytes));
    ASSERT_EQ(gameState.dictionaryCount, 3);
    EXPECT_EQ(wordAt(gameState.dictionary, 0), "BOUNDARY");
    EXPECT_EQ(wordAt(gameState.dictionary, 1), std::string(200000, 'X'));
    EXPECT_EQ(wordAt(gameState.dictionary, 2), "END");
    for (std::size_t size : {65535, 65536, 65537, 131072}) {
        resetGameState();
        loadDictionaryFrom(std::string(size - 4, '\n') + "last");
        EXPECT_EQ(dictionaryText(), "LAST") << "a file of " << size << " bytes";
    }
}

// Old word lists end with a Ctrl-Z; Windows' text-mode reads stop there.
TEST_F(DictionaryLoading, CtrlZEndsTheFileAndTheWordItCutsIsKept)
{
    EXPECT_TRUE(loadDictionaryFrom("cat do\x1A" "g" + std::string(65536, ' ') + "eel"));
    EXPECT_EQ(dictionaryText(), "CAT DO");
    resetGameState();
    loadDictionaryFrom(std::string(65536, '\n') + "late\x1A" "r");
    EXPECT_EQ(dictionaryText(), "LATE") << "a mark beyond the first piece";
}

TEST_F(DictionaryLoading, DuplicateWordsAreStoredTwice)
{
    loadDictionaryFrom("tea\ntea\n");
    EXPECT_EQ(dictionaryText(), "TEA TEA");
}

TEST_F(DictionaryLoading, MissingEmptyOrBlankFilesGiveAnEmptyDictionaryAndSayWhy)
{
    gameState.dictionaryPath = testFolder() + "/no-such-words.dic";
    EXPECT_FALSE(loadDictionary());
    EXPECT_EQ(gameState.dictionaryCount, 0);
    EXPECT_EQ(wordListLoad.fault, WORD_LIST_NOT_OPENED);
    EXPECT_EQ(wordListLoad.systemError, static_cast<unsigned long>(ENOENT));
    EXPECT_TRUE(loadDictionaryFrom(""));
    EXPECT_TRUE(loadDictionaryFrom(" \r\n\t\n"));
    EXPECT_EQ(gameState.dictionaryCount, 0);
    EXPECT_EQ(wordListLoad.fault, WORD_LIST_EMPTY);
    gameState.dictionaryPath = testFolder();
    EXPECT_FALSE(loadDictionary()) << "a folder is not a word list";
    EXPECT_EQ(gameState.dictionaryCount, 0);
    EXPECT_EQ(wordListLoad.fault, WORD_LIST_NOT_READ);
    EXPECT_EQ(wordListLoad.systemError, static_cast<unsigned long>(EISDIR));
}

TEST_F(DictionaryLoading, ByteOrderMarkOpeningTheFileIsSkippedSoTheFirstWordCanBeFound)
{
    loadDictionaryFrom("\xEF\xBB\xBF" "cat\r\ndog\r\n");
    EXPECT_EQ(dictionaryText(), "CAT DOG");
    useBoard("CATXXXXXXXXXXXXX");
    solveBoard();
    EXPECT_EQ(solutionsText(), "CAT");
}

TEST_F(DictionaryLoading, ByteOrderMarkAnywhereButTheVeryStartIsPartOfAWord)
{
    loadDictionaryFrom(" \xEF\xBB\xBF" "cat");
    EXPECT_EQ(dictionaryText(), "\xEF\xBB\xBF" "CAT");
    resetGameState();
    loadDictionaryFrom("\xEF\xBB\xBF\xEF\xBB\xBF" "cat");
    EXPECT_EQ(dictionaryText(), "\xEF\xBB\xBF" "CAT") << "only the first mark is skipped";
    resetGameState();
    loadDictionaryFrom("\xEF\xBB" "cat");
    EXPECT_EQ(dictionaryText(), "\xEF\xBB" "CAT") << "half a mark is not a mark";
}

TEST_F(DictionaryLoading, FileOfOnlyAByteOrderMarkGivesAnEmptyDictionary)
{
    EXPECT_TRUE(loadDictionaryFrom("\xEF\xBB\xBF"));
    EXPECT_EQ(gameState.dictionaryCount, 0);
    EXPECT_TRUE(loadDictionaryFrom("\xEF\xBB\xBF\r\n"));
    EXPECT_EQ(gameState.dictionaryCount, 0);
}

TEST_F(DictionaryLoading, WordOfAMegabyteIsStoredWholeAndNeverFoundOnABoard)
{
    const std::size_t length = 1024 * 1024;
    loadDictionaryFrom("aaa " + std::string(length, 'a') + "\nbbb");
    ASSERT_EQ(gameState.dictionaryCount, 3);
    EXPECT_EQ(wordAt(gameState.dictionary, 1), std::string(length, 'A'));
    useBoard("AAAAAAAAAAAAAAAA");
    solveBoard();
    EXPECT_EQ(solutionsText(), "AAA");
}

TEST_F(DictionaryLoading, WordsBeyondTheCapacityAreIgnored)
{
    std::string bytes;
    for (int word = 0; word < WORD_LIST_CAPACITY + 2; ++word) {
        bytes += word == WORD_LIST_CAPACITY - 1 ? "last\n" : "w\n";
    }
    bytes += "beyond\n";
    EXPECT_TRUE(loadDictionaryFrom(bytes));
    EXPECT_EQ(gameState.dictionaryCount, WORD_LIST_CAPACITY);
    EXPECT_EQ(wordAt(gameState.dictionary, WORD_LIST_CAPACITY - 1), "LAST");
    EXPECT_EQ(gameState.dictionary.ends.size(), static_cast<std::size_t>(WORD_LIST_CAPACITY));
}

TEST_F(DictionaryLoading, ShippedListHoldsCommonWordsInEitherSpellingAndNoAbbreviationsOrNumerals)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    ASSERT_TRUE(loadDictionary());
    for (const char* word : {"CUTE", "HEWN", "COLOUR", "COLOR"}) {
        EXPECT_NE(findWord(gameState.dictionary, gameState.dictionaryCount, word), -1) << word << " is missing";
    }
    for (const char* word : {"ETC", "PCT", "MPH", "XIV", "LII"}) {
        EXPECT_EQ(findWord(gameState.dictionary, gameState.dictionaryCount, word), -1) << word << " is listed";
    }
}

// The words of the list of words left out of the shipped list, without its # comment lines.
std::vector<std::string> excludedWords()
{
    std::vector<std::string> words;
    std::istringstream lines(readTestFile(EXCLUDED_WORDS));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != '#') {
            words.push_back(line);
        }
    }
    return words;
}

TEST_F(DictionaryLoading, ShippedListHoldsNoExcludedWordAndKeepsItsInnocentLookAlikes)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    ASSERT_TRUE(loadDictionary());
    std::vector<std::string> excluded = excludedWords();
    ASSERT_GE(excluded.size(), 50u) << EXCLUDED_WORDS << " holds too few words";
    for (const std::string& word : excluded) {
        EXPECT_EQ(word.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << '"' << word << '"';
        EXPECT_EQ(findWord(gameState.dictionary, gameState.dictionaryCount, upperCased(word)), -1) << word << " is listed";
    }
    // Words read first in an innocent sense, and mild oaths; some a longer or shorter spelling of an excluded one.
    for (const char* word : {"NIGGLE", "NIGGARD", "SNIGGER", "COCK", "TIT", "BOOB", "ASS", "PRICK", "DIKE", "QUEER",
                             "PANSY", "SISSY", "DAMN", "HELL", "GODDAMN", "SHAGGY", "CRAPS", "DICKER", "PUSSYCAT",
                             "RETARDING", "SCRAP", "RACCOON"}) {
        EXPECT_NE(findWord(gameState.dictionary, gameState.dictionaryCount, word), -1) << word << " is missing";
    }
}

TEST(UpperCasing, OnlyLettersAToZChangeAndTheCallersStringIsKept)
{
    std::string typed = "Cat-9 \xe4z";
    EXPECT_EQ(upperCased(typed), "CAT-9 \xe4Z");
    EXPECT_EQ(typed, "Cat-9 \xe4z");
}

TEST(DictionaryPath, SitsBesideTheExecutableWhateverTheDirectoryLength)
{
    EXPECT_EQ(dictionaryPathBeside("/opt/lettro/lettro"), "/opt/lettro/words.dic");
    std::string deep = "/" + std::string(300, 'd') + "/sub dir";
    EXPECT_EQ(dictionaryPathBeside(deep + "/Lettro.exe"), deep + "/words.dic");
}

TEST(DictionaryPath, NativeBuildFindsTheRunningExecutable)
{
    buildDictionaryPath();
    std::string executable = runningExecutablePath();
    ASSERT_FALSE(executable.empty());
    EXPECT_EQ(gameState.dictionaryPath, executable.substr(0, executable.rfind('/')) + "/words.dic");
}

} // namespace
