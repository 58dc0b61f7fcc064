// read-words FILE: reads the file and prints how many words it holds; the whole run that
// lettro-solve's is measured against.
#include <cstdio>

#include "bench/floor_words.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: read-words FILE\n");
        return 2;
    }
    std::vector<char> contents;
    std::printf("%zu\n", readAndCountWords(argv[1], contents));
    return 0;
}
