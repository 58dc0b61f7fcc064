// rename replaces an existing target atomically on POSIX systems.
#include <cerrno>
#include <cstdio>

#include "scores/file_replace.h"

bool replaceFile(const char* replacement, const char* target)
{
    return std::rename(replacement, target) == 0;
}

unsigned long lastSystemError()
{
    return static_cast<unsigned long>(errno);
}
