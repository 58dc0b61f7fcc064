// Replacing a file under Windows (MoveFileExA: rename refuses an existing target), flushing one,
// and the lock file that copies of the game take turns with.
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "scores/file_replace.h"

const unsigned long FAILURE_WITHOUT_CODE = ERROR_GEN_FAILURE;
const unsigned long READ_ONLY_FILE_FAILURE = ERROR_FILE_READ_ONLY;

namespace {

HANDLE lockHandle = INVALID_HANDLE_VALUE;

const DWORD LOCK_PAUSE_MS = 50;

// GetLastError for a call that failed; never 0, even for a call that left no code.
unsigned long systemError()
{
    DWORD error = GetLastError();
    return error != 0 ? error : FAILURE_WITHOUT_CODE;
}

const DWORD REPLACE_PAUSE_MS = 50;

// What another program's open handle on the target answers a replacement with.
bool isMomentaryRefusal(unsigned long error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Windows answers a replacement of a read-only file with access denied, as it answers another
// program's open handle, but waiting never ends this one. Looked at before each try: Wine replaces
// a read-only file, and the attribute the player set must hold wherever the game runs.
bool isReadOnlyFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace

void clearLibraryError()
{
    _doserrno = 0;
    errno = 0;
}

unsigned long libraryError()
{
    return _doserrno != 0 ? static_cast<unsigned long>(_doserrno) : FAILURE_WITHOUT_CODE;
}

unsigned long flushToDisk(std::FILE* file)
{
    clearLibraryError();
    if (std::fflush(file) != 0) {
        return libraryError();
    }
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return FlushFileBuffers(handle) != 0 ? 0 : systemError();
}

unsigned long replaceFile(const char* replacement, const char* target)
{
    DWORD started = GetTickCount();
    for (;;) {
        if (isReadOnlyFile(target)) {
            return READ_ONLY_FILE_FAILURE;
        }
        if (MoveFileExA(replacement, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return 0;
        }
        unsigned long error = systemError();
        if (!isMomentaryRefusal(error) || GetTickCount() - started >= REPLACE_RETRY_MS) {
            return error;
        }
        Sleep(REPLACE_PAUSE_MS);
    }
}

bool isMissingFileError(unsigned long error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

unsigned long currentProcessId()
{
    return GetCurrentProcessId();
}

// Opened with no sharing, so a second opener is refused while the first holds it; deleted when
// the holder closes it, so nothing is left beside the table.
void lockScoresFile(const char* lockName, unsigned long waitMs)
{
    DWORD started = GetTickCount();
    for (;;) {
        lockHandle = CreateFileA(lockName, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (lockHandle != INVALID_HANDLE_VALUE || !isLockHeldByAnother(lockName, GetLastError()) ||
            GetTickCount() - started >= waitMs) {
            return;
        }
        Sleep(LOCK_PAUSE_MS);
    }
}

void unlockScoresFile()
{
    if (lockHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(lockHandle);
        lockHandle = INVALID_HANDLE_VALUE;
    }
}

// A lock file held by another copy answers with a sharing violation; one that a scanner holds
// while it is being deleted answers with access denied. Both let go within moments. A folder in
// which no file can be made answers access denied too, but there the lock file is not found:
// waiting would only hold the player up.
bool isLockHeldByAnother(const char* lockName, unsigned long error)
{
    if (error != ERROR_ACCESS_DENIED) {
        return error == ERROR_SHARING_VIOLATION;
    }
    return GetFileAttributesA(lockName) != INVALID_FILE_ATTRIBUTES || GetLastError() != ERROR_FILE_NOT_FOUND;
}
