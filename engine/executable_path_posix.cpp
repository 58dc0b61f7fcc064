// Where the running executable lives, natively, and how the word list is opened there.
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "engine/dictionary.h"

std::string runningExecutablePath()
{
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::FILE* openWordList(const std::string& path, unsigned long& systemError)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    systemError = file == nullptr ? static_cast<unsigned long>(errno) : 0;
    return file;
}

unsigned long lastReadError()
{
    return static_cast<unsigned long>(errno);
}
