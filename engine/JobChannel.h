#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

// The engine's entry points and the progress callback the bridge registers;
// all of them use the C calling convention.
using EngineProgressCallback = void(__cdecl*)(float position, void* user);
using SynthTransFunction = int32_t(__cdecl*)(int32_t argumentCount, char** arguments,
                                             int32_t rotation);
using StopTranscodingFunction = void(__cdecl*)();
using SetPositionCallbackFunction = void(__cdecl*)(EngineProgressCallback callback, void* user);

static_assert(std::atomic<int32_t>::is_always_lock_free &&
                  std::atomic<uint32_t>::is_always_lock_free &&
                  sizeof(std::atomic<int32_t>) == 4,
              "each flag and number is one plain 32-bit word");

// Each path buffer holds at most 1023 characters and the terminating zero.
constexpr size_t kJobPathUnits = 1024;

// The one record shared by the main window and the worker thread. Nothing is
// locked: every flag and number is a 32-bit word read and written whole with
// plain atomic loads and stores. The window reads workerBusy, progress and
// result, resets progress and result after using them, and stops a job by
// setting cancelRequested and calling stopTranscoding. The operations on the
// channel (StartEngine, SubmitJob, ShutdownEngine) are free functions declared
// in EngineBridge.h. Destroying the channel shuts the bridge down, which
// releases the library, the event and the thread it owns.
struct JobChannel {
    JobChannel() = default;
    ~JobChannel();
    JobChannel(const JobChannel&) = delete;
    JobChannel& operator=(const JobChannel&) = delete;

    SynthTransFunction synthTrans = nullptr;
    StopTranscodingFunction stopTranscoding = nullptr;
    SetPositionCallbackFunction setPositionCallback = nullptr;
    HMODULE engineLibrary = nullptr;
    DWORD workerThreadId = 0;
    HANDLE workerThread = nullptr;
    HANDLE jobEvent = nullptr;
    std::atomic<int32_t> stopRequested{0};
    std::atomic<int32_t> cancelRequested{0};
    wchar_t inputPath[kJobPathUnits] = {};
    wchar_t outputPath[kJobPathUnits] = {};
    std::atomic<int32_t> quality{0};
    std::atomic<int32_t> rotation{0};
    std::atomic<uint32_t> progress{0};
    std::atomic<int32_t> result{0};
    std::atomic<int32_t> workerBusy{0};
};
