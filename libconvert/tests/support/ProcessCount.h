#pragma once
#include <string>

// How many processes of this name (e.g. L"ffmpeg.exe") run now.
int CountProcesses(const std::wstring& exeName);
