#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Collects what the calling thread writes to the debugger output while the
// object lives. With no debugger attached, OutputDebugString raises a
// continuable exception that carries the text; a vectored handler reads it and
// lets it pass on.
class DebuggerOutput {
public:
    DebuggerOutput();
    ~DebuggerOutput();
    DebuggerOutput(const DebuggerOutput&) = delete;
    DebuggerOutput& operator=(const DebuggerOutput&) = delete;

    // The lines, from the wide exceptions where the system raises them (it
    // then also raises narrow copies), otherwise from the narrow ones.
    std::vector<std::wstring> Lines() const { return wide_.empty() ? narrow_ : wide_; }

private:
    static LONG CALLBACK Handler(EXCEPTION_POINTERS* exception);

    PVOID handler_ = nullptr;
    DWORD threadId_ = GetCurrentThreadId();
    std::vector<std::wstring> wide_;
    std::vector<std::wstring> narrow_;
};
