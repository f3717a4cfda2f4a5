#include "ThreadAnsi.h"

#include <windows.h>

std::optional<std::string> ToThreadAnsi(const wchar_t* text) {
    // Both counts include the terminator.
    int units = lstrlenW(text) + 1;
    // The code page decides how many bytes a character takes (up to three
    // in UTF-8), so the buffer is sized by the conversion itself.
    int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::nullopt;
    std::string narrow(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_THREAD_ACP, 0, text, units, narrow.data(), bytes, nullptr,
                            nullptr) != bytes)
        return std::nullopt;

    // Substitutes and best-fit look-alikes do not survive the way back.
    int back = MultiByteToWideChar(CP_THREAD_ACP, MB_ERR_INVALID_CHARS, narrow.data(), bytes,
                                   nullptr, 0);
    if (back != units) return std::nullopt;
    std::wstring wide(static_cast<size_t>(back), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, MB_ERR_INVALID_CHARS, narrow.data(), bytes, wide.data(),
                        back);
    if (wide.compare(0, wide.size(), text, static_cast<size_t>(units)) != 0) return std::nullopt;

    narrow.pop_back();
    return narrow;
}
