#include "TempFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}
}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(base) + L"k7test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::wstring TempFolder::WriteFile(const std::wstring& name, const std::string& bytes) const {
    std::wstring path = path_ + name;
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempFolder::ReadFile(const std::wstring& name) const {
    std::ifstream in((path_ + name).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(const std::wstring& name) const {
    return GetFileAttributesW((path_ + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
