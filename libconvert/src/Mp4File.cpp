#include "Mp4File.h"

#include "Mp4Box.h"

UniqueHandle OpenForReading(const std::wstring& path) {
    return UniqueHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

std::optional<uint64_t> FileSize(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}

bool ReadAt(HANDLE file, uint64_t offset, void* buffer, size_t size) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return false;
    auto* at = static_cast<uint8_t*>(buffer);
    while (size > 0) {
        DWORD count = 0;
        DWORD wanted = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!ReadFile(file, at, wanted, &count, nullptr) || count == 0) return false;
        at += count;
        size -= count;
    }
    return true;
}

std::optional<std::vector<TopLevelBox>> ScanTopLevel(HANDLE file) {
    auto fileSize = FileSize(file);
    if (!fileSize) return std::nullopt;
    std::vector<TopLevelBox> boxes;
    uint64_t offset = 0;
    while (offset < *fileSize) {
        uint8_t header[16];
        uint64_t left = *fileSize - offset;
        if (left < 8 || !ReadAt(file, offset, header, 8)) return std::nullopt;
        TopLevelBox box{ReadU32(header + 4), offset, ReadU32(header)};
        uint64_t headerSize = 8;
        if (box.size == 1) {
            if (left < 16 || !ReadAt(file, offset + 8, header + 8, 8)) return std::nullopt;
            box.size = ReadU64(header + 8);
            headerSize = 16;
        } else if (box.size == 0) {
            box.size = left;  // the last box runs to the end of the file
        }
        if (box.size < headerSize || box.size > left) return std::nullopt;
        boxes.push_back(box);
        offset += box.size;
    }
    return boxes;
}

std::optional<std::vector<TopLevelBox>> ReadTopLevelLayout(const std::wstring& path) {
    UniqueHandle file = OpenForReading(path);
    if (!file) return std::nullopt;
    return ScanTopLevel(file.Get());
}
