// Saving new high scores, and telling the player when they could not be saved.
#pragma once

#include <windows.h>

// Saves the unsaved entries; when that fails, the old file stays as it was and a box owned by
// `owner` names the file and the system's reason and offers Retry, which tries the whole save
// again, and Cancel, which keeps the entries for the next save. Returns whether all were saved.
bool saveHighScoresOrReport(HWND owner);
