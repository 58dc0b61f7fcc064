// The entry point: find the word list, then run the main window until the player leaves.
#include <windows.h>

#include <objbase.h>

#include "engine/dictionary.h"
#include "ui/main_window.h"
#include "ui/resources/resource_ids.h"
#include "ui/ui_state.h"

namespace {

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFunction)(DWORD);

// A DLL that the system's own components load later by name (the shell's, the help viewer's) is
// then looked for in System32 only, never beside the exe, where a dropped file would run. Windows 7
// has the function only with KB2533623: looked up, not imported, so that the exe starts without it.
void loadDllsFromSystem32Only()
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC found = kernel == nullptr ? nullptr : GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (found != nullptr) {
        // Through void (*)(void), the type that any function pointer may be cast by way of.
        auto setDefaultDllDirectories =
            reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    loadDllsFromSystem32Only();
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
