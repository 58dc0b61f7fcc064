// Replacing a file under Windows (MoveFileExA: rename refuses an existing target), and flushing one.
#include <io.h>
#include <windows.h>

#include "scores/file_replace.h"

bool flushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0) {
        return false;
    }
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return FlushFileBuffers(handle) != 0;
}

bool replaceFile(const char* replacement, const char* target)
{
    return MoveFileExA(replacement, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

unsigned long lastSystemError()
{
    return GetLastError();
}

bool isMissingFileError(unsigned long error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
