// A save that fails is reported, with Retry: the player would otherwise lose entries unaware.
#include "ui/dialogs/save_failure_report.h"

#include <string>

#include "scores/file_replace.h"
#include "scores/high_score_table.h"
#include "ui/common/error_box.h"

namespace {

// The system's words for a read-only file would not tell the player what to mend.
std::string reasonFor(unsigned long failure)
{
    if (failure == READ_ONLY_FILE_FAILURE) {
        return std::string("The file is read-only. Clear \"Read-only\" in the Properties of \"") +
               HIGH_SCORE_FILE_NAME + "\", then click Retry.";
    }
    return systemReason(failure);
}

} // namespace

bool saveHighScoresOrReport(HWND owner)
{
    for (unsigned long failure = saveHighScores(); failure != 0; failure = saveHighScores()) {
        std::string text = std::string("The high scores could not be saved to \"") + HIGH_SCORE_FILE_NAME +
                           "\".\r\n\r\n" + reasonFor(failure);
        if (showErrorBox(owner, text, MB_RETRYCANCEL) != IDRETRY) {
            return false;
        }
    }
    return true;
}
