// Looks at a running Lettro from outside for the end-to-end tests: windows, control texts, the board.
//
//   window_probe windows                  every visible top-level window: enabled, rectangle, title
//   window_probe controls TITLE           the window titled TITLE, its client origin and its controls
//   window_probe board SHOT.ppm X Y TILES SIDE
//                                         the 16 letters of the board whose top-left pixel is at screen
//                                         pixel (X, Y) of the screenshot, its tiles SIDE pixels square
//                                         (60, at 100 %: the images are read at that size), in reading
//                                         order
//   window_probe accessible TITLE         what a screen reader reads of the window's controls: each
//                                         one's id, role and name; the cells of a table, each with
//                                         its name and state
//   window_probe focus TITLE              where the keyboard focus is in the thread of the window
//                                         titled TITLE, as a screen reader asks for it: the focused
//                                         window's control id and the title of its top-level window
//   window_probe listen SECONDS           what a screen reader hears from other programs for that
//                                         long: "listening" once the hook is set, then a line an
//                                         event (focus, selection, live region), in the order they
//                                         were raised: its code in hexadecimal and the name of the
//                                         object that raised it, read once the event is in
//
// Lines are tab-separated; texts are printed as they are, spaces included.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace
{

const UINT REPLY_TIMEOUT_MS = 3000;
const int BOARD_SIZE = 4;
// The side of a tile at 100 %, the only one whose images the probe knows.
const int TILE_PIXELS = 60;
const int LETTERS = 26;
// Mean difference per colour channel (0 to 255) above which a square shows no tile image. The two
// nearest images, O and Q, differ by 4.3: below half of that a square can be near one letter only.
const double MOST_DIFFERENCE_OF_A_MATCH = 2.0;

// ----- Windows and controls ---------------------------------------------------------------

// Asked of the window's own thread, so that the text of another process's control comes back.
std::string windowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, REPLY_TIMEOUT_MS, &length)) {
        return std::string();
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                        REPLY_TIMEOUT_MS, &copied);
    text.resize(copied);
    return text;
}

// A text of several lines on one line of the probe's output: each line end as the two characters \n.
std::string onOneLine(const std::string& text)
{
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

std::string classOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Asked in the wide form: Wine hands a list item to another process as wide characters even
// when the question was asked with the ANSI message, so the ANSI form brings back its first letter only.
void printListItems(HWND list, int id)
{
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, REPLY_TIMEOUT_MS, &count);
    for (DWORD_PTR index = 0; index < count; ++index) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, index, 0, SMTO_ABORTIFHUNG, REPLY_TIMEOUT_MS, &length);
        std::wstring wide(length + 1, L'\0');
        SendMessageTimeoutW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG,
                            REPLY_TIMEOUT_MS, &length);
        char item[512] = "";
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), item, sizeof item - 1, nullptr, nullptr);
        std::printf("item\t%d\t%s\n", id, item);
    }
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    RECT place;
    GetWindowRect(control, &place);
    int id = GetDlgCtrlID(control);
    std::string kind = classOf(control);
    std::printf("control\t%d\t%s\t%d\t%ld %ld %ld %ld\t%s\n", id, kind.c_str(), IsWindowEnabled(control) ? 1 : 0,
                place.left, place.top, place.right, place.bottom, onOneLine(windowText(control)).c_str());
    if (lstrcmpiA(kind.c_str(), "ListBox") == 0) {
        printListItems(control, id);
    }
    return TRUE;
}

int listControls(const char* title)
{
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr) {
        std::fprintf(stderr, "window_probe: no window titled \"%s\"\n", title);
        return 1;
    }
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT place;
    GetWindowRect(window, &place);
    std::printf("window\t%d\t%ld %ld\t%ld %ld %ld %ld\t%s\n", IsWindowEnabled(window) ? 1 : 0, origin.x, origin.y,
                place.left, place.top, place.right, place.bottom, title);
    DWORD face = GetSysColor(COLOR_BTNFACE);
    std::printf("face\t%d %d %d\n", GetRValue(face), GetGValue(face), GetBValue(face));
    EnumChildWindows(window, printControl, 0);
    return 0;
}

BOOL CALLBACK printTopLevelWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    RECT place;
    GetWindowRect(window, &place);
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    std::printf("window\t%d\t%ld %ld %ld %ld\t%s\n", IsWindowEnabled(window) ? 1 : 0, place.left, place.top,
                place.right, place.bottom, title);
    return TRUE;
}

int listWindows()
{
    EnumWindows(printTopLevelWindow, 0);
    return 0;
}

// ----- The board off a screenshot ---------------------------------------------------------

// Pixels as 0x00RRGGBB, row by row from the top.
struct Picture {
    int width;
    int height;
    std::vector<unsigned> pixels;
};

bool readPpmNumber(std::ifstream& in, int& number)
{
    in >> std::ws;
    while (in.peek() == '#') {
        std::string comment;
        std::getline(in, comment);
        in >> std::ws;
    }
    return static_cast<bool>(in >> number);
}

// A binary PPM (P6) with 8 bits a channel, as ImageMagick writes it.
bool readPpm(const char* path, Picture& picture)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    if (!(in >> magic) || magic != "P6" || !readPpmNumber(in, picture.width) || !readPpmNumber(in, picture.height) ||
        !readPpmNumber(in, maximum) || maximum != 255) {
        return false;
    }
    in.get();
    std::size_t count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    std::vector<unsigned char> bytes(count * 3);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return false;
    }
    picture.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i] = static_cast<unsigned>(bytes[3 * i] << 16 | bytes[3 * i + 1] << 8 | bytes[3 * i + 2]);
    }
    return true;
}

// The tile image shrunk onto 60 x 60 as the board paints it: StretchBlt in the context's default mode.
std::vector<unsigned> shrunkTileImage(const std::string& path)
{
    std::vector<unsigned> square;
    HBITMAP image = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (image == nullptr) {
        return square;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = TILE_PIXELS;
    info.bmiHeader.biHeight = -TILE_PIXELS;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC canvasContext = CreateCompatibleDC(nullptr);
    HDC imageContext = CreateCompatibleDC(nullptr);
    HGDIOBJ keptCanvas = SelectObject(canvasContext, canvas);
    HGDIOBJ keptImage = SelectObject(imageContext, image);
    BITMAP size;
    GetObjectA(image, sizeof size, &size);
    StretchBlt(canvasContext, 0, 0, TILE_PIXELS, TILE_PIXELS, imageContext, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    GdiFlush();
    const unsigned* pixels = static_cast<const unsigned*>(bits);
    for (int i = 0; i < TILE_PIXELS * TILE_PIXELS; ++i) {
        square.push_back(pixels[i] & 0x00FFFFFFu);
    }
    SelectObject(imageContext, keptImage);
    SelectObject(canvasContext, keptCanvas);
    DeleteDC(imageContext);
    DeleteDC(canvasContext);
    DeleteObject(canvas);
    DeleteObject(image);
    return square;
}

int channelDifference(unsigned a, unsigned b, int shift)
{
    return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
}

// The mean difference per colour channel between a reference and the square at (left, top).
double squareDifference(const Picture& shot, int left, int top, const std::vector<unsigned>& reference)
{
    long long total = 0;
    for (int y = 0; y < TILE_PIXELS; ++y) {
        for (int x = 0; x < TILE_PIXELS; ++x) {
            unsigned seen = shot.pixels[static_cast<std::size_t>((top + y) * shot.width + left + x)];
            unsigned wanted = reference[static_cast<std::size_t>(y * TILE_PIXELS + x)];
            total += channelDifference(seen, wanted, 16) + channelDifference(seen, wanted, 8) +
                     channelDifference(seen, wanted, 0);
        }
    }
    return static_cast<double>(total) / (3.0 * TILE_PIXELS * TILE_PIXELS);
}

// The letter whose shrunk image is nearest to the square; '?' when none is near enough.
char readSquare(const Picture& shot, int left, int top, const std::vector<std::vector<unsigned>>& references)
{
    int best = 0;
    double bestDifference = 1e9;
    for (int letter = 0; letter < LETTERS; ++letter) {
        double difference = squareDifference(shot, left, top, references[static_cast<std::size_t>(letter)]);
        if (difference < bestDifference) {
            best = letter;
            bestDifference = difference;
        }
    }
    if (bestDifference > MOST_DIFFERENCE_OF_A_MATCH) {
        std::fprintf(stderr, "window_probe: the square at (%d, %d) shows no tile (nearest %c, mean difference %.1f)\n",
                     left, top, 'A' + best, bestDifference);
        return '?';
    }
    return static_cast<char>('A' + best);
}

bool loadReferences(const std::string& tileFolder, std::vector<std::vector<unsigned>>& references)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string path = tileFolder + "\\" + letter + ".bmp";
        references.push_back(shrunkTileImage(path));
        if (references.back().empty()) {
            std::fprintf(stderr, "window_probe: cannot load the tile image %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

int readBoard(const char* shotPath, int boardX, int boardY, const char* tileFolder, int side)
{
    if (side != TILE_PIXELS) {
        std::fprintf(stderr, "window_probe: the board's tiles are %d pixels square; it reads %d-pixel ones only\n",
                     side, TILE_PIXELS);
        return 1;
    }
    Picture shot;
    if (!readPpm(shotPath, shot)) {
        std::fprintf(stderr, "window_probe: %s is not an 8-bit binary PPM picture\n", shotPath);
        return 1;
    }
    int boardPixels = BOARD_SIZE * TILE_PIXELS;
    if (boardX < 0 || boardY < 0 || boardX + boardPixels > shot.width || boardY + boardPixels > shot.height) {
        std::fprintf(stderr, "window_probe: the board lies outside the %dx%d screenshot\n", shot.width, shot.height);
        return 1;
    }
    std::vector<std::vector<unsigned>> references;
    if (!loadReferences(tileFolder, references)) {
        return 1;
    }
    std::string letters;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int column = 0; column < BOARD_SIZE; ++column) {
            letters += readSquare(shot, boardX + TILE_PIXELS * column, boardY + TILE_PIXELS * row, references);
        }
    }
    std::printf("%s\n", letters.c_str());
    return letters.find('?') == std::string::npos ? 0 : 1;
}

// ----- What a screen reader reads (MSAA) ----------------------------------------------------

VARIANT self()
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

std::string nameOf(IAccessible* object, VARIANT child)
{
    BSTR name = nullptr;
    object->get_accName(child, &name);
    char narrow[512] = "";
    if (name != nullptr) {
        WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
        SysFreeString(name);
    }
    return narrow;
}

LONG numberOf(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*))
{
    VARIANT value;
    VariantInit(&value);
    (object->*get)(self(), &value);
    return value.vt == VT_I4 ? value.lVal : -1;
}

// Each cell of a table, row by row: "cell", its name and its state, as hexadecimal.
void printCells(IAccessible* object, LONG role)
{
    VARIANT children[16];
    LONG count = 0;
    AccessibleChildren(object, 0, 16, children, &count);
    for (LONG at = 0; at < count; ++at) {
        IAccessible* child = nullptr;
        if (children[at].vt == VT_DISPATCH) {
            children[at].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
            children[at].pdispVal->Release();
        }
        if (child != nullptr && role == ROLE_SYSTEM_ROW) {
            std::printf("cell\t%s\t%lx\n", nameOf(child, self()).c_str(), numberOf(child, &IAccessible::get_accState));
        } else if (child != nullptr) {
            printCells(child, numberOf(child, &IAccessible::get_accRole));
        }
        if (child != nullptr) {
            child->Release();
        }
    }
}

BOOL CALLBACK printAccessibleControl(HWND control, LPARAM)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return TRUE;
    }
    LONG role = numberOf(object, &IAccessible::get_accRole);
    std::printf("named\t%d\t%ld\t%s\n", GetDlgCtrlID(control), role, nameOf(object, self()).c_str());
    if (role == ROLE_SYSTEM_TABLE) {
        printCells(object, role);
    }
    object->Release();
    return TRUE;
}

int listAccessible(const char* title)
{
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr) {
        std::fprintf(stderr, "window_probe: no window titled \"%s\"\n", title);
        return 1;
    }
    EnumChildWindows(window, printAccessibleControl, 0);
    return 0;
}

int printFocus(const char* title)
{
    HWND window = FindWindowA(nullptr, title);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (window == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)) {
        std::fprintf(stderr, "window_probe: no window titled \"%s\" or no thread to ask\n", title);
        return 1;
    }
    HWND focus = thread.hwndFocus;
    std::printf("focus\t%d\t%s\n", focus != nullptr ? GetDlgCtrlID(focus) : 0,
                focus != nullptr ? windowText(GetAncestor(focus, GA_ROOT)).c_str() : "");
    return 0;
}

// ----- What a screen reader hears (WinEvents, out of context) -----------------------------------

bool isHeard(DWORD event)
{
    return event == EVENT_OBJECT_FOCUS || (event >= EVENT_OBJECT_SELECTION && event <= EVENT_OBJECT_SELECTIONWITHIN) ||
           event == EVENT_OBJECT_LIVEREGIONCHANGED;
}

struct HeardEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

std::vector<HeardEvent> heard;

// Only noted here: naming an object asks the game's process, and while the probe waits for that
// answer the next event's callback runs inside the wait, so events named in their callbacks come
// out last first. A screen reader likewise queues events and reads them after the callback, in
// the order they were raised.
void CALLBACK noteEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (isHeard(event)) {
        heard.push_back(HeardEvent{event, window, object, child});
    }
}

void printEvent(const HeardEvent& taken)
{
    IAccessible* source = nullptr;
    VARIANT named;
    VariantInit(&named);
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(taken.window, static_cast<DWORD>(taken.object),
                                            static_cast<DWORD>(taken.child), &source, &named)) &&
        source != nullptr) {
        name = nameOf(source, named);
        source->Release();
    }
    std::printf("event\t%lx\t%s\n", taken.event, name.c_str());
    std::fflush(stdout);
}

int listen(int seconds)
{
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, noteEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (hook == nullptr) {
        std::fprintf(stderr, "window_probe: no event hook\n");
        return 1;
    }
    std::printf("listening\n");
    std::fflush(stdout);
    DWORD start = GetTickCount();
    std::size_t printed = 0;
    while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        // By index: events that come in while one is named are added behind it.
        while (printed < heard.size()) {
            HeardEvent next = heard[printed++];
            printEvent(next);
        }
    }
    UnhookWinEvent(hook);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: window_probe windows | controls TITLE | board SHOT.ppm X Y TILE-FOLDER SIDE | "
                         "accessible TITLE | focus TITLE | listen SECONDS\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Lines end with "\n" alone, as the shell that reads them expects.
    _setmode(_fileno(stdout), _O_BINARY);
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows" && argc == 2) {
        return listWindows();
    }
    if (command == "controls" && argc == 3) {
        return listControls(argv[2]);
    }
    if (command == "board" && argc == 7) {
        return readBoard(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argv[5], std::atoi(argv[6]));
    }
    CoInitialize(nullptr);
    if (command == "accessible" && argc == 3) {
        return listAccessible(argv[2]);
    }
    if (command == "focus" && argc == 3) {
        return printFocus(argv[2]);
    }
    if (command == "listen" && argc == 3) {
        return listen(std::atoi(argv[2]));
    }
    return usage();
}
