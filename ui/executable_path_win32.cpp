// Where the running executable lives, under Windows: GetModuleFileNameA, however long the path.
#include <windows.h>

#include <vector>

#include "engine/dictionary.h"

std::string runningExecutablePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) {
            return std::string();
        }
        if (length < size) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}
