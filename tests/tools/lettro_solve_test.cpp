// lettro-solve from the outside: its output, its errors and its exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/fakes/engine_fixture.h"

namespace {

struct RunResult {
    int status;
    std::string output;
    std::string errors;
};

std::string shellQuoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

RunResult runSolver(const std::string& arguments)
{
    std::string errorsPath = testFolder() + "/stderr.txt";
    std::string command = std::string(LETTRO_SOLVE) + " " + arguments + " 2>" + shellQuoted(errorsPath);
    RunResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        result.output.append(chunk, got);
    }
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = readTestFile(errorsPath);
    return result;
}

TEST(LettroSolve, PrintsTheSolutionsOfAGivenBoardInDictionaryOrder)
{
    std::string words = writeTestFile("solve.dic", "cab\r\nAB ab\nba\nDON'T\nq\nA\nabcdefghijklmnopq\n");
    RunResult result = runSolver(shellQuoted(words) + " abcdEFGHijklmnop");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "AB\nBA\nA\n");
    EXPECT_EQ(result.errors, "");
}

TEST(LettroSolve, WithoutABoardDealsOnePrintsItThenItsSolutions)
{
    std::string words = writeTestFile("deal.dic", "a e i o u\n");
    RunResult result = runSolver(shellQuoted(words));
    ASSERT_EQ(result.status, 0);
    ASSERT_GE(result.output.size(), 21u);
    std::string board = result.output.substr(0, 20);
    int vowels = 0;
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(board[static_cast<std::size_t>(row * 5 + 4)], '\n');
        for (int column = 0; column < 4; ++column) {
            char letter = board[static_cast<std::size_t>(row * 5 + column)];
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z');
            vowels += std::string("AEIOU").find(letter) != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_EQ(vowels, 6);
    EXPECT_EQ(result.output[20], '\n');
    std::string solutions = result.output.substr(21);
    EXPECT_FALSE(solutions.empty());
    for (char vowel : std::string("AEIOU")) {
        bool onBoard = board.find(vowel) != std::string::npos;
        EXPECT_EQ(solutions.find(std::string(1, vowel) + "\n") != std::string::npos, onBoard) << vowel;
    }
}

TEST(LettroSolve, UnreadableDictionaryIsNamedOnStandardErrorWithStatusTwo)
{
    RunResult result = runSolver(shellQuoted(testFolder() + "/absent.dic") + " ABCDEFGHIJKLMNOP");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find("cannot read dictionary"), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find("absent.dic"), std::string::npos);
}

TEST(LettroSolve, BoardsThatAreNotSixteenLettersAreRefused)
{
    // The solver finds words only on tiles A to Z: the bytes beside the letters' ranges are refused.
    std::string words = writeTestFile("refuse.dic", "ab\n");
    for (const char* board : {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNO1", "ABCDEFGH JKLMNOP", "",
                              "@BCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNO[", "`bcdefghijklmnop", "abcdefghijklmno{",
                              "ABCDEFGHIJKLMNO\xc9"}) {
        RunResult result = runSolver(shellQuoted(words) + " " + shellQuoted(board));
        EXPECT_EQ(result.status, 2) << board;
        EXPECT_EQ(result.output, "");
        EXPECT_NE(result.errors.find("16 letters"), std::string::npos) << result.errors;
    }
    EXPECT_EQ(runSolver("").status, 2);
}

TEST(LettroSolve, BoardOfTheFirstAndLastLettersInEitherCaseIsTaken)
{
    std::string words = writeTestFile("ends.dic", "az\nza\n");
    RunResult result = runSolver(shellQuoted(words) + " azAZbbbbbbbbbbbb");
    EXPECT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(result.output, "AZ\nZA\n");
}

TEST(LettroSolve, DictionaryBeyondTheCapacityKeepsItsFirst999999Words)
{
    std::string bytes;
    for (int word = 0; word < 999999; ++word) {
        bytes += "zz\n";
    }
    bytes += "ab\n";
    RunResult result = runSolver(shellQuoted(writeTestFile("big.dic", bytes)) + " ABZZZZZZZZZZZZZZ");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "ZZ\n");
}

TEST(LettroSolve, ShippedWordListSolvesAKnownBoard)
{
    RunResult result = runSolver(shellQuoted(SHIPPED_WORDS) + " CATSXXXXXXXXXXXX");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("CAT\n"), std::string::npos);
    EXPECT_NE(result.output.find("CATS\n"), std::string::npos);
}

} // namespace
