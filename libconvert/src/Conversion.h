#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ResultCode.h"

using ProgressSink = std::function<void(float percent)>;

// One conversion through the ffmpeg.exe found for ffmpegFolder (see
// LocateFfmpeg): entries is the caller's vector without its program name,
// rotation the clockwise turn in degrees. Progress goes to progress on this
// thread, 100 only on success. Signalling stopEvent ends the conversion with
// kStopped. An output this call created is deleted when the conversion
// fails.
ResultCode RunConversion(const std::vector<std::wstring>& entries, int rotation,
                         const std::wstring& ffmpegFolder, HANDLE stopEvent,
                         const ProgressSink& progress);
