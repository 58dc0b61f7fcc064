// Loading a DLL that is not one of Windows' known DLLs, from System32 only.
#pragma once

#include <windows.h>

// The DLL `name` (for example L"oleacc.dll") from the system folder by its full path, never from
// the exe's folder or the working folder, where a dropped file of that name would run. Null when
// the system has no such DLL.
HMODULE loadSystemLibrary(const wchar_t* name);
