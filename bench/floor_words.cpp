// Reading a word list and counting its words, as plainly and quickly as it can be done.
#include "bench/floor_words.h"

#include <cstdio>

namespace {

bool isWordByte(char c)
{
    return c != ' ' && (c < '\t' || c > '\r');
}

} // namespace

std::size_t readAndCountWords(const std::string& path, std::vector<char>& contents)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    std::fseek(file, 0, SEEK_END);
    contents.resize(static_cast<std::size_t>(std::ftell(file)));
    std::fseek(file, 0, SEEK_SET);
    contents.resize(std::fread(contents.data(), 1, contents.size(), file));
    std::fclose(file);
    std::size_t words = 0;
    bool inWord = false;
    for (char c : contents) {
        bool wordByte = isWordByte(c);
        words += wordByte && !inWord;
        inWord = wordByte;
    }
    return words;
}
