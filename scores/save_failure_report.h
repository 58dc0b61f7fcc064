// Saving the high-score table at the end, and telling the player when it could not be saved.
#pragma once

#include <windows.h>

// Saves the table; when the file cannot be replaced, the old one stays as it was and a box owned
// by `owner` names the file and the system's reason.
void saveHighScoresOrReport(HWND owner);
