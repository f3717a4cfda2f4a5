#include "TestFolders.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::optional<std::wstring> ReadVariable(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

void RestoreVariable(const wchar_t* name, const std::optional<std::wstring>& value) {
    SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
}

}  // namespace

FolderOutsideTemp::FolderOutsideTemp() {
    static unsigned counter = 0;
    for (;;) {
        path_ = L"C:\\korvane7-app-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

FolderOutsideTemp::~FolderOutsideTemp() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

TemporaryFolderOverride::TemporaryFolderOverride(const std::wstring& folder)
    : savedTmp_(ReadVariable(L"TMP")), savedTemp_(ReadVariable(L"TEMP")) {
    Set(folder);
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
    RestoreVariable(L"TMP", savedTmp_);
    RestoreVariable(L"TEMP", savedTemp_);
}

void TemporaryFolderOverride::Set(const std::wstring& folder) {
    SetEnvironmentVariableW(L"TMP", folder.c_str());
    SetEnvironmentVariableW(L"TEMP", folder.c_str());
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolders(const std::wstring& path) {
    std::filesystem::create_directories(std::filesystem::path(path));
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Utf16Bytes(const std::wstring& text) {
    std::string bytes;
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
    }
    return bytes;
}
