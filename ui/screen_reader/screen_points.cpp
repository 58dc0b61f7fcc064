// Converting screen points between logical and physical pixels for the MSAA objects. Windows 8.1
// and later convert per monitor; before that, LogicalToPhysicalPoint does it, and 8.1 made that
// one a no-op. Both are looked up, since neither exists on every Windows the game starts on.
#include "ui/screen_reader/screen_points.h"

#include "ui/common/system_library.h"

namespace {

typedef BOOL(WINAPI* PointFunction)(HWND, LPPOINT);

POINT converted(HWND window, POINT point, const char* perMonitorName, const char* plainName)
{
    HMODULE user = GetModuleHandleW(L"user32.dll");
    PointFunction convert = functionIn<PointFunction>(user, perMonitorName);
    if (convert == nullptr) {
        convert = functionIn<PointFunction>(user, plainName);
    }
    if (convert != nullptr) {
        convert(window, &point);
    }
    return point;
}

} // namespace

POINT physicalPoint(HWND window, POINT logical)
{
    return converted(window, logical, "LogicalToPhysicalPointForPerMonitorDPI", "LogicalToPhysicalPoint");
}

POINT logicalPoint(HWND window, POINT physical)
{
    return converted(window, physical, "PhysicalToLogicalPointForPerMonitorDPI", "PhysicalToLogicalPoint");
}
