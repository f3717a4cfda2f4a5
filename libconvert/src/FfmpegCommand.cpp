#include "FfmpegCommand.h"

namespace {
// An option alone or with a stream specifier; the all-streams "-c" and
// "-codec" only alone, since "-c:v" says nothing about audio.
bool MatchesOption(const std::wstring& entry, const wchar_t* name) {
    std::wstring option(name);
    if (entry == option) return true;
    if (option == L"-c" || option == L"-codec") return false;
    return entry.compare(0, option.size() + 1, option + L":") == 0;
}

const wchar_t kFileProtocol[] = L"file:";
constexpr size_t kFileProtocolLength = 5;

std::wstring WithoutFileProtocol(const std::wstring& entry) {
    return entry.compare(0, kFileProtocolLength, kFileProtocol) == 0
               ? entry.substr(kFileProtocolLength)
               : entry;
}

// Paths go to ffmpeg.exe through its file protocol, so that no name can be
// read as an option (a leading dash) or as another protocol.
std::wstring AsFileUrl(const std::wstring& entry) {
    return kFileProtocol + WithoutFileProtocol(entry);
}

void AddIfUnset(const JobArguments& job, std::vector<std::wstring>& arguments,
                std::initializer_list<const wchar_t*> setBy,
                std::initializer_list<const wchar_t*> added) {
    if (!job.SetsOption(setBy)) arguments.insert(arguments.end(), added.begin(), added.end());
}

constexpr size_t kNoEntry = static_cast<size_t>(-1);

// Index of the vector's video filter value, or kNoEntry.
size_t VideoFilterValue(const JobArguments& job) {
    size_t found = kNoEntry;
    for (size_t i = 0; i + 2 < job.entries.size(); ++i) {
        if (i == job.inputIndex) continue;
        if (job.entries[i] == L"-vf" || MatchesOption(job.entries[i], L"-filter:v")) found = i + 1;
    }
    return found;
}
}  // namespace

std::wstring JobArguments::InputPath() const {
    return WithoutFileProtocol(entries[inputIndex]);
}

std::wstring JobArguments::OutputPath() const {
    return WithoutFileProtocol(entries.back());
}

bool JobArguments::SetsOption(std::initializer_list<const wchar_t*> names) const {
    for (size_t i = 0; i + 1 < entries.size(); ++i) {
        if (i == inputIndex) continue;
        for (const wchar_t* name : names) {
            if (MatchesOption(entries[i], name)) return true;
        }
    }
    return false;
}

std::optional<JobArguments> ReadJobArguments(std::vector<std::wstring> entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != L"-i") continue;
        // The input needs a path after "-i", and the output must follow it.
        if (i + 2 >= entries.size()) return std::nullopt;
        JobArguments job;
        job.inputIndex = i + 1;
        job.entries = std::move(entries);
        if (job.InputPath().empty() || job.OutputPath().empty()) return std::nullopt;
        return job;
    }
    return std::nullopt;
}

std::optional<std::wstring> RotationFilter(int rotation) {
    switch (rotation) {
        case 0:
            return std::wstring();
        case 90:
            return std::wstring(L"transpose=clock");
        case 180:
            return std::wstring(L"hflip,vflip");
        case 270:
            return std::wstring(L"transpose=cclock");
        default:
            return std::nullopt;
    }
}

std::vector<std::wstring> ProbeArguments(const std::wstring& input) {
    return {L"-hide_banner", L"-nostdin", L"-i", AsFileUrl(input)};
}

std::vector<std::wstring> ConversionArguments(const JobArguments& job,
                                              const std::wstring& rotationFilter) {
    std::vector<std::wstring> arguments;
    AddIfUnset(job, arguments, {L"-y", L"-n"}, {L"-n"});
    AddIfUnset(job, arguments, {L"-progress"}, {L"-progress", L"pipe:1"});
    AddIfUnset(job, arguments, {L"-stats", L"-nostats"}, {L"-nostats"});

    size_t filterValue = VideoFilterValue(job);
    for (size_t i = 0; i + 1 < job.entries.size(); ++i) {
        std::wstring entry = job.entries[i];
        if (i == job.inputIndex) entry = AsFileUrl(entry);
        if (i == filterValue && !rotationFilter.empty()) entry += L"," + rotationFilter;
        arguments.push_back(entry);
    }

    AddIfUnset(job, arguments, {L"-c:v", L"-codec:v", L"-vcodec", L"-c", L"-codec"},
               {L"-c:v", L"libx264"});
    AddIfUnset(job, arguments, {L"-pix_fmt"}, {L"-pix_fmt", L"yuv420p"});
    AddIfUnset(job, arguments, {L"-c:a", L"-codec:a", L"-acodec", L"-c", L"-codec", L"-an"},
               {L"-c:a", L"aac"});
    AddIfUnset(job, arguments, {L"-movflags"}, {L"-movflags", L"+faststart"});
    // Lets the MP4 muxer write the input's spherical metadata (V2).
    AddIfUnset(job, arguments, {L"-strict"}, {L"-strict", L"unofficial"});
    if (filterValue == kNoEntry && !rotationFilter.empty())
        arguments.insert(arguments.end(), {L"-vf", rotationFilter});

    arguments.push_back(AsFileUrl(job.OutputPath()));
    return arguments;
}
