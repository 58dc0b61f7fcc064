// A save that fails is reported, with Retry: the player would otherwise lose entries unaware.
#include "scores/save_failure_report.h"

#include <string>

#include "scores/high_score_table.h"
#include "ui/ui_state.h"

namespace {

// The system's own words for an error code, without the line end it ends with.
std::string systemReason(unsigned long error)
{
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "Error " + std::to_string(error) + "." : reason;
}

} // namespace

bool saveHighScoresOrReport(HWND owner)
{
    while (!saveHighScores()) {
        std::string text = std::string("The high scores could not be saved to \"") + HIGH_SCORE_FILE_NAME +
                           "\".\r\n\r\n" + systemReason(highScoreSaveError);
        if (MessageBoxA(owner, text.c_str(), ERROR_BOX_TITLE, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY) {
            return false;
        }
    }
    return true;
}
