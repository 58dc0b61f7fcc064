// The main window's word field, as the window's own code reads and writes it.
#pragma once

#include <string>

// The field's whole text; empty while the main window is not open.
std::string wordFieldText();

// Replaces the field's text and puts the caret after its end, where typing goes on.
void setWordFieldText(const std::string& text);
