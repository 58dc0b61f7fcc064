// A typed name cut to the high-score table's bytes between characters, never inside one.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The longest start of `text`, in the ANSI code page `codePage`, that is whole characters of at
// most `limit` bytes: a double-byte code page steps by its lead bytes, UTF-8 (65001) over its
// continuation bytes, any other code page byte by byte.
std::string wholeCharactersOf(const std::string& text, std::size_t limit, UINT codePage);
