// A typed name cut to the high-score table's bytes between characters, never inside one: the file
// keeps 30 bytes, and half a character there would read back as a wrong one or as garbage.
#include "ui/dialogs/name_text.h"

#include <algorithm>

namespace {

bool isUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The bytes of the character that begins at `at`. A double-byte character's second byte may look
// like a lead byte, so the text is stepped through from its start, never read backwards.
// CharNextExA would serve the double-byte code pages but does not step through UTF-8.
std::size_t characterBytes(const std::string& text, std::size_t at, UINT codePage)
{
    std::size_t next = at + 1;
    if (codePage == CP_UTF8) {
        while (next < text.size() && isUtf8Continuation(text[next])) {
            ++next;
        }
    } else if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at]))) {
        next = std::min(at + 2, text.size());
    }
    return next - at;
}

} // namespace

std::string wholeCharactersOf(const std::string& text, std::size_t limit, UINT codePage)
{
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + characterBytes(text, end, codePage);
        if (next > limit) {
            break;
        }
        end = next;
    }
    return text.substr(0, end);
}
