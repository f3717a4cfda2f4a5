#pragma once
#include <string>

// The user's temporary folder as the system reports it, ending in a
// backslash; empty when the system gives none. No length limit applies.
std::wstring TempFolderPath();
