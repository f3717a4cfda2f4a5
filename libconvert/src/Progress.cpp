#include "Progress.h"

#include <algorithm>

#include "ClockTime.h"

std::optional<double> ProgressLineSeconds(const std::string& line) {
    static const std::string kKey = "out_time=";
    if (line.compare(0, kKey.size(), kKey) != 0) return std::nullopt;
    const char* text = line.c_str() + kKey.size();
    // Before the first frame the position can be negative.
    if (*text == '-') return ParseClockTime(text + 1) ? std::optional<double>(0.0) : std::nullopt;
    return ParseClockTime(text);
}

std::optional<float> ProgressScale::Advance(double seconds) {
    if (duration_ <= 0 || seconds < 0) return std::nullopt;
    float percent =
        static_cast<float>(std::min(seconds / duration_ * 100.0, double{kRunningCeiling}));
    if (percent <= reported_) return std::nullopt;
    reported_ = percent;
    return percent;
}

std::optional<float> ProgressScale::Finish() {
    if (reported_ >= 100.0f) return std::nullopt;
    reported_ = 100.0f;
    return 100.0f;
}
