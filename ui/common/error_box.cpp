// The boxes that report something gone wrong: one caption, the system's own reason, any code page.
#include "ui/common/error_box.h"

#include "ui/common/ui_state.h"
#include "ui/common/wide_text.h"

std::string systemReason(unsigned long error)
{
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text / sizeof text[0], nullptr);
    std::string reason = utf8Of(text, length);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "Error " + std::to_string(error) + "." : reason;
}

int showErrorBox(HWND owner, const std::string& text, UINT buttons)
{
    return MessageBoxW(owner, widenedUtf8(text).data(), widenedUtf8(ERROR_BOX_TITLE).data(),
                       buttons | MB_ICONEXCLAMATION);
}
