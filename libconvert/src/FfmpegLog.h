#pragma once
#include <string>

#include "ResultCode.h"

// What ffmpeg.exe's listing of an input says about it.
struct InputReport {
    // kSuccess, or kInputMissing / kInputNotMedia / kInputWithoutVideo.
    ResultCode verdict = kInputNotMedia;
    // 0 when the listing gives no duration.
    double durationSeconds = 0;
};

// Reads the standard error of ffmpeg.exe run with only an input.
InputReport ReadInputReport(const std::string& log);

// Why a conversion that ended with a non-zero exit code failed, from its
// standard error.
ResultCode ClassifyFailure(const std::string& log);
