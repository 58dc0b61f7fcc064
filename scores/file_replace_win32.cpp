// Under Windows rename refuses an existing target; MoveFileExA can replace it.
#include <windows.h>

#include "scores/file_replace.h"

bool replaceFile(const char* replacement, const char* target)
{
    return MoveFileExA(replacement, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

unsigned long lastSystemError()
{
    return GetLastError();
}
