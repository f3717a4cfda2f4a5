#pragma once
#include <string>

// The folder this library was loaded from, with a trailing backslash.
std::wstring ModuleFolder();

// The ffmpeg.exe to run: the one in preferredFolder (a path ending in a
// backslash), else the first one found in a folder of PATH. Empty when there
// is none.
std::wstring LocateFfmpeg(const std::wstring& preferredFolder);
