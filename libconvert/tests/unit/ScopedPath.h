#pragma once
#include <windows.h>

#include <string>

// Sets this process's PATH for one test and puts the old value back.
class ScopedPath {
public:
    explicit ScopedPath(const std::wstring& value) {
        DWORD length = GetEnvironmentVariableW(L"PATH", nullptr, 0);
        old_.resize(length);
        old_.resize(GetEnvironmentVariableW(L"PATH", old_.data(), length));
        SetEnvironmentVariableW(L"PATH", value.c_str());
    }
    ~ScopedPath() { SetEnvironmentVariableW(L"PATH", old_.c_str()); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

private:
    std::wstring old_;
};
