// A Windows test program that crashes ends at once and says so: otherwise Wine's debugger takes
// the crash, and either holds the program behind its crash dialog or lets it end unnoticed.
#include <windows.h>

namespace {

// Written by hand, without the C library: the crash may have struck inside it, holding its locks.
void appendText(char*& at, const char* text)
{
    while (*text != '\0') {
        *at++ = *text++;
    }
}

void appendHex(char*& at, ULONG_PTR value, int digits)
{
    appendText(at, "0x");
    for (int digit = digits - 1; digit >= 0; --digit) {
        *at++ = "0123456789ABCDEF"[(value >> (digit * 4)) & 0xF];
    }
}

const char* kindOf(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return "access violation";
    case EXCEPTION_STACK_OVERFLOW:
        return "stack overflow";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return "integer division by zero";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return "illegal instruction";
    case EXCEPTION_BREAKPOINT:
        return "breakpoint";
    default:
        return "unhandled exception";
    }
}

// "[  CRASHED ] access violation (0xC0000005) at 0x... writing 0x...", which the test's entry in
// CTest takes for a failure; the exception's code is the exit code.
LONG WINAPI reportCrash(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    char line[160];
    char* at = line;
    appendText(at, "\n[  CRASHED ] ");
    appendText(at, kindOf(record->ExceptionCode));
    appendText(at, " (");
    appendHex(at, record->ExceptionCode, 8);
    appendText(at, ") at ");
    appendHex(at, reinterpret_cast<ULONG_PTR>(record->ExceptionAddress), 2 * sizeof(void*));
    if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2) {
        appendText(at, record->ExceptionInformation[0] == 0 ? " reading " : " writing ");
        appendHex(at, record->ExceptionInformation[1], 2 * sizeof(void*));
    }
    appendText(at, "\n");
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(at - line), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Before main: the C runtime has set its own filter by then, and this one takes its place.
const LPTOP_LEVEL_EXCEPTION_FILTER REPLACED_FILTER = SetUnhandledExceptionFilter(reportCrash);

} // namespace
