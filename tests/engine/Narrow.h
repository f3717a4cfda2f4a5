#pragma once
#include <string>

// The tests' folders and file names are plain ASCII, the same in every code page.
inline std::string Narrow(const std::wstring& ascii) {
    return std::string(ascii.begin(), ascii.end());
}
