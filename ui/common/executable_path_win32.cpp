// Where the running executable lives under Windows, and how the word list is opened there: by
// UTF-16 names, since an ANSI name turns every letter outside the code page into "?".
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <vector>

#include "engine/dictionary.h"
#include "ui/common/wide_text.h"

namespace {

// Beyond MAX_PATH, a name is only opened with the "\\?\" prefix, which takes it exactly as given:
// the executable's path is already a full one. A name is measured in UTF-8, which takes at least as
// many bytes as UTF-16 takes units: one shorter than MAX_PATH here is short enough there.
std::string extendedLengthPath(const std::string& path)
{
    if (path.size() < MAX_PATH || path.compare(0, 4, "\\\\?\\") == 0) {
        return path;
    }
    if (path.compare(0, 2, "\\\\") == 0) {
        return "\\\\?\\UNC" + path.substr(1);
    }
    return "\\\\?\\" + path;
}

} // namespace

std::string runningExecutablePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) {
            return std::string();
        }
        if (length < size) {
            return utf8Of(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// CreateFileW rather than _wfopen, for the system's own error code when the open fails.
std::FILE* openWordList(const std::string& path, unsigned long& systemError)
{
    HANDLE handle =
        CreateFileW(widenedUtf8(extendedLengthPath(path)).data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        systemError = GetLastError();
        return nullptr;
    }
    // The C library's descriptors and streams are few (512 streams in msvcrt); with none left:
    systemError = ERROR_TOO_MANY_OPEN_FILES;
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "rb");
    if (file == nullptr) {
        _close(descriptor);
        return nullptr;
    }
    systemError = 0;
    return file;
}

// The C library keeps the system's code of a failed ReadFile where GetLastError finds it.
unsigned long lastReadError()
{
    return GetLastError();
}
