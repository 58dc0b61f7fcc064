// IEnumVARIANT over a fixed list of objects: a COM interface that screen readers call, so one
// small class answers it.
#include "ui/screen_reader/object_enumeration.h"

#include <new>

namespace {

class ObjectEnumeration final : public IEnumVARIANT {
  public:
    ObjectEnumeration(const std::vector<IDispatch*>& shown, ULONG start) : objects(shown), next(start)
    {
        for (IDispatch* object : objects) {
            object->AddRef();
        }
    }

    ~ObjectEnumeration()
    {
        for (IDispatch* object : objects) {
            object->Release();
        }
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        bool offered = id == __uuidof(IUnknown) || id == __uuidof(IEnumVARIANT);
        *object = offered ? this : nullptr;
        if (offered) {
            AddRef();
        }
        return offered ? S_OK : E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&references));
    }

    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // Each object handed out carries a reference of its own, which the caller releases.
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* items, ULONG* fetched) override
    {
        if (fetched != nullptr) {
            *fetched = 0;
        }
        if (items == nullptr) {
            return E_POINTER;
        }
        ULONG given = 0;
        for (; given < wanted && next < objects.size(); ++given, ++next) {
            VariantInit(&items[given]);
            items[given].vt = VT_DISPATCH;
            items[given].pdispVal = objects[next];
            objects[next]->AddRef();
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == wanted ? S_OK : S_FALSE;
    }

    // Stops at the end, however large the count: the position never wraps round.
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        ULONG left = static_cast<ULONG>(objects.size()) - next;
        if (count > left) {
            next = static_cast<ULONG>(objects.size());
            return S_FALSE;
        }
        next += count;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Reset() override
    {
        next = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override
    {
        *copy = new (std::nothrow) ObjectEnumeration(objects, next);
        return *copy != nullptr ? S_OK : E_OUTOFMEMORY;
    }

  private:
    LONG references = 1;
    std::vector<IDispatch*> objects;
    ULONG next;
};

} // namespace

IEnumVARIANT* enumerationOf(const std::vector<IDispatch*>& objects)
{
    IEnumVARIANT* enumeration = new (std::nothrow) ObjectEnumeration(objects, 0);
    for (IDispatch* object : objects) {
        object->Release();
    }
    return enumeration;
}
