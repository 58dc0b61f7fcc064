// The DPI of a window, from user32 where it knows the window's own monitor, else the system's.
#include "ui/common/window_dpi.h"

#include "ui/common/system_library.h"

namespace {

// Looked up rather than imported: Windows before 10 1607 has no GetDpiForWindow.
typedef UINT(WINAPI* GetDpiForWindowFunction)(HWND);

GetDpiForWindowFunction findGetDpiForWindow()
{
    return functionIn<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
}

const GetDpiForWindowFunction getDpiForWindow = findGetDpiForWindow();

int systemDpi(HWND window)
{
    HDC context = GetDC(window);
    int dpi = context != nullptr ? GetDeviceCaps(context, LOGPIXELSX) : 0;
    ReleaseDC(window, context);
    return dpi;
}

} // namespace

int windowDpi(HWND window)
{
    if (window == nullptr) {
        return BASE_DPI;
    }
    int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(window)) : 0;
    if (dpi <= 0) {
        dpi = systemDpi(window);
    }
    return dpi > 0 ? dpi : BASE_DPI;
}
