// The fuzzers' scratch files and the check that turns a broken promise into a saved crash.
#include "fuzz/fuzz_support.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace {

std::string folder;

// libFuzzer ends a timed run with exit, so the folder goes with the process.
void removeScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace

const std::string& scratchFolder()
{
    if (folder.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/lettro-fuzz-XXXXXX";
        fuzzCheck(mkdtemp(&pattern[0]) != nullptr, "cannot create a scratch folder");
        folder = pattern;
        std::atexit(removeScratchFolder);
    }
    return folder;
}

void writeFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    fuzzCheck(!file.fail(), "cannot write a scratch file");
}

std::string readFuzzFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void checkWordList(const WordList& list, int count, const std::vector<std::string>& expected, const char* what)
{
    fuzzCheck(count == static_cast<int>(expected.size()), what);
    for (int slot = 0; slot < count; ++slot) {
        fuzzCheck(wordAt(list, slot) == expected[static_cast<std::size_t>(slot)], what);
    }
}

void fuzzCheck(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

std::string toupperEach(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string textUpToZero(const std::uint8_t* data, std::size_t size)
{
    const void* zero = std::memchr(data, 0, size);
    std::size_t length =
        zero == nullptr ? size : static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - data);
    return std::string(reinterpret_cast<const char*>(data), length);
}
