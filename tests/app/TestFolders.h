#pragma once
#include <optional>
#include <string>

// A fresh folder on drive C: whose path holds no "Temp", so that the program's
// rule for its default output folder touches only the parts a test adds.
// Removed with everything in it when the object goes.
class FolderOutsideTemp {
public:
    FolderOutsideTemp();
    ~FolderOutsideTemp();
    FolderOutsideTemp(const FolderOutsideTemp&) = delete;
    FolderOutsideTemp& operator=(const FolderOutsideTemp&) = delete;

    // Ends in a backslash.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// Points the process's temporary folder (TMP and TEMP) at a folder for the
// object's lifetime.
class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::wstring& folder);
    ~TemporaryFolderOverride();
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

    void Set(const std::wstring& folder);

private:
    std::optional<std::wstring> savedTmp_;
    std::optional<std::wstring> savedTemp_;
};

bool PathExists(const std::wstring& path);
void MakeFolders(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// The file's bytes (empty also when there is no file: see PathExists).
std::string ReadBytes(const std::wstring& path);
// A UTF-16LE byte string, as the settings file stores text.
std::string Utf16Bytes(const std::wstring& text);
