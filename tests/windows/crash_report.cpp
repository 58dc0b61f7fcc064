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

// The faults of the processor itself; a null for any other exception.
const char* faultKind(DWORD code)
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
    case EXCEPTION_PRIV_INSTRUCTION:
        return "privileged instruction";
    case EXCEPTION_DATATYPE_MISALIGNMENT:
        return "misaligned data";
    case EXCEPTION_IN_PAGE_ERROR:
        return "page not read in";
    default:
        return nullptr;
    }
}

// "[  CRASHED ] access violation (0xC0000005) at 0x... writing 0x...", which the test's entry in
// CTest takes for a failure; the exception's code is the exit code.
void reportAndEnd(const EXCEPTION_RECORD* record)
{
    const char* kind = faultKind(record->ExceptionCode);
    char line[160];
    char* at = line;
    appendText(at, "\n[  CRASHED ] ");
    appendText(at, kind != nullptr ? kind : "unhandled exception");
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
}

bool isInThisProgram(const void* address)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const BYTE* at = static_cast<const BYTE*>(address);
    return at >= base && at < base + headers->OptionalHeader.SizeOfImage;
}

// Seen before any handler: Windows and Wine swallow an exception raised in a timer procedure
// (the tests answer boxes from those), so a fault would go unseen there. Only faults in this
// program's own code (the game's and the tests'), which handles none, are taken: the system's
// DLLs fault and recover on purpose (pointer probes).
LONG WINAPI reportFaultInThisProgram(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (faultKind(record->ExceptionCode) != nullptr && isInThisProgram(record->ExceptionAddress)) {
        reportAndEnd(record);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// Any other exception that no handler took.
LONG WINAPI reportUnhandledException(EXCEPTION_POINTERS* exception)
{
    reportAndEnd(exception->ExceptionRecord);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Before main: the C runtime has set its own filter by then, and this one takes its place.
const LPTOP_LEVEL_EXCEPTION_FILTER REPLACED_FILTER = SetUnhandledExceptionFilter(reportUnhandledException);
const PVOID FAULT_HANDLER = AddVectoredExceptionHandler(1, reportFaultInThisProgram);

} // namespace
