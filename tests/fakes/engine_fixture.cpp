// Helpers shared by the engine tests.
#include "tests/fakes/engine_fixture.h"

#include <ftw.h>

#include <cstdio>
#include <cstdlib>

#include "engine/deal.h"

void resetGameState()
{
    gameState = GameState();
}

void useDictionary(std::initializer_list<const char*> words)
{
    gameState.dictionaryCount = 0;
    for (const char* word : words) {
        storeWord(gameState.dictionary, gameState.dictionaryCount, word);
    }
}

void useBoard(const char* readingOrder)
{
    for (int position = 0; position < TILE_COUNT; ++position) {
        gameState.tileLetters[position] = readingOrder[position];
    }
    layOutBoard();
}

std::string solutionsText()
{
    std::string text;
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        text += slot == 0 ? "" : " ";
        text += wordAt(gameState.solutionList, slot);
    }
    return text;
}

namespace {

std::string createdFolder;

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return std::remove(path);
}

// The folder goes when the test process ends, so test runs leave nothing behind in /tmp.
void removeTestFolder()
{
    nftw(createdFolder.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace

std::string testFolder()
{
    if (createdFolder.empty()) {
        char pattern[] = "/tmp/lettro-test-XXXXXX";
        createdFolder = mkdtemp(pattern);
        std::atexit(removeTestFolder);
    }
    return createdFolder;
}

std::string writeTestFile(const std::string& name, const std::string& bytes)
{
    std::string path = testFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

std::string readTestFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "<missing>";
    }
    std::string bytes;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    std::fclose(file);
    return bytes;
}
