#include <windows.h>

#include <mutex>
#include <optional>

#include "Conversion.h"
#include "FfmpegLocator.h"
#include "LibconvertApi.h"
#include "TextConversion.h"
#include "UniqueHandle.h"

namespace {
// What the host registered, and the one conversion that may run in this
// process at a time. The host calls stop_transcoding and
// setposition_callback from other threads than synth_trans.
class EngineSession {
public:
    EngineSession() : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

    void Register(ProgressCallback callback, void* user) {
        std::lock_guard<std::mutex> lock(mutex_);
        callback_ = callback;
        user_ = user;
    }

    void Report(float percent) {
        ProgressCallback callback = nullptr;
        void* user = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            callback = callback_;
            user = user_;
        }
        if (callback) callback(percent, user);
    }

    bool Begin() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (running_) return false;
        running_ = true;
        ResetEvent(stop_.Get());
        return true;
    }

    void End() {
        std::lock_guard<std::mutex> lock(mutex_);
        running_ = false;
    }

    // A stop while nothing runs is dropped, so it cannot end the next
    // conversion.
    void RequestStop() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (running_) SetEvent(stop_.Get());
    }

    HANDLE StopEvent() const { return stop_.Get(); }

private:
    std::mutex mutex_;
    ProgressCallback callback_ = nullptr;
    void* user_ = nullptr;
    bool running_ = false;
    UniqueHandle stop_;
};

EngineSession& Session() {
    static EngineSession session;
    return session;
}

class RunningConversion {
public:
    explicit RunningConversion(EngineSession& session) : session_(session) {}
    ~RunningConversion() { session_.End(); }
    RunningConversion(const RunningConversion&) = delete;
    RunningConversion& operator=(const RunningConversion&) = delete;

private:
    EngineSession& session_;
};

std::optional<std::vector<std::wstring>> ReadEntries(int argc, char** argv) {
    if (argc < 1 || !argv) return std::nullopt;
    std::vector<std::wstring> entries;
    for (int i = 1; i < argc; ++i) {
        auto entry = AnsiToWide(argv[i]);
        if (!entry) return std::nullopt;
        entries.push_back(std::move(*entry));
    }
    return entries;
}
}  // namespace

extern "C" int __cdecl synth_trans(int argc, char** argv, int rotation) {
    // Nothing may unwind into the host, which is not C++ as far as we know.
    try {
        auto entries = ReadEntries(argc, argv);
        if (!entries) return kBadArguments;
        EngineSession& session = Session();
        if (!session.Begin()) return kBusy;
        RunningConversion running(session);
        return RunConversion(*entries, rotation, ModuleFolder(), session.StopEvent(),
                             [&session](float percent) { session.Report(percent); });
    } catch (...) {
        return kConversionFailed;
    }
}

extern "C" int __cdecl stop_transcoding(void) {
    Session().RequestStop();
    return 0;
}

extern "C" int __cdecl setposition_callback(ProgressCallback callback, void* user) {
    Session().Register(callback, user);
    return 0;
}
