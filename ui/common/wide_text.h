// UTF-8 and UTF-16: Windows names files in UTF-16, the game keeps their names in UTF-8.
#pragma once

#include <string>
#include <vector>

// The UTF-16 form of `text`, ended by a zero, for the "W" functions. A vector rather than a
// std::wstring, which would link the C++ library's whole wide-string code (30 KB) into the program.
std::vector<wchar_t> widenedUtf8(const std::string& text);

std::string utf8Of(const wchar_t* text, std::size_t length);
