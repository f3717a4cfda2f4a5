#include "FfmpegLog.h"

#include <sstream>

#include "ClockTime.h"

namespace {
bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string TrimLeft(const std::string& line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : line.substr(first);
}

// "Duration: 00:01:02.50, start: ..." gives 62.5; "Duration: N/A" gives 0.
double ParseDuration(const std::string& line) {
    return ParseClockTime(line.c_str() + std::char_traits<char>::length("Duration: "))
        .value_or(0.0);
}

// A stream line of the listing: "Stream #0:1(und): Video: h264 ...".
bool IsVideoStream(const std::string& line) {
    size_t kind = line.find(": ");
    if (kind == std::string::npos) return false;
    std::string description = line.substr(kind + 2);
    // Cover art is listed as a video stream but is no video.
    return StartsWith(description, "Video:") &&
           description.find("(attached pic)") == std::string::npos;
}
}  // namespace

InputReport ReadInputReport(const std::string& log) {
    InputReport report;
    bool listed = false, video = false, missing = false;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string trimmed = TrimLeft(line);
        if (StartsWith(line, "Input #")) {
            listed = true;
        } else if (listed && StartsWith(trimmed, "Duration: ")) {
            report.durationSeconds = ParseDuration(trimmed);
        } else if (listed && StartsWith(trimmed, "Stream #")) {
            video = video || IsVideoStream(trimmed);
        } else if (!listed && EndsWith(line, ": No such file or directory")) {
            missing = true;
        }
    }
    if (!listed) {
        report.verdict = missing ? kInputMissing : kInputNotMedia;
    } else {
        report.verdict = video ? kSuccess : kInputWithoutVideo;
    }
    return report;
}

ResultCode ClassifyFailure(const std::string& log) {
    ResultCode code = kConversionFailed;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (StartsWith(line, "File '") && EndsWith(line, "' already exists. Exiting."))
            return kOutputExists;
        if (EndsWith(line, "No space left on device")) return kDiskFull;
        if (StartsWith(line, "Error initializing output stream") ||
            StartsWith(line, "Error while opening encoder") || EndsWith(line, "encoding failed"))
            code = kEncoderFailed;
    }
    return code;
}
