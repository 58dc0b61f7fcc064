// The main window's word field, as the window's own code reads and writes it.
#pragma once

#include <windows.h>

#include <string>

// Makes `field` (the word field of a main window just created) take the focus by Tab or Shift+Tab,
// or by any other way, with the caret after its text and nothing selected, so that typing extends
// the word.
void keepCaretAtEndOnFocus(HWND field);

// The field's whole text; empty while the main window is not open.
std::string wordFieldText();

// Replaces the field's text and puts the caret after its end, where typing goes on.
void setWordFieldText(const std::string& text);
