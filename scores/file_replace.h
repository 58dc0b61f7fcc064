// Putting a finished file in the place of another in one step: the platform's own call.
#pragma once

// Replaces `target` with `replacement` (rename natively, MoveFileExA under Windows).
bool replaceFile(const char* replacement, const char* target);
