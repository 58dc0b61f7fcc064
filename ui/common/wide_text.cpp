// Converting between the UTF-8 that the game keeps file names in and the UTF-16 of Windows.
#include "ui/common/wide_text.h"

#include <windows.h>

std::vector<wchar_t> widenedUtf8(const std::string& text)
{
    int length = static_cast<int>(text.size());
    int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string utf8Of(const wchar_t* text, std::size_t length)
{
    int wideLength = static_cast<int>(length);
    int utf8Length = WideCharToMultiByte(CP_UTF8, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, wideLength, &utf8[0], utf8Length, nullptr, nullptr);
    return utf8;
}
