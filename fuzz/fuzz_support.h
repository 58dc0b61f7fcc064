// What every fuzzer needs: a folder of its own for the files it writes, and a check that stops it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/word_list.h"

// A fresh temporary folder for this process, created on first use and removed at exit; the
// fuzzers that read files write them there, so that two fuzzers running at once never share one.
const std::string& scratchFolder();

// Writes `size` bytes to `path`, replacing the file; stops the fuzzer if that fails.
void writeFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size);

// The whole content of a file, or "" when it cannot be opened.
std::string readFuzzFile(const std::string& path);

// Stops the fuzzer with `what` when `holds` is false: libFuzzer then saves the input as a crash.
void fuzzCheck(bool holds, const char* what);

// Stops the fuzzer unless the first `count` words of `list` are exactly `expected`, in order.
void checkWordList(const WordList& list, int count, const std::vector<std::string>& expected, const char* what);

// Every byte through the C library's toupper in the "C" locale: the game's case rule, restated.
std::string toupperEach(std::string text);

// The input as a window's text holds it: up to its first zero byte.
std::string textUpToZero(const std::uint8_t* data, std::size_t size);
