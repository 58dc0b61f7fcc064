// Loading "words.dic" from beside the executable, and the case-folding rule shared with submission.
#include "engine/dictionary.h"

#include <cstdio>

#include "engine/game_state.h"

namespace {

#ifdef _WIN32
const char PATH_SEPARATOR = '\\';
#else
const char PATH_SEPARATOR = '/';
#endif

const char DICTIONARY_FILE_NAME[] = "words.dic";
const char UTF8_BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

// The six white-space bytes that separate words: space, \t, \n, \v, \f, \r.
bool isWordSeparator(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The whole file as bytes; false when it cannot be opened or read to its end.
bool readWholeFile(const std::string& path, std::string& contents)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        contents.append(chunk, got);
    }
    bool readToEnd = std::ferror(file) == 0;
    std::fclose(file);
    return readToEnd;
}

// Editors on Windows may start the file with a UTF-8 byte-order mark; left in, it would make
// the first word one that no board can ever hold.
void dropByteOrderMark(std::string& contents)
{
    if (contents.compare(0, sizeof UTF8_BYTE_ORDER_MARK - 1, UTF8_BYTE_ORDER_MARK) == 0) {
        contents.erase(0, sizeof UTF8_BYTE_ORDER_MARK - 1);
    }
}

// Stores every white-space separated word of `text`, until the dictionary is full.
void storeDictionaryWords(const std::string& text)
{
    std::size_t length = text.size();
    std::size_t at = 0;
    while (at < length) {
        while (at < length && isWordSeparator(text[at])) {
            ++at;
        }
        std::size_t start = at;
        while (at < length && !isWordSeparator(text[at])) {
            ++at;
        }
        if (at == start) {
            return;
        }
        std::string word = upperCased(text.substr(start, at - start));
        if (!storeWord(gameState.dictionary, gameState.dictionaryCount, std::move(word))) {
            return;
        }
    }
}

} // namespace

std::string upperCased(std::string word)
{
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return word;
}

std::string dictionaryPathBeside(const std::string& executablePath)
{
    std::size_t lastSeparator = executablePath.find_last_of(PATH_SEPARATOR);
    std::string directory =
        lastSeparator == std::string::npos ? std::string(".") : executablePath.substr(0, lastSeparator);
    return directory + PATH_SEPARATOR + DICTIONARY_FILE_NAME;
}

void buildDictionaryPath()
{
    gameState.dictionaryPath = dictionaryPathBeside(runningExecutablePath());
}

bool loadDictionary()
{
    std::string contents;
    bool readable = readWholeFile(gameState.dictionaryPath, contents);
    dropByteOrderMark(contents);
    storeDictionaryWords(contents);
    return readable;
}
