#pragma once
#include <optional>
#include <string>

#include "SphericalMoov.h"

enum class MetadataOutcome {
    Written,    // the file was rewritten with the metadata its picture calls for
    Unchanged,  // it already had it
    LeftAlone,  // fragmented, malformed or without a video track
    WriteFailed,
    DiskFull,
};

// Gives the MP4 or MOV file at path the spherical metadata its picture calls
// for (see ApplySphericalPolicy). The new file is written beside it and
// renamed over it only when complete; chunk offsets behind the moov box move
// by what it grew or shrank.
MetadataOutcome WriteSphericalMetadata(const std::wstring& path);

// What the file's video track carries; nothing when the file cannot be read
// or has no video track.
std::optional<SphericalReport> ReadSphericalMetadata(const std::wstring& path);
