// The dialog templates and the menu as compiled into the program: every style, id, class, text and rectangle.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>
#include <vector>

#include "ui/resources/resource_ids.h"

namespace {

const char BUTTON[] = "BUTTON", EDIT[] = "EDIT", STATIC[] = "STATIC", LISTBOX[] = "LISTBOX";

struct Control {
    int id;
    std::string className;
    std::string text;
    short x, y, width, height;
    DWORD style, extendedStyle;
};

struct Dialog {
    DWORD style, extendedStyle;
    short width, height;
    std::string caption, font;
    WORD pointSize;
    std::vector<Control> controls;
};

// ---- reading a classic DLGTEMPLATE ----

const WORD* skipText(const WORD* at, std::string* text = nullptr)
{
    if (*at == 0xFFFF) {
        return at + 2;
    }
    for (; *at != 0; ++at) {
        if (text != nullptr) {
            *text += static_cast<char>(*at);
        }
    }
    return at + 1;
}

const WORD* alignToDword(const WORD* at)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~ULONG_PTR(3));
}

// A class given by its predefined number or by its name, as the name in capitals.
const WORD* readClassName(const WORD* at, std::string& name)
{
    const char* predefined[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX"};
    if (*at == 0xFFFF) {
        name = at[1] >= 0x80 && at[1] <= 0x83 ? predefined[at[1] - 0x80] : "?";
        return at + 2;
    }
    at = skipText(at, &name);
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return at;
}

const WORD* readControl(const WORD* at, Control& control)
{
    const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(alignToDword(at));
    control = {item->id, "", "", item->x, item->y, item->cx, item->cy, item->style, item->dwExtendedStyle};
    at = reinterpret_cast<const WORD*>(item + 1);
    at = readClassName(at, control.className);
    at = skipText(at, &control.text);
    return at + 1 + *at / sizeof(WORD);
}

Dialog readTemplate(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    const DLGTEMPLATE* head = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
    Dialog dialog = {head->style, head->dwExtendedStyle, head->cx, head->cy, "", "", 0, {}};
    const WORD* at = reinterpret_cast<const WORD*>(head + 1);
    at = skipText(skipText(at)); // menu, class
    at = skipText(at, &dialog.caption);
    dialog.pointSize = *at;
    at = skipText(at + 1, &dialog.font);
    for (int item = 0; item < head->cdit; ++item) {
        Control control;
        at = readControl(at, control);
        dialog.controls.push_back(control);
    }
    return dialog;
}

void expectControls(const Dialog& actual, const std::vector<Control>& expected)
{
    ASSERT_EQ(actual.controls.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const Control& a = actual.controls[index];
        const Control& e = expected[index];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.className, e.className);
        EXPECT_EQ(a.text, e.text);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        EXPECT_EQ(a.width, e.width);
        EXPECT_EQ(a.height, e.height);
        EXPECT_EQ(a.style, e.style);
        EXPECT_EQ(a.extendedStyle, e.extendedStyle);
    }
}

const DWORD CV = WS_CHILD | WS_VISIBLE;

TEST(Templates, MainWindow)
{
    Dialog main = readTemplate(IDD_MAIN);
    EXPECT_EQ(main.style, DWORD(WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                WS_MAXIMIZEBOX | DS_CENTER | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK));
    EXPECT_EQ(main.extendedStyle, DWORD(WS_EX_APPWINDOW));
    EXPECT_EQ(main.caption, "Lettro");
    EXPECT_EQ(main.font, "Comic Sans MS");
    EXPECT_EQ(main.pointSize, 12);
    EXPECT_EQ(main.width, 350);
    EXPECT_EQ(main.height, 200);
    // In the Tab order: the word field, Submit, the board, the found-words list.
    expectControls(main, {
        {IDC_WORD_FIELD, EDIT, "", 26, 165, 100, 12, CV | WS_BORDER | WS_GROUP | WS_TABSTOP | ES_NOHIDESEL | ES_LEFT,
         WS_EX_STATICEDGE},
        {IDC_SUBMIT, BUTTON, "Submit", 130, 165, 60, 12, CV | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {IDC_BOARD, "LETTROBOARD", "", 28, 29, 96, 101, CV | WS_DISABLED | WS_TABSTOP, 0},
        {IDC_FOUND_WORDS, LISTBOX, "", 150, 25, 175, 128,
         CV | WS_VSCROLL | WS_TABSTOP | LBS_NOSEL | LBS_DISABLENOSCROLL | LBS_HASSTRINGS, 0},
        {IDC_WORDS_FOUND_LABEL, STATIC, "Words Found", 25, 135, 55, 10, CV | SS_LEFT, 0},
        {IDC_SCORE_DISPLAY, EDIT, "", 67, 135, 55, 12, CV | ES_READONLY, 0},
        {IDC_TIME_LABEL, STATIC, "Time Remaining", 150, 12, 70, 10, CV | SS_LEFT, 0},
        {IDC_TIME_DISPLAY, EDIT, "", 197, 12, 24, 12, CV | ES_READONLY, 0},
        {IDC_STATUS_LINE, EDIT, "", 26, 180, 100, 13, CV | ES_READONLY | ES_CENTER, 0},
        {IDC_ANNOUNCER, STATIC, "", 26, 180, 100, 13, CV | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, 0},
        {IDC_TIME_ANNOUNCER, STATIC, "", 26, 180, 100, 13, CV | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, 0},
    });
}

TEST(Templates, HighScores)
{
    Dialog scores = readTemplate(IDD_HIGH_SCORES);
    EXPECT_EQ(scores.style, DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT |
                                  DS_FIXEDSYS | DS_3DLOOK));
    EXPECT_EQ(scores.caption, "High Scores");
    EXPECT_EQ(scores.width, 186);
    EXPECT_EQ(scores.height, 218);
    std::vector<Control> expected = {{IDOK, BUTTON, "OK", 66, 194, 50, 14, CV | WS_TABSTOP | BS_DEFPUSHBUTTON, 0}};
    const short rowY[] = {17, 33, 49, 65, 81, 97, 113, 129, 145, 162};
    const DWORD rowStyle = CV | WS_TABSTOP | ES_LEFT | ES_READONLY;
    for (int row = 0; row < 10; ++row) {
        int slot = 9 - row;
        expected.push_back({1000 + 2 * slot, EDIT, "", 6, rowY[row], 109, 15, rowStyle, WS_EX_TRANSPARENT});
        expected.push_back({1001 + 2 * slot, EDIT, "", 125, rowY[row], 52, 15, rowStyle, WS_EX_TRANSPARENT});
    }
    expectControls(scores, expected);
}

TEST(Templates, AboutAndEnterName)
{
    Dialog about = readTemplate(IDD_ABOUT);
    EXPECT_EQ(about.style, DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_CENTER | DS_MODALFRAME | DS_SETFONT |
                                 DS_FIXEDSYS | DS_3DLOOK));
    EXPECT_EQ(about.extendedStyle, DWORD(WS_EX_TRANSPARENT));
    EXPECT_EQ(about.caption, "About");
    EXPECT_EQ(about.width, 186);
    EXPECT_EQ(about.height, 95);
    expectControls(about, {
        {IDOK, BUTTON, "OK", 129, 7, 50, 14, CV | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {IDC_ABOUT_TEXT, EDIT, "", 6, 30, 116, 60, CV | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_CENTER,
         WS_EX_TRANSPARENT},
    });
    Dialog enterName = readTemplate(IDD_ENTER_NAME);
    EXPECT_EQ(enterName.style, DWORD(WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                                     DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_3DLOOK));
    EXPECT_EQ(enterName.caption, "Enter Name");
    EXPECT_EQ(enterName.width, 151);
    EXPECT_EQ(enterName.height, 49);
    expectControls(enterName, {
        {IDC_NAME_FIELD, EDIT, "", 6, 5, 139, 13, CV | WS_BORDER | WS_TABSTOP | ES_LEFT, 0},
        {IDC_NAME_OK, BUTTON, "OK", 50, 27, 50, 14, CV | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    });
}

// One line an item, a pop-up's items indented below it: its text, its command id, whether grayed.
std::string describeMenu(HMENU menu, const std::string& indent = "")
{
    std::string lines;
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(item), text, sizeof text, MF_BYPOSITION);
        UINT state = GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION);
        lines += indent + text;
        if (HMENU popup = GetSubMenu(menu, item)) {
            lines += "\n" + describeMenu(popup, indent + "  ");
            continue;
        }
        lines += " " + std::to_string(GetMenuItemID(menu, item)) + ((state & MF_GRAYED) != 0 ? " grayed" : "") + "\n";
    }
    return lines;
}

// The manifest as built into the shipped program, read from its file.
std::string manifestOf(const char* program)
{
    HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    const char* bytes = found != nullptr ? static_cast<const char*>(LockResource(LoadResource(module, found))) : "";
    std::string manifest(bytes, found != nullptr ? SizeofResource(module, found) : 0);
    FreeLibrary(module);
    return manifest;
}

TEST(Resources, ManifestRunsAsInvokerOnEveryWindowsWithVisualStylesAwareOfEachMonitorsDpi)
{
    std::string manifest = manifestOf(LETTRO_PROGRAM);
    for (const char* entry : {
             "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
             "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>", // Windows 7
             "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>", // 8
             "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>", // 8.1
             "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", // 10 and 11
             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
             "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, System</dpiAwareness>",
         }) {
        EXPECT_NE(manifest.find(entry), std::string::npos) << entry;
    }
    // GDI scaling applies only to a program that is not aware of the DPI: it would stretch nothing.
    EXPECT_EQ(manifest.find("gdiScaling"), std::string::npos);
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos) << "names keep the bytes of the ANSI code page";
}

TEST(Templates, MainMenu)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(303));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(describeMenu(menu), "&File\n"
                                  "  &New Game\tF2 40000\n"
                                  "  New &Untimed Game\tShift+F2 40006\n"
                                  "  &End Game 40007 grayed\n"
                                  "  &High Scores 40003\n"
                                  "  &Solutions 40005 grayed\n"
                                  "  E&xit 40001\n"
                                  "Help\n"
                                  "  Help\tF1 40004\n"
                                  "  About 40002\n");
    DestroyMenu(menu);
}

} // namespace
