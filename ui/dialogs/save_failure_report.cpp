// A save that fails is reported, with Retry: the player would otherwise lose entries unaware.
#include "ui/dialogs/save_failure_report.h"

#include <string>

#include "scores/high_score_table.h"
#include "ui/common/error_box.h"

bool saveHighScoresOrReport(HWND owner)
{
    for (unsigned long failure = saveHighScores(); failure != 0; failure = saveHighScores()) {
        std::string text = std::string("The high scores could not be saved to \"") + HIGH_SCORE_FILE_NAME +
                           "\".\r\n\r\n" + systemReason(failure);
        if (showErrorBox(owner, text, MB_RETRYCANCEL) != IDRETRY) {
            return false;
        }
    }
    return true;
}
