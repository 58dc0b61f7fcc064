// Loading "words.dic" from beside the executable, and the case-folding rule shared with submission.
#include "engine/dictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/game_state.h"

namespace {

#ifdef _WIN32
const char PATH_SEPARATOR = '\\';
#else
const char PATH_SEPARATOR = '/';
#endif

const char UTF8_BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
// Old word lists end with a Ctrl-Z, which Windows' text-mode reads take as the end of the file.
const char END_OF_FILE_MARK = '\x1A';

// Words are read in pieces of this size, straight into the dictionary's byte block just past the
// words already stored, so that the block never holds more than those words and one piece.
const std::size_t PIECE_BYTES = 65536;
// At most n / 2 + 1 words end in a piece of n bytes.
const std::size_t ENDS_PER_PIECE = PIECE_BYTES / 2 + 1;
// Word ends are 32-bit: the block takes no piece that could carry it past 4 GiB.
const std::size_t MAX_BLOCK_BYTES = UINT32_MAX - PIECE_BYTES;
// A file's length is taken as a hint for reserving the block only up to this size.
const std::size_t MAX_RESERVED_BYTES = std::size_t(64) << 20;

// How far splitting the file into words has gone.
struct Split {
    std::size_t written; // end of the stored words, and of the word being read, in the block
    unsigned inWord;     // 1 when the last byte read belongs to a word
    int count;           // words completed
};

// For each byte, what the loader needs to know of it in one load: its upper-cased form in the
// low byte, and SEPARATOR for the six white-space bytes that separate words (space, \t, \n,
// \v, \f, \r).
const unsigned SEPARATOR = 0x100;

struct ByteTable {
    std::uint16_t of[256];
};

constexpr ByteTable makeByteTable()
{
    ByteTable table = {};
    for (int byte = 0; byte < 256; ++byte) {
        bool separator = byte == ' ' || (byte >= '\t' && byte <= '\r');
        unsigned upper = static_cast<unsigned char>(upperCasedByte(static_cast<char>(byte)));
        table.of[byte] = static_cast<std::uint16_t>(upper | (separator ? SEPARATOR : 0));
    }
    return table;
}

constexpr ByteTable BYTES = makeByteTable();

// The file's length, 0 when it cannot tell; the file is left where it was.
std::size_t fileLength(std::FILE* file)
{
    long at = std::ftell(file);
    long length = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    std::fseek(file, at < 0 ? 0 : at, SEEK_SET);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// Editors on Windows may start the file with a UTF-8 byte-order mark; left in, it would make
// the first word one that no board can ever hold. Leaves the file just past the mark, if any.
void skipByteOrderMark(std::FILE* file)
{
    char start[sizeof UTF8_BYTE_ORDER_MARK - 1];
    std::size_t got = std::fread(start, 1, sizeof start, file);
    if (got != sizeof start || std::memcmp(start, UTF8_BYTE_ORDER_MARK, sizeof start) != 0) {
        std::fseek(file, 0, SEEK_SET);
    }
}

void reserveForFile(WordList& list, std::size_t fileBytes)
{
    list.bytes.reserve(list.bytes.size() + std::min(fileBytes, MAX_RESERVED_BYTES) + PIECE_BYTES);
    list.ends.reserve(static_cast<std::size_t>(WORD_LIST_CAPACITY) + ENDS_PER_PIECE);
}

// Splits the piece that lies in the block from split.written on: each byte of a word is
// upper-cased and moved down over the white space before it, and each word's end is noted.
// No branch depends on the bytes, since word lengths are too irregular to predict.
void splitPiece(WordList& list, Split& split, std::size_t pieceBytes)
{
    std::size_t words = static_cast<std::size_t>(split.count);
    if (list.ends.size() < words + ENDS_PER_PIECE) {
        list.ends.resize(words + ENDS_PER_PIECE);
    }
    char* block = list.bytes.data();
    std::uint32_t* ends = list.ends.data();
    std::size_t written = split.written;
    unsigned inWord = split.inWord;
    for (std::size_t at = split.written; at < split.written + pieceBytes; ++at) {
        unsigned byte = BYTES.of[static_cast<unsigned char>(block[at])];
        unsigned separator = byte >> 8;
        block[written] = static_cast<char>(byte);
        written += separator ^ 1u;
        ends[words] = static_cast<std::uint32_t>(written);
        words += separator & inWord;
        inWord = separator ^ 1u;
    }
    split = {written, inWord, static_cast<int>(words)};
}

// Keeps the first 999,999 words; the rest of the file is ignored.
void keepWithinCapacity(const WordList& list, Split& split)
{
    if (split.count >= WORD_LIST_CAPACITY) {
        split = {list.ends[WORD_LIST_CAPACITY - 1], 0, WORD_LIST_CAPACITY};
    }
}

// Reads the next piece into `into`, up to the first end-of-file mark if there is one; `ended`
// tells that the file has nothing more to give.
std::size_t readPiece(std::FILE* file, char* into, bool& ended)
{
    std::size_t got = std::fread(into, 1, PIECE_BYTES, file);
    const char* mark = static_cast<const char*>(std::memchr(into, END_OF_FILE_MARK, got));
    ended = mark != nullptr || std::feof(file) != 0;
    return mark != nullptr ? static_cast<std::size_t>(mark - into) : got;
}

// Reads the file's words into the list from slot `count` on, counting them in `count`; false when
// the file could not be read to its end.
bool readWords(std::FILE* file, WordList& list, int& count)
{
    Split split = {bytesBefore(list, count), 0, count};
    forgetSlotsFrom(list, count);
    reserveForFile(list, fileLength(file));
    bool ended = false;
    while (!ended && split.count < WORD_LIST_CAPACITY && split.written <= MAX_BLOCK_BYTES) {
        list.bytes.resize(split.written + PIECE_BYTES);
        std::size_t got = readPiece(file, list.bytes.data() + split.written, ended);
        if (got == 0) {
            break;
        }
        splitPiece(list, split, got);
        keepWithinCapacity(list, split);
    }
    // The end of the file, or its end-of-file mark, ends its last word.
    if (split.inWord != 0 && ended) {
        list.ends[static_cast<std::size_t>(split.count++)] = static_cast<std::uint32_t>(split.written);
    }
    list.bytes.resize(split.written);
    list.ends.resize(static_cast<std::size_t>(split.count));
    count = split.count;
    return std::ferror(file) == 0;
}

} // namespace

std::string upperCased(std::string word)
{
    for (char& c : word) {
        c = upperCasedByte(c);
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

WordListLoad wordListLoad = {WORD_LIST_USABLE, 0};

bool loadDictionary()
{
    unsigned long openError = 0;
    std::FILE* file = openWordList(gameState.dictionaryPath, openError);
    wordListLoad = {WORD_LIST_NOT_OPENED, openError};
    if (file != nullptr) {
        skipByteOrderMark(file);
        if (readWords(file, gameState.dictionary, gameState.dictionaryCount)) {
            wordListLoad = {gameState.dictionaryCount == 0 ? WORD_LIST_EMPTY : WORD_LIST_USABLE, 0};
        } else {
            wordListLoad = {WORD_LIST_NOT_READ, lastReadError()};
        }
        std::fclose(file);
    }
    indexDictionary();
    return wordListLoad.fault == WORD_LIST_USABLE || wordListLoad.fault == WORD_LIST_EMPTY;
}
