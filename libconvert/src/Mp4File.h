#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UniqueHandle.h"

struct TopLevelBox {
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
};

UniqueHandle OpenForReading(const std::wstring& path);
std::optional<uint64_t> FileSize(HANDLE file);
bool ReadAt(HANDLE file, uint64_t offset, void* buffer, size_t size);

// The boxes at the top of a file, in file order; nothing when their sizes do
// not fill the file exactly.
std::optional<std::vector<TopLevelBox>> ScanTopLevel(HANDLE file);
std::optional<std::vector<TopLevelBox>> ReadTopLevelLayout(const std::wstring& path);
