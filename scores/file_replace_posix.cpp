// rename replaces an existing target atomically on POSIX systems; fsync makes it last.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "scores/file_replace.h"

namespace {

int turnDescriptor = -1;

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

bool flushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool replaceFile(const char* replacement, const char* target)
{
    if (std::rename(replacement, target) != 0) {
        return false;
    }
    syncFolderOf(target);
    return true;
}

unsigned long lastSystemError()
{
    return static_cast<unsigned long>(errno);
}

bool isMissingFileError(unsigned long error)
{
    return error == ENOENT;
}

void takeTurn(const char* lockName)
{
    turnDescriptor = open(lockName, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (turnDescriptor >= 0) {
        flock(turnDescriptor, LOCK_EX);
    }
}

void endTurn()
{
    if (turnDescriptor >= 0) {
        close(turnDescriptor);
        turnDescriptor = -1;
    }
}
