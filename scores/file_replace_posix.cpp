// rename replaces an existing target atomically on POSIX systems; fsync makes it last.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "scores/file_replace.h"

const unsigned long FAILURE_WITHOUT_CODE = EIO;
// No errno value is ever this one's: natively a rename replaces a read-only file.
const unsigned long READ_ONLY_FILE_FAILURE = 0xFFFFFFFFul;

namespace {

int lockDescriptor = -1;

const unsigned long LOCK_PAUSE_MS = 10;

// The rename lives in the folder's own data, which reaches the disk only when the folder is
// synced. By then the new file is in place, so a failure here cannot undo the save.
void syncFolderOf(const char* path)
{
    std::string name = path;
    std::size_t lastSeparator = name.rfind('/');
    std::string folder = lastSeparator == std::string::npos ? "." : name.substr(0, lastSeparator + 1);
    int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

} // namespace

void clearLibraryError()
{
    errno = 0;
}

unsigned long libraryError()
{
    return errno != 0 ? static_cast<unsigned long>(errno) : FAILURE_WITHOUT_CODE;
}

unsigned long flushToDisk(std::FILE* file)
{
    clearLibraryError();
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0 ? 0 : libraryError();
}

unsigned long replaceFile(const char* replacement, const char* target)
{
    clearLibraryError();
    if (std::rename(replacement, target) != 0) {
        return libraryError();
    }
    syncFolderOf(target);
    return 0;
}

bool isMissingFileError(unsigned long error)
{
    return error == ENOENT;
}

unsigned long currentProcessId()
{
    return static_cast<unsigned long>(getpid());
}

void lockScoresFile(const char* lockName, unsigned long waitMs)
{
    lockDescriptor = open(lockName, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    for (unsigned long waited = 0; lockDescriptor >= 0 && flock(lockDescriptor, LOCK_EX | LOCK_NB) != 0;
         waited += LOCK_PAUSE_MS) {
        if (!isLockHeldByAnother(lockName, static_cast<unsigned long>(errno)) || waited >= waitMs) {
            close(lockDescriptor);
            lockDescriptor = -1;
            return;
        }
        usleep(LOCK_PAUSE_MS * 1000);
    }
}

void unlockScoresFile()
{
    if (lockDescriptor >= 0) {
        close(lockDescriptor);
        lockDescriptor = -1;
    }
}

// flock refuses a lock that another descriptor holds with EWOULDBLOCK; any other error (a folder
// in which no file can be made) would not pass by waiting.
bool isLockHeldByAnother(const char*, unsigned long error)
{
    return error == EWOULDBLOCK;
}
