#include "Conversion.h"

#include "ChildProcess.h"
#include "FfmpegCommand.h"
#include "FfmpegLocator.h"
#include "FfmpegLog.h"
#include "Progress.h"
#include "SphericalFile.h"

namespace {
// Time ffmpeg.exe gets to finish its file after "q" before it is ended.
constexpr DWORD kQuitGraceMilliseconds = 2000;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsNonEmptyFile(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0);
}

bool StopRequested(HANDLE stopEvent) {
    return stopEvent && WaitForSingleObject(stopEvent, 0) == WAIT_OBJECT_0;
}

// Deletes the output of a failed conversion when this conversion made it.
class OutputGuard {
public:
    OutputGuard(std::wstring path, bool existedBefore)
        : path_(std::move(path)), existedBefore_(existedBefore) {}
    ~OutputGuard() {
        if (!kept_ && !existedBefore_) DeleteFileW(path_.c_str());
    }
    OutputGuard(const OutputGuard&) = delete;
    OutputGuard& operator=(const OutputGuard&) = delete;

    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    bool existedBefore_;
    bool kept_ = false;
};

ResultCode ProbeInput(const std::wstring& ffmpeg, const JobArguments& job, HANDLE stopEvent,
                      double& duration) {
    if (!Exists(job.InputPath())) return kInputMissing;
    ChildOutcome probe = RunChild(ffmpeg, ProbeArguments(job.InputPath()), stopEvent, 0, nullptr);
    if (!probe.started) return kFfmpegStartFailed;
    if (probe.stopped) return kStopped;
    InputReport report = ReadInputReport(probe.errorOutput);
    duration = report.durationSeconds;
    return report.verdict;
}

ResultCode Transcode(const std::wstring& ffmpeg, const JobArguments& job,
                     const std::wstring& rotationFilter, double duration, HANDLE stopEvent,
                     const ProgressSink& progress) {
    ProgressScale scale(duration);
    auto onLine = [&](const std::string& line) {
        auto seconds = ProgressLineSeconds(line);
        if (!seconds) return;
        if (auto percent = scale.Advance(*seconds); percent && progress) progress(*percent);
    };
    OutputGuard output(job.OutputPath(), Exists(job.OutputPath()));
    ChildOutcome run = RunChild(ffmpeg, ConversionArguments(job, rotationFilter), stopEvent,
                                kQuitGraceMilliseconds, onLine);
    if (!run.started) return kFfmpegStartFailed;
    if (run.stopped || StopRequested(stopEvent)) return kStopped;
    if (run.exitCode != 0) {
        ResultCode failure = ClassifyFailure(run.errorOutput);
        // The file that was there first is not ours to delete.
        if (failure == kOutputExists) output.Keep();
        return failure;
    }
    if (!IsNonEmptyFile(job.OutputPath())) return kOutputMissing;
    switch (WriteSphericalMetadata(job.OutputPath())) {
        case MetadataOutcome::WriteFailed:
            return kMetadataWriteFailed;
        case MetadataOutcome::DiskFull:
            return kDiskFull;
        default:
            break;
    }
    if (StopRequested(stopEvent)) return kStopped;
    output.Keep();
    if (auto percent = scale.Finish(); percent && progress) progress(*percent);
    return kSuccess;
}
}  // namespace

ResultCode RunConversion(const std::vector<std::wstring>& entries, int rotation,
                         const std::wstring& ffmpegFolder, HANDLE stopEvent,
                         const ProgressSink& progress) {
    auto rotationFilter = RotationFilter(rotation);
    if (!rotationFilter) return kBadRotation;
    auto job = ReadJobArguments(entries);
    if (!job) return kBadArguments;
    std::wstring ffmpeg = LocateFfmpeg(ffmpegFolder);
    if (ffmpeg.empty()) return kFfmpegMissing;
    // Never overwritten unless the caller's vector asks for it.
    if (!job->SetsOption({L"-y"}) && Exists(job->OutputPath())) return kOutputExists;

    double duration = 0;
    ResultCode input = ProbeInput(ffmpeg, *job, stopEvent, duration);
    if (input != kSuccess) return input;
    return Transcode(ffmpeg, *job, *rotationFilter, duration, stopEvent, progress);
}
