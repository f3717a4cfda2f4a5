#include "TempFolderPath.h"

#include <windows.h>

std::wstring TempFolderPath() {
    // The variables the path comes from can change between the two calls,
    // so ask again until the answer fits.
    std::wstring path(MAX_PATH + 1, L'\0');
    for (;;) {
        DWORD length = ::GetTempPathW(static_cast<DWORD>(path.size()), path.data());
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.assign(static_cast<size_t>(length) + 1, L'\0');
    }
}
