// The floor under any loader: reading the file into memory and finding its words.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reads the file into `contents` and returns the number of words in it.
std::size_t readAndCountWords(const std::string& path, std::vector<char>& contents);
