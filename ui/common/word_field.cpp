// Reading and writing the word field of the main window, and how it takes the focus.
#include "ui/common/word_field.h"

#include <windows.h>

#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"

namespace {

WNDPROC editProcedure = nullptr;

// The dialog manager selects the whole text of an edit that it tabs into when the edit answers
// DLGC_HASSETSEL, and typing would then replace the word whose tiles stay picked: the word field
// does not answer it, and puts the caret after its text whenever it takes the focus. A click
// places the caret where it lands afterwards, as in any edit.
LRESULT CALLBACK wordFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(editProcedure, field, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        result &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
    } else if (message == WM_SETFOCUS) {
        LPARAM end = GetWindowTextLengthA(field);
        CallWindowProcA(editProcedure, field, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    return result;
}

} // namespace

void keepCaretAtEndOnFocus(HWND field)
{
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wordFieldProc)));
    if (previous != wordFieldProc) {
        editProcedure = previous;
    }
}

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
