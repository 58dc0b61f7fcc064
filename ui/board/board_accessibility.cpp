// The board as MSAA objects: a table of rows of cells, each named by its letters, read from the
// same state the painting reads. An IAccessible is a COM interface that Windows calls through its
// own function table, so one small class answers it; what it says is worked out by free functions.
#include "ui/board/board_accessibility.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/cell_actions.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/common/wide_text.h"
#include "ui/screen_reader/object_enumeration.h"
#include "ui/screen_reader/oleacc_functions.h"
#include "ui/screen_reader/screen_points.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

enum PartKind { TABLE, ROW, CELL };

// The table, one of its rows or one of its cells; a row's column is unused, the table's both.
struct Part {
    PartKind kind;
    int row;
    int column;
};

const Part WHOLE_TABLE = {TABLE, 0, 0};

int tileOf(const Part& part)
{
    return tileAt(part.row, part.column);
}

char letterAt(int row, int column)
{
    return gameState.tileLetters[readingPlaceOfTile(tileAt(row, column))];
}

Part cellOf(int tile)
{
    return Part{CELL, rowOfTile(tile), columnOfTile(tile)};
}

// ---- what each part says ----

std::string partName(const Part& part)
{
    if (part.kind == TABLE) {
        return "Board";
    }
    if (part.kind == CELL) {
        return cellName(PlacedLetter{letterAt(part.row, part.column), part.row, part.column});
    }
    std::string letters;
    for (int column = 0; column < BOARD_SIZE; ++column) {
        letters += letterAt(part.row, column);
    }
    return rowName(part.row, letters);
}

LONG partRole(const Part& part)
{
    return part.kind == TABLE ? ROLE_SYSTEM_TABLE : part.kind == ROW ? ROLE_SYSTEM_ROW : ROLE_SYSTEM_CELL;
}

bool isFocusedCell(const Part& part)
{
    return part.kind == CELL && boardHasFocus() && tileOf(part) == boardView.focusTile;
}

LONG partState(const Part& part)
{
    if (part.kind == TABLE) {
        LONG state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_MULTISELECTABLE | (boardHasFocus() ? STATE_SYSTEM_FOCUSED : 0);
        return state | (IsWindowEnabled(boardWindow()) ? 0 : STATE_SYSTEM_UNAVAILABLE);
    }
    if (part.kind == ROW) {
        return 0;
    }
    LONG state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    state |= pickedPlace(tileOf(part)) != 0 ? STATE_SYSTEM_SELECTED : 0;
    return state | (isFocusedCell(part) ? STATE_SYSTEM_FOCUSED : 0);
}

std::string partDescription(const Part& part)
{
    return part.kind == CELL ? cellDescription(tileOf(part)) : "";
}

// The picked cells within `part`, in the word's order: every pick of the table, a row's own.
std::vector<Part> pickedCellsOf(const Part& part)
{
    std::vector<Part> picked;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        bool inPart = part.kind == TABLE || (part.kind == ROW && rowOfTile(tile) == part.row);
        if (inPart && pickedPlace(tile) != 0) {
            picked.push_back(cellOf(tile));
        }
    }
    std::sort(picked.begin(), picked.end(),
              [](const Part& one, const Part& other) { return pickedPlace(tileOf(one)) < pickedPlace(tileOf(other)); });
    return picked;
}

// The part's rectangle in the main window's client pixels.
RECT partRect(const Part& part)
{
    if (part.kind == CELL) {
        return tileRect(tileOf(part));
    }
    RECT board = boardRect();
    if (part.kind == TABLE) {
        return board;
    }
    RECT cell = tileRect(tileAt(part.row, 0));
    return RECT{board.left, cell.top, board.right, cell.bottom};
}

// ---- the parts around a part ----

// Before the first deal the table has no rows.
int childCount(const Part& part)
{
    if (part.kind == CELL || !gameState.boardDealt) {
        return 0;
    }
    return BOARD_SIZE;
}

// A row by its number from 1, a cell by cellChildId; within a row, a cell by its column from 1.
bool childPart(const Part& part, LONG id, Part& child)
{
    if (childCount(part) == 0) {
        return false;
    }
    if (part.kind == ROW) {
        child = Part{CELL, part.row, static_cast<int>(id) - 1};
        return isOnBoard(child.row, child.column);
    }
    if (id >= 1 && id <= BOARD_SIZE) {
        child = Part{ROW, static_cast<int>(id) - 1, 0};
        return true;
    }
    int tile;
    bool isCell = tileOfChildId(id, tile);
    child = cellOf(tile);
    return isCell;
}

// The next part in direction `direction`; false at an edge or where the direction leads nowhere.
bool neighbour(const Part& part, LONG direction, Part& next)
{
    int rowStep = direction == NAVDIR_DOWN ? 1 : direction == NAVDIR_UP ? -1 : 0;
    int columnStep = direction == NAVDIR_RIGHT ? 1 : direction == NAVDIR_LEFT ? -1 : 0;
    int siblingStep = direction == NAVDIR_NEXT ? 1 : direction == NAVDIR_PREVIOUS ? -1 : 0;
    if (part.kind == ROW) {
        rowStep += siblingStep;
        columnStep = 0;
    } else {
        columnStep += siblingStep;
    }
    next = Part{part.kind, part.row + rowStep, part.column + columnStep};
    return part.kind != TABLE && (rowStep != 0 || columnStep != 0) && isOnBoard(next.row, next.column);
}

bool navigate(const Part& part, LONG direction, Part& next)
{
    if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
        int last = direction == NAVDIR_LASTCHILD ? BOARD_SIZE - 1 : 0;
        next = part.kind == TABLE ? Part{ROW, last, 0} : Part{CELL, part.row, last};
        return childCount(part) != 0;
    }
    return neighbour(part, direction, next);
}

// The child of `part` at the client point, or false when the point is outside `part`.
bool childAt(const Part& part, POINT client, Part& child)
{
    RECT rect = partRect(part);
    int tile;
    if (!PtInRect(&rect, client) || !tileAtPixel(client.x, client.y, tile)) {
        return false;
    }
    child = part.kind == TABLE ? Part{ROW, rowOfTile(tile), 0} : cellOf(tile);
    return true;
}

// ---- the COM object ----

BSTR wideText(const std::string& text)
{
    return text.empty() ? nullptr : SysAllocString(widenedUtf8(text).data());
}

void setNumber(VARIANT* value, LONG number)
{
    value->vt = VT_I4;
    value->lVal = number;
}

// The part that `child` names, seen from `self`: itself (CHILDID_SELF) or one of its children.
HRESULT resolve(const Part& self, VARIANT child, Part& named)
{
    if (!IsWindow(boardWindow())) {
        return E_FAIL;
    }
    named = self;
    bool known = child.vt == VT_I4 && (child.lVal == CHILDID_SELF || childPart(self, child.lVal, named));
    return known ? S_OK : E_INVALIDARG;
}

// A number the part `child` of `self` answers with (its role, its state), as a VARIANT.
HRESULT numberOf(const Part& self, VARIANT child, VARIANT* value, LONG (*answer)(const Part&))
{
    Part named;
    HRESULT result = resolve(self, child, named);
    VariantInit(value);
    if (SUCCEEDED(result)) {
        setNumber(value, answer(named));
    }
    return result;
}

bool setPart(VARIANT* value, const Part& part);
HRESULT setSelection(VARIANT* selection, const std::vector<Part>& picked);

// The cell that `child` names, seen from `self`. A child id that names nothing is E_INVALIDARG; a
// row or the table, which have no action, DISP_E_MEMBERNOTFOUND.
HRESULT resolveActingCell(const Part& self, VARIANT child, int& tile)
{
    Part named;
    HRESULT result = resolve(self, child, named);
    tile = tileOf(named);
    return FAILED(result) ? result : named.kind == CELL ? S_OK : DISP_E_MEMBERNOTFOUND;
}

// accSelect: the table takes the focus, a row nothing, a cell by the cells' rules.
HRESULT selectPart(const Part& self, long flags, VARIANT child)
{
    Part named;
    HRESULT result = resolve(self, child, named);
    if (FAILED(result)) {
        return result;
    }
    if (named.kind == TABLE) {
        return selectBoard(flags);
    }
    return named.kind == CELL ? selectCell(tileOf(named), flags) : E_INVALIDARG;
}

// One part of the board, made afresh for each question. It holds no game state, so it answers for
// the board as it stands, and it answers nothing once the main window is gone. What it says is
// worked out by the functions above; what it does not offer, it says so.
class BoardPart final : public IAccessible {
  public:
    explicit BoardPart(const Part& shown) : part(shown)
    {
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
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // No type library: readers call IAccessible's methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // The table's parent is the board control's window object, as for every control's client area.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = nullptr;
        if (!IsWindow(boardWindow())) {
            return E_FAIL;
        }
        if (part.kind == TABLE) {
            *parent = standardObject(boardWindow(), OBJID_WINDOW);
        } else {
            *parent = new (std::nothrow) BoardPart(part.kind == CELL ? Part{ROW, part.row, 0} : WHOLE_TABLE);
        }
        return *parent != nullptr ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        *count = childCount(part);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        *object = nullptr;
        Part named;
        HRESULT result = resolve(part, child, named);
        if (SUCCEEDED(result) && child.lVal != CHILDID_SELF) {
            *object = new (std::nothrow) BoardPart(named);
        }
        return FAILED(result) ? result : *object != nullptr ? S_OK : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        Part named;
        HRESULT result = resolve(part, child, named);
        *name = SUCCEEDED(result) ? wideText(partName(named)) : nullptr;
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        Part named;
        HRESULT result = resolve(part, child, named);
        *description = SUCCEEDED(result) ? wideText(partDescription(named)) : nullptr;
        return FAILED(result) ? result : *description != nullptr ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return numberOf(part, child, role, partRole);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return numberOf(part, child, state, partState);
    }

    // The cell under the focus mark, while the board has the focus: from the table or its row as
    // an object of its own, from the cell itself as CHILDID_SELF.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        VariantInit(focus);
        Part cell = cellOf(boardView.focusTile);
        bool inPart = (part.kind == TABLE || part.row == cell.row) && (part.kind != CELL || part.column == cell.column);
        if (!inPart || !isFocusedCell(cell)) {
            return S_FALSE;
        }
        if (part.kind == CELL) {
            setNumber(focus, CHILDID_SELF);
            return S_OK;
        }
        return setPart(focus, cell) ? S_OK : E_OUTOFMEMORY;
    }

    // In physical screen pixels, as MSAA works.
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        Part named = part;
        HRESULT result = resolve(part, child, named);
        RECT rect = partRect(named);
        MapWindowPoints(mainWindow, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        POINT corner = physicalPoint(mainWindow, POINT{rect.left, rect.top});
        POINT end = physicalPoint(mainWindow, POINT{rect.right, rect.bottom});
        *left = corner.x;
        *top = corner.y;
        *width = end.x - corner.x;
        *height = end.y - corner.y;
        return result;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        VariantInit(end);
        Part from, to;
        HRESULT result = resolve(part, start, from);
        if (FAILED(result) || !navigate(from, direction, to)) {
            return FAILED(result) ? result : S_FALSE;
        }
        return setPart(end, to) ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override
    {
        VariantInit(found);
        POINT client = logicalPoint(mainWindow, POINT{x, y});
        ScreenToClient(mainWindow, &client);
        Part child;
        if (!IsWindow(boardWindow()) || !childAt(part, client, child)) {
            return IsWindow(boardWindow()) ? S_FALSE : E_FAIL;
        }
        if (part.kind == CELL || childCount(part) == 0) {
            setNumber(found, CHILDID_SELF);
            return S_OK;
        }
        return setPart(found, child) ? S_OK : E_OUTOFMEMORY;
    }

    // Not offered: which cells are picked is told by each cell's state, and Space picks.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override
    {
        *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override
    {
        *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        *file = nullptr;
        *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override
    {
        *shortcut = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        VariantInit(selection);
        if (!IsWindow(boardWindow())) {
            return E_FAIL;
        }
        return setSelection(selection, pickedCellsOf(part));
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        int tile;
        HRESULT result = resolveActingCell(part, child, tile);
        *action = result == S_OK ? wideText(defaultActionOf(tile)) : nullptr;
        return result != S_OK ? result : *action != nullptr ? S_OK : DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return selectPart(part, flags, child);
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        int tile;
        HRESULT result = resolveActingCell(part, child, tile);
        return result != S_OK ? result : doDefaultAction(tile);
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override
    {
        return E_NOTIMPL;
    }

  private:
    LONG references = 1;
    Part part;
};

// A part handed out as an object of its own.
bool setPart(VARIANT* value, const Part& part)
{
    BoardPart* object = new (std::nothrow) BoardPart(part);
    value->vt = object != nullptr ? VT_DISPATCH : VT_EMPTY;
    value->pdispVal = object;
    return object != nullptr;
}

// No pick is VT_EMPTY, one is the cell's object, more are an enumeration of their objects.
HRESULT setSelection(VARIANT* selection, const std::vector<Part>& picked)
{
    if (picked.empty()) {
        return S_FALSE;
    }
    if (picked.size() == 1) {
        return setPart(selection, picked[0]) ? S_OK : E_OUTOFMEMORY;
    }
    std::vector<IDispatch*> objects;
    for (const Part& cell : picked) {
        BoardPart* object = new (std::nothrow) BoardPart(cell);
        if (object != nullptr) {
            objects.push_back(object);
        }
    }
    if (objects.size() != picked.size()) {
        for (IDispatch* object : objects) {
            object->Release();
        }
        return E_OUTOFMEMORY;
    }
    IEnumVARIANT* enumeration = enumerationOf(objects);
    if (enumeration == nullptr) {
        return E_OUTOFMEMORY;
    }
    selection->vt = VT_UNKNOWN;
    selection->punkVal = enumeration;
    return S_OK;
}

} // namespace

LRESULT answerBoardObject(WPARAM wParam)
{
    BoardPart* table = new (std::nothrow) BoardPart(WHOLE_TABLE);
    if (table == nullptr) {
        return 0;
    }
    LRESULT answer = resultFromObject(__uuidof(IAccessible), wParam, table);
    table->Release();
    return answer;
}

void raiseNewBoard()
{
    raiseTableEvent(EVENT_OBJECT_REORDER);
    if (boardHasFocus()) {
        raiseCellEvent(EVENT_OBJECT_FOCUS, boardView.focusTile);
    }
}
