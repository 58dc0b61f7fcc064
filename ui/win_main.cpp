// The entry point: find the word list, then run the main window until the player leaves.
#include <windows.h>

#include "engine/dictionary.h"
#include "ui/main_window.h"
#include "ui/resources/resource_ids.h"
#include "ui/ui_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    appInstance = instance;
    buildDictionaryPath();
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, mainDialogProc, 0));
}
