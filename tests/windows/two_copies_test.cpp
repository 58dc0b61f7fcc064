// Copies of Lettro in one folder: two real ones naming their scores at once, and the lock they share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_life.h"
#include "scores/file_replace.h"
#include "ui/resources/resource_ids.h"
#include "windows_test_support.h"

namespace
{

const DWORD WAIT_MS = 20000;

struct Copy {
    PROCESS_INFORMATION process;
    HWND mainWindow;
};

struct Search {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter)
{
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && IsWindowVisible(window) && std::string(title) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The copy's visible top-level window titled `title`, waited for; null if it never comes.
HWND waitForWindow(const Copy& copy, const char* title)
{
    for (DWORD waited = 0; waited < WAIT_MS; waited += 50) {
        Search search = {copy.process.dwProcessId, title, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(50);
    }
    return nullptr;
}

// The copies started by the test running now, ended once it is over, whether it passed or not: a
// copy left running would keep the Wine prefix's server, and whatever waits for it, for ever.
std::vector<PROCESS_INFORMATION> startedCopies;

// Every copy also belongs to one job, which Windows ends, copies and all, when its last handle
// closes: when this test program ends, however it ends, killed at its time limit included.
HANDLE copiesJob = nullptr;

void joinCopiesJob(HANDLE process)
{
    if (copiesJob == nullptr) {
        copiesJob = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(copiesJob, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    AssignProcessToJobObject(copiesJob, process);
}

// Started suspended, so that it runs nothing before it is in the job.
Copy startCopy(const std::string& folder)
{
    Copy copy = {};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string program = folder + "\\Lettro.exe";
    if (CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, folder.c_str(),
                       &startup, &copy.process)) {
        joinCopiesJob(copy.process.hProcess);
        ResumeThread(copy.process.hThread);
        startedCopies.push_back(copy.process);
    }
    copy.mainWindow = waitForWindow(copy, "Lettro");
    return copy;
}

// Ended at once: whatever the test checks it has checked by then.
void endCopy(const PROCESS_INFORMATION& process)
{
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, WAIT_MS);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

class TwoCopies : public ::testing::Test {
  protected:
    void TearDown() override
    {
        for (const PROCESS_INFORMATION& process : startedCopies) {
            endCopy(process);
        }
        startedCopies.clear();
    }
};

// Deals, hands in every letter (the board's are words), runs the clock out by posted ticks, and
// dismisses the closing box: Enter Name is left open.
HWND playToEnterName(const Copy& copy, const std::string& name)
{
    SendMessageA(copy.mainWindow, WM_COMMAND, IDM_NEW_GAME, 0);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        char word[2] = {letter, '\0'};
        SendDlgItemMessageA(copy.mainWindow, IDC_WORD_FIELD, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(word));
        SendMessageA(copy.mainWindow, WM_COMMAND, IDC_SUBMIT, 0);
    }
    for (int tick = 0; tick < 180; ++tick) {
        PostMessageA(copy.mainWindow, WM_TIMER, COUNTDOWN_TIMER_ID, 0);
    }
    PostMessageA(waitForWindow(copy, CLOSING_TITLE), WM_COMMAND, IDOK, 0);
    HWND enterName = waitForWindow(copy, "Enter Name");
    SendDlgItemMessageA(enterName, IDC_NAME_FIELD, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return enterName;
}

bool showsErrorBox(const Copy& copy)
{
    Search search = {copy.process.dwProcessId, "Error", nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

TEST_F(TwoCopies, NamesEnteredAtOneMomentInOneFolderAreBothKeptWithoutABox)
{
    prepareWorkingFolder();
    std::string folder = workingFolder();
    ASSERT_TRUE(CopyFileA(LETTRO_PROGRAM, (folder + "\\Lettro.exe").c_str(), FALSE));
    writeBytes(folder + "\\words.dic", "a b c d e f g h i j k l m n o p q r s t u v w x y z");
    DeleteFileA((folder + "\\High Scores.dat").c_str());
    Copy first = startCopy(folder);
    Copy second = startCopy(folder);
    ASSERT_NE(first.mainWindow, nullptr);
    ASSERT_NE(second.mainWindow, nullptr);
    HWND firstName = playToEnterName(first, "First");
    HWND secondName = playToEnterName(second, "Second");
    ASSERT_NE(firstName, nullptr);
    ASSERT_NE(secondName, nullptr);

    // Both saves wait on a third holder of the lock, then start at one moment; the temporary file
    // a shared name would give is in the way.
    CreateDirectoryA((folder + "\\High Scores.dat.new").c_str(), nullptr);
    HANDLE lock = CreateFileA((folder + "\\High Scores.dat.lock").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    PostMessageA(firstName, WM_COMMAND, IDC_NAME_OK, 0);
    PostMessageA(secondName, WM_COMMAND, IDC_NAME_OK, 0);
    Sleep(1000);
    EXPECT_EQ(readBytes(folder + "\\High Scores.dat"), "<missing>") << "a save went ahead while the lock was held";
    CloseHandle(lock);
    for (DWORD waited = 0; waited < WAIT_MS && (IsWindow(firstName) || IsWindow(secondName)); waited += 50) {
        Sleep(50);
    }
    // A failed save's box would follow the dialog's closing within moments.
    Sleep(500);
    std::string saved = readBytes(folder + "\\High Scores.dat");
    EXPECT_NE(saved.find("First"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Second"), std::string::npos) << saved;
    EXPECT_FALSE(showsErrorBox(first));
    EXPECT_FALSE(showsErrorBox(second));
    RemoveDirectoryA((folder + "\\High Scores.dat.new").c_str());
}

// A copy stuck mid-save (here the test, holding the lock) keeps High Scores waiting a second at
// most: Windows calls a window that reads no messages for 5 s "Not responding".
TEST_F(TwoCopies, HighScoresOpensWithinASecondWhileAnotherProcessHoldsTheLock)
{
    prepareWorkingFolder(scoreLine("Old", 7));
    std::string folder = workingFolder();
    ASSERT_TRUE(CopyFileA(LETTRO_PROGRAM, (folder + "\\Lettro.exe").c_str(), FALSE));
    writeBytes(folder + "\\words.dic", "a b c");
    Copy copy = startCopy(folder);
    ASSERT_NE(copy.mainWindow, nullptr);
    HANDLE lock = CreateFileA((folder + "\\High Scores.dat.lock").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    DWORD started = GetTickCount();
    PostMessageA(copy.mainWindow, WM_COMMAND, IDM_HIGH_SCORES, 0);
    HWND scores = waitForWindow(copy, "High Scores");
    DWORD waited = GetTickCount() - started;
    CloseHandle(lock);
    std::printf("High Scores with the lock held: %lu ms\n", waited);
    ASSERT_NE(scores, nullptr);
    EXPECT_LT(waited, 2500u);
    char name[32] = {};
    GetDlgItemTextA(scores, IDC_SCORE_NAME_FIRST, name, sizeof name);
    EXPECT_STREQ(name, "Old") << "the file read without the lock";
}

// Access denied on the lock file comes from another copy's lock while that file is there (a
// scanner holds it as it is deleted), and is waited for; in a folder where no file can be made it
// comes with no file there, where waiting would only freeze the game.
TEST_F(TwoCopies, LockRefusedWithAccessDeniedIsWaitedForOnlyWhileItsFileIsThere)
{
    prepareWorkingFolder();
    std::string lock = workingFolder() + "\\High Scores.dat.lock";
    EXPECT_FALSE(isLockHeldByAnother(lock.c_str(), ERROR_ACCESS_DENIED)) << "no lock file there";
    writeBytes(lock, "");
    EXPECT_TRUE(isLockHeldByAnother(lock.c_str(), ERROR_ACCESS_DENIED)) << "the lock file there";
    EXPECT_TRUE(isLockHeldByAnother(lock.c_str(), ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(isLockHeldByAnother(lock.c_str(), ERROR_PATH_NOT_FOUND));
    DeleteFileA(lock.c_str());
}

} // namespace
