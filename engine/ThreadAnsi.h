#pragma once
#include <optional>
#include <string>

// The text in the calling thread's ANSI code page, or nothing when that code
// page cannot hold it exactly (a character that would become "?" or a
// look-alike).
std::optional<std::string> ToThreadAnsi(const wchar_t* text);
