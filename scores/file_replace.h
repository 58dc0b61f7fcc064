// Putting a finished file in the place of another in one step, and the platform's error codes.
#pragma once

// Replaces `target` with `replacement` (rename natively, MoveFileExA under Windows).
bool replaceFile(const char* replacement, const char* target);

// The error code of the platform call that failed last (GetLastError under Windows, errno natively).
unsigned long lastSystemError();
