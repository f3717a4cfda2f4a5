#pragma once

// What synth_trans returns. Below 1000: the conversion failed; from 1000 on:
// the input cannot be read as a video. README.md lists them for callers.
enum ResultCode : int {
    kSuccess = 0,
    kFfmpegMissing = 1,
    kFfmpegStartFailed = 2,
    kBadArguments = 3,
    kBadRotation = 4,
    kBusy = 5,
    kOutputExists = 6,
    kEncoderFailed = 7,
    kDiskFull = 8,
    kStopped = 9,
    kConversionFailed = 10,
    kOutputMissing = 11,
    kMetadataWriteFailed = 12,
    kInputMissing = 1000,
    kInputNotMedia = 1001,
    kInputWithoutVideo = 1002,
};
