#include "EngineBridge.h"

#include <cstring>

namespace {
// GetProcAddress gives a generic pointer; the cast through void(*)() says
// that the export's real type is known here.
template <typename Function>
Function LookUp(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// Copies a path with its terminator, or refuses it when it would not fit.
bool CopyPath(const wchar_t* path, wchar_t (&buffer)[kJobPathUnits]) {
    size_t length = static_cast<size_t>(lstrlenW(path));
    if (length >= kJobPathUnits) return false;
    std::memcpy(buffer, path, (length + 1) * sizeof(wchar_t));
    return true;
}

void CloseAndClear(HANDLE& handle) {
    if (handle) CloseHandle(handle);
    handle = nullptr;
}
}  // namespace

JobChannel::~JobChannel() { ShutdownEngine(*this); }

int32_t StartEngine(JobChannel& channel) {
    if (!channel.engineLibrary) {
        channel.engineLibrary = LoadLibraryW(L"libconvert.dll");
        if (!channel.engineLibrary) return kEngineLibraryMissing;
    }
    channel.synthTrans = LookUp<SynthTransFunction>(channel.engineLibrary, "synth_trans");
    if (!channel.synthTrans) return kSynthTransMissing;
    channel.stopTranscoding =
        LookUp<StopTranscodingFunction>(channel.engineLibrary, "stop_transcoding");
    if (!channel.stopTranscoding) return kStopTranscodingMissing;
    channel.setPositionCallback =
        LookUp<SetPositionCallbackFunction>(channel.engineLibrary, "setposition_callback");
    if (!channel.setPositionCallback) return kSetPositionCallbackMissing;

    if (!channel.jobEvent) channel.jobEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    // Without its event the worker could not wait for a job; it is not started.
    if (!channel.jobEvent) return kWorkerNotStarted;
    if (!channel.workerThread) {
        channel.workerThread =
            CreateThread(nullptr, 0, WorkerThreadProc, &channel, 0, &channel.workerThreadId);
        if (!channel.workerThread) return kWorkerNotStarted;
    }
    channel.setPositionCallback(OnEngineProgress, &channel);
    return kEngineStarted;
}

void SubmitJob(JobChannel& channel, const wchar_t* inputPath, const wchar_t* outputPath,
               int32_t quality, int32_t rotation) {
    // A stop that came while no job ran was meant for no job.
    channel.cancelRequested.store(0);
    if (!CopyPath(inputPath, channel.inputPath) || !CopyPath(outputPath, channel.outputPath)) {
        channel.progress.store(0);
        channel.result.store(kJobRefused);
        return;
    }
    channel.quality.store(quality);
    channel.rotation.store(rotation);
    // Busy before the wake-up, so that a stop right after the hand-over waits
    // for this job instead of slipping into the gap.
    channel.workerBusy.store(1);
    SetEvent(channel.jobEvent);
}

void ShutdownEngine(JobChannel& channel) {
    if (channel.workerThread && channel.workerBusy.load() != 0) CancelJob(channel);
    if (channel.engineLibrary) {
        FreeLibrary(channel.engineLibrary);
        channel.engineLibrary = nullptr;
    }
    channel.stopRequested.store(1);
    if (channel.jobEvent) SetEvent(channel.jobEvent);
    if (channel.workerThread) WaitForSingleObject(channel.workerThread, INFINITE);
    CloseAndClear(channel.jobEvent);
    CloseAndClear(channel.workerThread);
}

void WaitForWorkerIdle(JobChannel& channel) {
    while (channel.workerBusy.load() != 0) Sleep(kWorkerPollMs);
}

void CancelJob(JobChannel& channel) {
    channel.cancelRequested.store(1);
    if (channel.stopTranscoding) channel.stopTranscoding();
    WaitForWorkerIdle(channel);
}
