#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ChildOutcome {
    bool started = false;
    DWORD startError = 0;  // why it could not be started
    DWORD exitCode = 0;
    bool stopped = false;     // ended because the stop event was signalled
    std::string errorOutput;  // its standard error; the head and tail of a long one
};

using OutputLineSink = std::function<void(const std::string& line)>;

// Runs program with arguments, without a console window, and waits for it.
// Each line it writes to its standard output goes to onOutputLine on this
// thread. When stopEvent (may be null) is signalled, the child is asked to
// quit with "q" on its standard input and terminated if it has not ended
// within graceMilliseconds. The child never outlives this call, and dies with
// this process.
ChildOutcome RunChild(const std::wstring& program, const std::vector<std::wstring>& arguments,
                      HANDLE stopEvent, DWORD graceMilliseconds,
                      const OutputLineSink& onOutputLine);
