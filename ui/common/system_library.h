// Loading a DLL that is not one of Windows' known DLLs from System32 only, and the functions that
// not every Windows the game starts on has.
#pragma once

#include <windows.h>

// The DLL `name` (for example L"oleacc.dll") from the system folder by its full path, never from
// the exe's folder or the working folder, where a dropped file of that name would run. Null when
// the system has no such DLL.
HMODULE loadSystemLibrary(const wchar_t* name);

// Keeps the DLLs that the system's own components load later by name (the shell's, the help
// viewer's) in System32 too, never beside the exe. Done first thing; where Windows lacks
// SetDefaultDllDirectories (Windows 7 without KB2533623), nothing is done.
void keepLaterDllLoadsInSystem32();

// The function `name` of the loaded module `module`, looked up rather than imported, so that the
// exe still starts on a Windows without it; null where it is missing.
template <typename Function> Function functionIn(HMODULE module, const char* name)
{
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    // GetProcAddress hands every function back as one type; the cast through void (*)() says so.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
