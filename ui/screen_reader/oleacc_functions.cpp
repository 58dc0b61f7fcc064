// oleacc.dll's functions through GetProcAddress: oleacc is no known DLL, so it is loaded from
// System32 by its full path, once, when a screen reader (or any other reader) first asks.
#include "ui/screen_reader/oleacc_functions.h"

#include "ui/common/system_library.h"

namespace {

typedef LRESULT(WINAPI* ResultFromObjectFunction)(REFIID, WPARAM, LPUNKNOWN);
typedef HRESULT(WINAPI* StandardObjectFunction)(HWND, LONG, REFIID, void**);

bool oleaccLoaded = false;
ResultFromObjectFunction resultFromObjectFunction = nullptr;
StandardObjectFunction standardObjectFunction = nullptr;

// Kept loaded to the end: objects it made may be held by another process meanwhile.
void loadOleacc()
{
    if (oleaccLoaded) {
        return;
    }
    oleaccLoaded = true;
    HMODULE oleacc = loadSystemLibrary(L"oleacc.dll");
    if (oleacc != nullptr) {
        resultFromObjectFunction = functionIn<ResultFromObjectFunction>(oleacc, "LresultFromObject");
        standardObjectFunction = functionIn<StandardObjectFunction>(oleacc, "CreateStdAccessibleObject");
    }
}

} // namespace

LRESULT resultFromObject(REFIID interfaceId, WPARAM wParam, IUnknown* object)
{
    loadOleacc();
    LRESULT answer = resultFromObjectFunction != nullptr ? resultFromObjectFunction(interfaceId, wParam, object) : 0;
    // A failure comes back as a negative COM error code.
    return answer > 0 ? answer : 0;
}

IAccessible* standardObject(HWND window, LONG objectId)
{
    loadOleacc();
    void* object = nullptr;
    if (standardObjectFunction == nullptr ||
        FAILED(standardObjectFunction(window, objectId, __uuidof(IAccessible), &object))) {
        return nullptr;
    }
    return static_cast<IAccessible*>(object);
}

HRESULT offerAccessible(IAccessible* self, REFIID interfaceId, void** object)
{
    bool offered = interfaceId == __uuidof(IUnknown) || interfaceId == __uuidof(IDispatch) ||
                   interfaceId == __uuidof(IAccessible);
    *object = offered ? self : nullptr;
    if (offered) {
        self->AddRef();
    }
    return offered ? S_OK : E_NOINTERFACE;
}
