// The entry point: find the word list, then run the main window until the player leaves.
#include <windows.h>

#include <objbase.h>

#include "engine/dictionary.h"
#include "ui/app/main_window.h"
#include "ui/common/system_library.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    keepLaterDllLoadsInSystem32();
    appInstance = instance;
    // The Shell's handlers for ShellExecute (the help) may be COM objects; Microsoft asks for COM
    // on the calling thread first, single-threaded, and without OLE1's DDE.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    buildDictionaryPath();
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, mainDialogProc, 0);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return static_cast<int>(result);
}
