// Keys of the main window that its dialog manager never handles, seen by the thread's message
// hook before any dialog manager: DialogBox's own loop has no place for them.
#include "ui/main_window_keys.h"

#include "ui/resources/resource_ids.h"
#include "ui/ui_state.h"

namespace {

bool isLetter(WPARAM character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

bool isInMainWindow(HWND window)
{
    return window != nullptr && mainWindow != nullptr && GetAncestor(window, GA_ROOT) == mainWindow &&
           IsWindowEnabled(mainWindow);
}

// A letter typed on Submit, the board or the list belongs to the word: it goes into the word
// field, at its end, and the focus follows it there.
void sendLetterToWordField(MSG* message)
{
    HWND wordField = GetDlgItem(mainWindow, IDC_WORD_FIELD);
    if (message->hwnd == wordField || !IsWindowEnabled(wordField)) {
        return;
    }
    SetFocus(wordField);
    LPARAM end = GetWindowTextLengthA(wordField);
    SendMessageA(wordField, EM_SETSEL, static_cast<WPARAM>(end), end);
    message->hwnd = wordField;
}

} // namespace

bool takeMainWindowKey(MSG* message)
{
    if (!isInMainWindow(message->hwnd)) {
        return false;
    }
    if (message->message == WM_CHAR && isLetter(message->wParam)) {
        sendLetterToWordField(message);
    }
    return false;
}
