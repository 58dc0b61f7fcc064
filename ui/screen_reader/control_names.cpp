// Naming controls for screen readers. Dynamic Annotation names them where the system has it, and
// keeps the system's own support for edit controls whole; where it fails (Wine), the control
// answers WM_GETOBJECT with a thin object over the system's own that gives the name and passes
// every other question on. The control is subclassed either way, to take the name back when it goes.
#include "ui/screen_reader/control_names.h"

#include <map>
#include <new>
#include <string>

#include "scores/high_score_table.h"
#include "ui/common/wide_text.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/annotations.h"
#include "ui/screen_reader/oleacc_functions.h"

namespace {

struct NamedControl {
    std::string name;
    WNDPROC originalProc;
    bool annotated;
};

// Every named control that still exists, with what it was before it was named.
std::map<HWND, NamedControl> namedControls;

struct ControlName {
    int id;
    const char* name;
};

const ControlName MAIN_WINDOW_NAMES[] = {
    {IDC_WORD_FIELD, "Word"},
    {IDC_STATUS_LINE, "Status"},
    {IDC_FOUND_WORDS, "Words found this game"},
    {IDC_TIME_DISPLAY, "Time remaining"},
    {IDC_SCORE_DISPLAY, "Words found"},
};

// The system's own object for a control, with the name given here: every other question is its.
class NamedObject final : public IAccessible {
  public:
    NamedObject(IAccessible* system, const std::string& given) : standard(system), name(given)
    {
        standard->AddRef();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return offerAccessible(this, id, object);
    }

    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&references));
    }

    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            standard->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* given) override
    {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return standard->get_accName(child, given);
        }
        *given = SysAllocString(widenedUtf8(name).data());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return standard->GetTypeInfoCount(count);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** information) override
    {
        return standard->GetTypeInfo(index, locale, information);
    }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard->GetIDsOfNames(id, names, count, locale, ids);
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override
    {
        return standard->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return standard->get_accParent(parent);
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return standard->get_accChildCount(count);
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard->get_accChild(child, object);
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard->get_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return standard->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard->get_accRole(child, role);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard->get_accState(child, state);
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard->get_accHelp(child, help);
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard->get_accHelpTopic(file, child, topic);
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard->get_accKeyboardShortcut(child, shortcut);
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return standard->get_accFocus(focus);
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return standard->get_accSelection(selection);
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard->get_accDefaultAction(child, action);
    }

    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard->accSelect(flags, child);
    }

    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard->accLocation(left, top, width, height, child);
    }

    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard->accNavigate(direction, start, end);
    }

    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override
    {
        return standard->accHitTest(x, y, found);
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard->accDoDefaultAction(child);
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR text) override
    {
        return standard->put_accName(child, text);
    }

    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard->put_accValue(child, value);
    }

  private:
    LONG references = 1;
    IAccessible* standard;
    std::string name;
};

// The named object for the control's client area; 0 (the system answers) when it cannot be made.
LRESULT answerNamedObject(HWND control, const std::string& name, WPARAM wParam)
{
    IAccessible* standard = standardObject(control, OBJID_CLIENT);
    if (standard == nullptr) {
        return 0;
    }
    NamedObject* named = new (std::nothrow) NamedObject(standard, name);
    standard->Release();
    if (named == nullptr) {
        return 0;
    }
    LRESULT answer = resultFromObject(__uuidof(IAccessible), wParam, named);
    named->Release();
    return answer;
}

// The object id is compared as 32 bits, as Microsoft asks: on 64-bit Windows it can arrive
// sign-extended or not.
LRESULT CALLBACK namedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto found = namedControls.find(control);
    if (found == namedControls.end()) {
        return DefWindowProcA(control, message, wParam, lParam);
    }
    const NamedControl& named = found->second;
    WNDPROC original = named.originalProc;
    bool client = static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT);
    if (message == WM_GETOBJECT && client && !named.annotated) {
        LRESULT answer = answerNamedObject(control, named.name, wParam);
        if (answer > 0) {
            return answer;
        }
    }
    if (message == WM_NCDESTROY) {
        if (named.annotated) {
            clearAnnotations(control);
        }
        namedControls.erase(found);
    }
    return CallWindowProcA(original, control, message, wParam, lParam);
}

void nameControl(HWND dialog, int id, const std::string& name)
{
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr || namedControls.count(control) != 0) {
        return;
    }
    bool annotated = annotateName(control, name);
    LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    namedControls[control] = NamedControl{name, reinterpret_cast<WNDPROC>(original), annotated};
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(namedControlProc));
}

// Named by rank, not by row: the rows are read from the top (slot 9) down, and the entries among
// them are counted, so that the best entry is "Place 1" wherever its row is.
void nameHighScoreFields(HWND dialog)
{
    int rank = 0;
    for (int slot = HIGH_SCORE_SLOTS - 1; slot >= 0; --slot) {
        bool hasEntry = slot < highScoreTable.highScoreCount;
        std::string place = hasEntry ? "Place " + std::to_string(++rank) : std::string();
        nameControl(dialog, IDC_SCORE_NAME_FIRST + 2 * slot, hasEntry ? place + " name" : "Empty row");
        nameControl(dialog, IDC_SCORE_VALUE_FIRST + 2 * slot, hasEntry ? place + " score" : "Empty row");
    }
}

} // namespace

void nameControls(HWND dialog, int templateId)
{
    if (templateId == IDD_MAIN) {
        for (const ControlName& control : MAIN_WINDOW_NAMES) {
            nameControl(dialog, control.id, control.name);
        }
    } else if (templateId == IDD_ENTER_NAME) {
        nameControl(dialog, IDC_NAME_FIELD, "Your name");
    } else if (templateId == IDD_HIGH_SCORES) {
        nameHighScoreFields(dialog);
    } else if (templateId == IDD_SOLUTIONS) {
        nameControl(dialog, IDC_SOLUTIONS_LIST, "Words on this board");
    } else if (templateId == IDD_ABOUT) {
        nameControl(dialog, IDC_ABOUT_TEXT, "About Lettro");
    }
}
