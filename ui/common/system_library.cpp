// Loading a DLL from System32 by its full path: Windows looks for a DLL that is not a known one
// beside the exe first, where a file dropped into Downloads would run every time the game starts.
#include "ui/common/system_library.h"

#include <cwchar>

HMODULE loadSystemLibrary(const wchar_t* name)
{
    // LOAD_LIBRARY_SEARCH_SYSTEM32 came with AddDllDirectory (KB2533623 on Windows 7).
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel != nullptr && GetProcAddress(kernel, "AddDllDirectory") != nullptr) {
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    wchar_t path[MAX_PATH];
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + std::wcslen(name) >= MAX_PATH) {
        return nullptr;
    }
    std::wcscat(path, L"\\");
    std::wcscat(path, name);
    // The DLL's own dependencies are then looked for beside it, in System32, too.
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void keepLaterDllLoadsInSystem32()
{
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFunction)(DWORD);
    auto setDefaultDllDirectories =
        functionIn<SetDefaultDllDirectoriesFunction>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}
