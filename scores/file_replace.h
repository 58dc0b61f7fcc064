// Putting a finished file in the place of another in one step, taking turns with other processes
// that do the same, and the platform's error codes.
#pragma once

#include <cstdio>

// Forces what has been written to `file` onto the disk (fflush, then FlushFileBuffers under
// Windows, fsync natively): a power cut after the replacement must not find the new file empty.
bool flushToDisk(std::FILE* file);

// Replaces `target` with `replacement` (rename natively, MoveFileExA under Windows), and
// natively records the new name on the disk too, by syncing the target's folder.
bool replaceFile(const char* replacement, const char* target);

// The error code of the platform call that failed last (GetLastError under Windows, errno natively).
unsigned long lastSystemError();

// Whether an error code from opening a file means that there is no such file (as opposed to one
// that exists but cannot be opened now).
bool isMissingFileError(unsigned long error);

// Waits until no other process holds the lock file `lockName`, then holds it until endTurn: two
// copies of the game saving at one moment must not both read the old file and each write it
// without the other's entry. The system lets go of the lock when a process ends, however it ends.
// A lock file that cannot be made at all (a folder that cannot be written) is not waited for.
void takeTurn(const char* lockName);
void endTurn();
