#include "TextConversion.h"

#include <windows.h>

std::optional<std::wstring> AnsiToWide(const char* text) {
    if (!text) return std::nullopt;
    if (*text == '\0') return std::wstring();
    int length = MultiByteToWideChar(CP_THREAD_ACP, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_THREAD_ACP, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length) !=
        length)
        return std::nullopt;
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}
