#include "SphericalFile.h"

#include <algorithm>

#include "Mp4File.h"

namespace {
// A moov box this large is not one ffmpeg.exe writes for a clip; it is left
// alone rather than held in memory.
constexpr uint64_t kLargestMoov = 64 * 1024 * 1024;
constexpr size_t kCopyChunk = 1024 * 1024;

struct MoovPlace {
    uint64_t offset = 0;
    uint64_t size = 0;
};

// The one moov box of an unfragmented file.
std::optional<MoovPlace> FindMoov(HANDLE file) {
    auto boxes = ScanTopLevel(file);
    if (!boxes) return std::nullopt;
    std::optional<MoovPlace> moov;
    for (const TopLevelBox& box : *boxes) {
        if (box.type == FourCc("moof")) return std::nullopt;
        if (box.type != FourCc("moov")) continue;
        if (moov) return std::nullopt;
        moov = MoovPlace{box.offset, box.size};
    }
    if (moov && moov->size > kLargestMoov) return std::nullopt;
    return moov;
}

std::optional<Box> ReadMoov(HANDLE file, const MoovPlace& place) {
    Bytes bytes(static_cast<size_t>(place.size));
    if (!ReadAt(file, place.offset, bytes.data(), bytes.size())) return std::nullopt;
    auto boxes = ParseBoxes(bytes.data(), bytes.size());
    if (!boxes || boxes->size() != 1) return std::nullopt;
    return std::move(boxes->front());
}

MetadataOutcome WriteFailure() {
    DWORD error = GetLastError();
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL
               ? MetadataOutcome::DiskFull
               : MetadataOutcome::WriteFailed;
}

// A new file beside the target, deleted unless it has been renamed over it.
class TempFile {
public:
    explicit TempFile(const std::wstring& target) {
        for (unsigned attempt = 0; attempt < 100 && !handle_; ++attempt) {
            path_ = target + L".spherical" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".tmp";
            handle_.Reset(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY, nullptr));
            if (!handle_ && GetLastError() != ERROR_FILE_EXISTS) break;
        }
    }
    ~TempFile() {
        handle_.Reset();
        if (!renamed_ && !path_.empty()) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Valid() const { return handle_.Valid(); }

    bool Write(const void* data, size_t size) {
        DWORD written = 0;
        return WriteFile(handle_.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
               written == size;
    }

    bool CopyFrom(HANDLE source, uint64_t offset, uint64_t size) {
        Bytes buffer(static_cast<size_t>(std::min<uint64_t>(size, kCopyChunk)));
        while (size > 0) {
            size_t chunk = static_cast<size_t>(std::min<uint64_t>(size, buffer.size()));
            if (!ReadAt(source, offset, buffer.data(), chunk) || !Write(buffer.data(), chunk))
                return false;
            offset += chunk;
            size -= chunk;
        }
        return true;
    }

    bool RenameOver(const std::wstring& target) {
        if (!FlushFileBuffers(handle_.Get())) return false;
        handle_.Reset();
        renamed_ = MoveFileExW(path_.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return renamed_;
    }

private:
    std::wstring path_;
    UniqueHandle handle_;
    bool renamed_ = false;
};
}  // namespace

MetadataOutcome WriteSphericalMetadata(const std::wstring& path) {
    UniqueHandle file = OpenForReading(path);
    if (!file) return MetadataOutcome::WriteFailed;
    auto fileSize = FileSize(file.Get());
    auto place = FindMoov(file.Get());
    if (!fileSize || !place) return MetadataOutcome::LeftAlone;
    auto moov = ReadMoov(file.Get(), *place);
    if (!moov) return MetadataOutcome::LeftAlone;

    MoovEdit edit = ApplySphericalPolicy(*moov);
    if (edit == MoovEdit::Unsupported) return MetadataOutcome::LeftAlone;
    if (edit == MoovEdit::Unchanged) return MetadataOutcome::Unchanged;
    // Data behind the moov box moves by what the box grew or shrank.
    uint64_t moovEnd = place->offset + place->size;
    int64_t delta = static_cast<int64_t>(moov->Size()) - static_cast<int64_t>(place->size);
    if (!ShiftChunkOffsets(*moov, moovEnd, delta)) return MetadataOutcome::LeftAlone;
    Bytes newMoov;
    AppendBox(*moov, newMoov);

    TempFile temp(path);
    if (!temp.Valid()) return WriteFailure();
    if (!temp.CopyFrom(file.Get(), 0, place->offset) ||
        !temp.Write(newMoov.data(), newMoov.size()) ||
        !temp.CopyFrom(file.Get(), moovEnd, *fileSize - moovEnd))
        return WriteFailure();
    file.Reset();
    if (!temp.RenameOver(path)) return WriteFailure();
    return MetadataOutcome::Written;
}

std::optional<SphericalReport> ReadSphericalMetadata(const std::wstring& path) {
    UniqueHandle file = OpenForReading(path);
    if (!file) return std::nullopt;
    auto place = FindMoov(file.Get());
    if (!place) return std::nullopt;
    auto moov = ReadMoov(file.Get(), *place);
    if (!moov) return std::nullopt;
    return DescribeSpherical(std::move(*moov));
}
