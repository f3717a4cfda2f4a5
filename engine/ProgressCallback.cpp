#include <cwchar>

#include "EngineBridge.h"

namespace {
// The percentage as the window reads it. A report outside 0..100 (or not a
// number) would otherwise wrap or overflow the unsigned word, and a wrapped
// negative value would look like a finished job.
uint32_t Percent(float position) {
    if (!(position > 0.0f)) return 0;
    if (position >= 100.0f) return 100;
    return static_cast<uint32_t>(position);
}
}  // namespace

void __cdecl OnEngineProgress(float position, void* user) {
    if (!user) return;
    static_cast<JobChannel*>(user)->progress.store(Percent(position));
    wchar_t line[64];
    std::swprintf(line, sizeof line / sizeof line[0], L"progress=%f\n",
                  static_cast<double>(position));
    OutputDebugStringW(line);
}
