#include "FfmpegLocator.h"

#include <windows.h>

namespace {
const wchar_t kFfmpegName[] = L"ffmpeg.exe";

bool IsFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring EnvironmentVariable(const wchar_t* name) {
    DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) return {};
    std::wstring value(length, L'\0');
    length = GetEnvironmentVariableW(name, value.data(), length);
    value.resize(length);
    return value;
}

std::wstring InFolder(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder.push_back(L'\\');
    return folder + kFfmpegName;
}

// PATH itself, not SearchPathW: that would also look in the current folder,
// where anyone could have left an ffmpeg.exe.
std::wstring SearchPathVariable() {
    std::wstring path = EnvironmentVariable(L"PATH");
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L';', start);
        if (end == std::wstring::npos) end = path.size();
        std::wstring folder = path.substr(start, end - start);
        if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
            folder = folder.substr(1, folder.size() - 2);
        if (!folder.empty() && IsFile(InFolder(folder))) return InFolder(folder);
        start = end + 1;
    }
    return {};
}
}  // namespace

std::wstring ModuleFolder() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ModuleFolder), &module);
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring LocateFfmpeg(const std::wstring& preferredFolder) {
    if (!preferredFolder.empty() && IsFile(InFolder(preferredFolder)))
        return InFolder(preferredFolder);
    return SearchPathVariable();
}
