// UTF-8 and UTF-16: Windows names files in UTF-16, the game keeps their names in UTF-8.
#pragma once

#include <string>

std::wstring widenedUtf8(const std::string& text);
std::string utf8Of(const wchar_t* text, std::size_t length);
