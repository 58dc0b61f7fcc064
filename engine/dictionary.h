// The word list "words.dic": where it is, how it is read, and the game's one case-folding rule.
#pragma once

#include <string>

// a to z become A to Z; every other byte stays as it is (toupper in the "C" locale).
std::string upperCased(std::string word);

// The same rule for one byte.
constexpr char upperCasedByte(char c)
{
    return static_cast<char>(c - ('a' - 'A') * (static_cast<unsigned char>(c - 'a') < 26));
}

// The full name of the running executable (GetModuleFileNameA on Windows, /proc/self/exe natively).
std::string runningExecutablePath();

// "words.dic" in the directory of `executablePath`, joined with the platform's separator.
std::string dictionaryPathBeside(const std::string& executablePath);

// Fills gameState.dictionaryPath for the running executable.
void buildDictionaryPath();

// Reads gameState.dictionaryPath into the dictionary, uppercased, in file order, up to the
// list's capacity (further words are ignored), and indexes it; a UTF-8 byte-order mark opening
// the file is skipped, and a Ctrl-Z byte (0x1A) ends the file as a Windows text-mode read
// would: a word cut by it is kept as far as it goes. Returns false when the file could not be read; the game ignores that and
// plays with whatever was stored.
bool loadDictionary();
