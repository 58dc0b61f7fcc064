// Dynamic Annotation through IAccPropServices, made with CoCreateInstance (COM loads oleacc.dll by
// the full path it is registered with). The identifiers are spelled out here: mingw's headers lack
// LiveSetting's, and taking the others from its libraries links to import stubs, not to GUIDs.
#include "ui/screen_reader/annotations.h"

#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "ui/common/wide_text.h"

namespace {

const CLSID PROPERTY_SERVICES_CLASS = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const IID PROPERTY_SERVICES_INTERFACE = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const MSAAPROPID NAME_PROPERTY = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's LiveSetting, which the system's MSAA-to-UIA bridge reads off the annotation.
const MSAAPROPID LIVE_SETTING_PROPERTY = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
const LONG LIVE_SETTING_POLITE = 1;

// The windows asked to be live regions, while they exist.
std::vector<HWND> liveRegionsAskedFor;

void rememberLiveRegion(HWND window)
{
    liveRegionsAskedFor.erase(std::remove_if(liveRegionsAskedFor.begin(), liveRegionsAskedFor.end(),
                                             [](HWND asked) { return !IsWindow(asked); }),
                              liveRegionsAskedFor.end());
    liveRegionsAskedFor.push_back(window);
}

IAccPropServices* propertyServices()
{
    void* services = nullptr;
    if (FAILED(CoCreateInstance(PROPERTY_SERVICES_CLASS, nullptr, CLSCTX_INPROC_SERVER, PROPERTY_SERVICES_INTERFACE,
                                &services))) {
        return nullptr;
    }
    return static_cast<IAccPropServices*>(services);
}

} // namespace

bool annotateName(HWND window, const std::string& name)
{
    IAccPropServices* services = propertyServices();
    if (services == nullptr) {
        return false;
    }
    HRESULT result = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, NAME_PROPERTY,
                                              widenedUtf8(name).data());
    services->Release();
    return SUCCEEDED(result);
}

bool annotateAsPoliteLiveRegion(HWND window)
{
    rememberLiveRegion(window);
    IAccPropServices* services = propertyServices();
    if (services == nullptr) {
        return false;
    }
    VARIANT polite;
    polite.vt = VT_I4;
    polite.lVal = LIVE_SETTING_POLITE;
    HRESULT result =
        services->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LIVE_SETTING_PROPERTY, polite);
    services->Release();
    return SUCCEEDED(result);
}

bool isAskedToBeLiveRegion(HWND window)
{
    return IsWindow(window) &&
           std::find(liveRegionsAskedFor.begin(), liveRegionsAskedFor.end(), window) != liveRegionsAskedFor.end();
}

void clearAnnotations(HWND window)
{
    IAccPropServices* services = propertyServices();
    if (services == nullptr) {
        return;
    }
    const MSAAPROPID laid[] = {NAME_PROPERTY, LIVE_SETTING_PROPERTY};
    services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, laid, 2);
    services->Release();
}
