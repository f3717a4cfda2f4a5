#include "DebuggerOutput.h"

namespace {
const DWORD kNarrowDebugText = 0x40010006;  // DBG_PRINTEXCEPTION_C
const DWORD kWideDebugText = 0x4001000A;    // DBG_PRINTEXCEPTION_WIDE_C
DebuggerOutput* g_active = nullptr;
}  // namespace

DebuggerOutput::DebuggerOutput() {
    g_active = this;
    handler_ = AddVectoredExceptionHandler(1, Handler);
}

DebuggerOutput::~DebuggerOutput() {
    RemoveVectoredExceptionHandler(handler_);
    g_active = nullptr;
}

LONG CALLBACK DebuggerOutput::Handler(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (!g_active || GetCurrentThreadId() != g_active->threadId_ || record.NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    // The first parameter is the length with the terminator, the second the text.
    size_t length = static_cast<size_t>(record.ExceptionInformation[0]);
    if (length > 0) --length;
    if (record.ExceptionCode == kWideDebugText) {
        const wchar_t* text = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
        g_active->wide_.emplace_back(text, length);
    } else if (record.ExceptionCode == kNarrowDebugText) {
        const char* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        g_active->narrow_.emplace_back(text, text + length);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}
