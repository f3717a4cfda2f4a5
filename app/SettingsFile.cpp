#include "SettingsFile.h"

#include "TempFolderPath.h"

#include <cstdio>
#include <cwchar>
#include <memory>

namespace {

// The reader's limit: a longer text comes back cut to its first 256 units.
constexpr size_t kMaxFolderUnits = 256;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// The wide temporary path is used instead of a fixed narrow buffer, so a
// long path or one outside the ANSI code page still names the same file.
// The forward slash after the folder's backslash is harmless to the system.
File OpenSettingsFile(const wchar_t* mode) {
    std::wstring folder = TempFolderPath();
    if (folder.empty()) return File();
    std::wstring path = folder + L"/global.ini";
    return File(::_wfopen(path.c_str(), mode));
}

}  // namespace

bool LoadOutputFolder(CString& folder) {
    File file = OpenSettingsFile(L"rb");
    if (!file) return false;
    wchar_t units[kMaxFolderUnits] = {};
    size_t count = std::fread(units, sizeof(wchar_t), kMaxFolderUnits, file.get());
    folder = CString(units, static_cast<int>(::wcsnlen(units, count)));
    return true;
}

void SaveOutputFolder(const CString& folder) {
    File file = OpenSettingsFile(L"wb");
    if (!file) return;
    std::fwrite(folder.GetString(), sizeof(wchar_t), static_cast<size_t>(folder.GetLength()),
                file.get());
}
