#include "CommandLine.h"

std::wstring QuoteArgument(const std::wstring& argument) {
    // Every argument is quoted, so no character outside quotes can split it.
    // Backslashes count only before a quote: there they are doubled, and the
    // quote itself is escaped.
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t ch : argument) {
        if (ch == L'\\') {
            ++backslashes;
            continue;
        }
        if (ch == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted.push_back(ch);
    }
    // Trailing backslashes stand before the closing quote.
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

std::wstring BuildCommandLine(const std::wstring& program,
                              const std::vector<std::wstring>& arguments) {
    // The program name is read up to the next quote, without escapes; a
    // Windows path cannot contain a quote.
    std::wstring line = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) {
        line.push_back(L' ');
        line += QuoteArgument(argument);
    }
    return line;
}
