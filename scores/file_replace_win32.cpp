// Replacing a file under Windows (MoveFileExA: rename refuses an existing target), and flushing one.
#include <io.h>
#include <windows.h>

#include "scores/file_replace.h"

namespace {

HANDLE turnHandle = INVALID_HANDLE_VALUE;

// Another copy's save takes milliseconds; one that holds the lock far longer has hung, and the
// save goes ahead rather than wait on it for ever.
const int TURN_ATTEMPTS = 100;
const DWORD TURN_PAUSE_MS = 50;

} // namespace

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

// Opened with no sharing, so a second opener is refused while the first holds it; deleted when
// the holder closes it, so nothing is left beside the table.
void takeTurn(const char* lockName)
{
    for (int attempt = 0; attempt < TURN_ATTEMPTS; ++attempt) {
        turnHandle = CreateFileA(lockName, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (turnHandle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) {
            return;
        }
        Sleep(TURN_PAUSE_MS);
    }
}

void endTurn()
{
    if (turnHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(turnHandle);
        turnHandle = INVALID_HANDLE_VALUE;
    }
}
