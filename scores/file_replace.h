// Putting a finished file in the place of another in one step, locking the table's file against
// other copies of the game, and the platform's error codes.
#pragma once

#include <cstdio>

// Error codes are the system's own (Windows' system error codes, errno's values natively), and
// 0 means success. A failure that leaves no code behind is FAILURE_WITHOUT_CODE
// (ERROR_GEN_FAILURE under Windows, EIO natively), so that no failure ever reads as 0.
extern const unsigned long FAILURE_WITHOUT_CODE;

// Forgets the C library's record of the last error, right before a C library call whose failure
// is to be told: a stale code would otherwise be reported as the reason.
void clearLibraryError();

// The system's code behind the C library call that failed last: _doserrno under Windows, which
// the C runtime sets from the system call beneath it, errno natively.
unsigned long libraryError();

// Forces what has been written to `file` onto the disk (fflush, then FlushFileBuffers under
// Windows, fsync natively): a power cut after the replacement must not find the new file empty.
// Returns the error code.
unsigned long flushToDisk(std::FILE* file);

// Replaces `target` with `replacement` (rename natively, MoveFileExA under Windows), and
// natively records the new name on the disk too, by syncing the target's folder. Returns the
// error code. Windows refuses to replace a file that another program has open (another copy
// reading it, a scanner, a backup) with a sharing violation or access denied; such a refusal is
// tried again for up to REPLACE_RETRY_MS before it is reported, as the reader lets go in moments.
// Windows refuses to replace a read-only file too, and that lasts until the player clears the
// attribute: a read-only target is reported at once, as READ_ONLY_FILE_FAILURE, with no retries.
unsigned long replaceFile(const char* replacement, const char* target);
constexpr unsigned long REPLACE_RETRY_MS = 1000;

// The code for a target that is read-only (ERROR_FILE_READ_ONLY under Windows); natively a
// rename replaces a file whatever its own permissions, and no code means it.
extern const unsigned long READ_ONLY_FILE_FAILURE;

// Whether an error code from opening a file means that there is no such file (as opposed to one
// that exists but cannot be opened now).
bool isMissingFileError(unsigned long error);

// This process's id: it keeps each copy's temporary file apart from every other copy's.
unsigned long currentProcessId();

// Waits until no other process holds the lock file `lockName`, then holds it until
// unlockScoresFile: two copies of the game saving at one moment must not both read the old file
// and each write it without the other's entry. The system lets go of the lock when a process
// ends, however it ends. A save holds the lock for milliseconds, so one held past `waitMs` belongs
// to a copy that has hung, and the save goes ahead without it; so does one whose lock file cannot
// be made at all (a folder that cannot be written).
void lockScoresFile(const char* lockName, unsigned long waitMs);
void unlockScoresFile();

// Whether the lock file `lockName`, which could not be taken with `error`, is held by another
// copy, which lets go within moments: only such a lock is waited for.
bool isLockHeldByAnother(const char* lockName, unsigned long error);
