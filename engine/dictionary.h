// The word list "words.dic": where it is, how it is read, and the game's one case-folding rule.
#pragma once

#include <cstdio>
#include <string>

constexpr char DICTIONARY_FILE_NAME[] = "words.dic";

// a to z become A to Z; every other byte stays as it is (toupper in the "C" locale).
std::string upperCased(std::string word);

// The same rule for one byte.
constexpr char upperCasedByte(char c)
{
    return static_cast<char>(c - ('a' - 'A') * (static_cast<unsigned char>(c - 'a') < 26));
}

// ---- the platform's part: engine/executable_path_posix.cpp natively, ui/executable_path_win32.cpp on Windows ----

// The full name of the running executable. On Windows it is read as UTF-16 and kept in UTF-8, so
// that a folder named outside the ANSI code page keeps its name; natively, /proc/self/exe.
std::string runningExecutablePath();

// Opens the file at `path` (UTF-8 on Windows, of any length) for reading bytes; null when it
// cannot, with the system's code for why in `systemError` (GetLastError's on Windows, errno natively).
std::FILE* openWordList(const std::string& path, unsigned long& systemError);

// The system's code for why the last read of a file failed.
unsigned long lastReadError();

// ---- the portable part: engine/dictionary.cpp ----

// "words.dic" in the directory of `executablePath`, joined with the platform's separator.
std::string dictionaryPathBeside(const std::string& executablePath);

// Fills gameState.dictionaryPath for the running executable.
void buildDictionaryPath();

// Reads gameState.dictionaryPath into the dictionary, uppercased, in file order, up to the
// list's capacity (further words are ignored), and indexes it; a UTF-8 byte-order mark opening
// the file is skipped, and a Ctrl-Z byte (0x1A) ends the file as a Windows text-mode read
// would: a word cut by it is kept as far as it goes. Returns false when the file could not be
// read; the game plays on with whatever was stored, and wordListLoad tells the window why.
bool loadDictionary();

// How the last load went: a word list that leaves the game without words is told to the player,
// who would otherwise see every word called invalid and not know why.
enum WordListFault { WORD_LIST_USABLE, WORD_LIST_NOT_OPENED, WORD_LIST_NOT_READ, WORD_LIST_EMPTY };

struct WordListLoad {
    WordListFault fault;
    unsigned long systemError; // the system's code for why it could not be opened or read, else 0
};

extern WordListLoad wordListLoad;
