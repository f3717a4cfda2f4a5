#pragma once
#include <string>

// A fresh folder under the system's temporary folder for one test; removed,
// with everything in it, when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return path_; }
    // Creates a file of the given bytes at Path() + name and returns its path.
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes = {}) const;
    std::string ReadFile(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;

private:
    std::wstring path_;
};
