#include "WaitUntil.h"

#include <windows.h>

bool WaitUntil(const std::function<bool()>& condition) {
    const ULONGLONG limitMs = 60000;
    ULONGLONG start = GetTickCount64();
    while (!condition()) {
        if (GetTickCount64() - start > limitMs) return false;
        Sleep(5);
    }
    return true;
}
