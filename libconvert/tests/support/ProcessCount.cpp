#include "ProcessCount.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

int CountProcesses(const std::wstring& exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, exeName.c_str()) == 0) ++count;
    }
    CloseHandle(snapshot);
    return count;
}
