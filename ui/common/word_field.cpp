// Reading and writing the word field of the main window.
#include "ui/common/word_field.h"

#include <windows.h>

#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"

std::string wordFieldText()
{
    int length = GetWindowTextLengthA(GetDlgItem(mainWindow, IDC_WORD_FIELD));
    SIZE_T room = static_cast<SIZE_T>(length) + 1;
    char* text = static_cast<char*>(GlobalAlloc(GPTR, room));
    if (text == nullptr) {
        return std::string();
    }
    GetDlgItemTextA(mainWindow, IDC_WORD_FIELD, text, length + 1);
    std::string typed(text);
    GlobalFree(text);
    return typed;
}

// Setting the text puts the caret at its start; typing after a pick must add to the end.
void setWordFieldText(const std::string& text)
{
    SetDlgItemTextA(mainWindow, IDC_WORD_FIELD, text.c_str());
    WPARAM end = static_cast<WPARAM>(text.size());
    SendDlgItemMessageA(mainWindow, IDC_WORD_FIELD, EM_SETSEL, end, static_cast<LPARAM>(end));
}
