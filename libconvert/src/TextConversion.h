#pragma once
#include <optional>
#include <string>

// Converts a zero-terminated narrow string in the thread's ANSI code page to
// UTF-16; nothing when it is not valid in that code page.
std::optional<std::wstring> AnsiToWide(const char* text);
