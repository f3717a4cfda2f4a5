#pragma once
#include <string>
#include <vector>

// Quotes one argument so that CommandLineToArgvW, which ffmpeg.exe uses to
// read its command line, gives it back unchanged: blanks, quotes and
// backslashes stay inside the one argument.
std::wstring QuoteArgument(const std::wstring& argument);

// The command line for CreateProcessW: the program's path, then every
// argument quoted.
std::wstring BuildCommandLine(const std::wstring& program,
                              const std::vector<std::wstring>& arguments);
