#pragma once
#include <optional>
#include <string>
#include <vector>

// The caller's ffmpeg-style vector without its program name: options, one
// input after the first "-i", the output last.
struct JobArguments {
    std::vector<std::wstring> entries;
    size_t inputIndex = 0;

    // The files, also when the vector names them as "file:" addresses.
    std::wstring InputPath() const;
    std::wstring OutputPath() const;
    // True when an entry other than the input and output paths is one of the
    // named options, alone or with a stream specifier ("-c:v" matches
    // "-c:v:0"; "-c" and "-codec" match only alone).
    bool SetsOption(std::initializer_list<const wchar_t*> names) const;
};

// Nothing when the vector has no "-i" with a path after it, or no output
// after the input.
std::optional<JobArguments> ReadJobArguments(std::vector<std::wstring> entries);

// The video filter that turns the picture clockwise by rotation degrees: empty
// for 0, nothing for an angle other than 0, 90, 180 and 270.
std::optional<std::wstring> RotationFilter(int rotation);

// Arguments for ffmpeg.exe that list the input's streams and do nothing else.
std::vector<std::wstring> ProbeArguments(const std::wstring& input);

// The caller's vector plus what an upload-ready MP4 needs and the vector
// leaves out; rotationFilter (possibly empty) is added to the video filters.
std::vector<std::wstring> ConversionArguments(const JobArguments& job,
                                              const std::wstring& rotationFilter);
