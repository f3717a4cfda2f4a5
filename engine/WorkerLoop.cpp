#include <shlwapi.h>

#include <optional>
#include <string>

#include "ArgumentVector.h"
#include "EngineBridge.h"
#include "ThreadAnsi.h"

namespace {
// Runs the job that was handed over and records its outcome; everything here
// is final before the worker reports itself idle.
void RunJob(JobChannel& channel) {
    std::optional<std::string> input = ToThreadAnsi(channel.inputPath);
    std::optional<std::string> output = ToThreadAnsi(channel.outputPath);
    channel.progress.store(0);
    // A path the engine would only see mangled could make it read or write
    // the wrong file; such a job never reaches the engine.
    if (!input || !output) {
        channel.result.store(kJobRefused);
        channel.cancelRequested.store(0);
        return;
    }
    // Stopped before the engine started: the engine would not hear the stop.
    if (channel.cancelRequested.load() != 0) {
        channel.cancelRequested.store(0);
        return;
    }

    ArgumentVector arguments(channel.quality.load(), std::move(*input), std::move(*output));
    channel.result.store(
        channel.synthTrans(arguments.Count(), arguments.Data(), channel.rotation.load()));

    if (channel.cancelRequested.load() != 0) {
        // A deletion that fails leaves the partial file; nothing else to do.
        if (PathFileExistsW(channel.outputPath)) DeleteFileW(channel.outputPath);
        channel.progress.store(0);
        channel.cancelRequested.store(0);
    } else if (channel.result.load() == 0) {
        channel.progress.store(100);
    }
}
}  // namespace

DWORD WINAPI WorkerThreadProc(LPVOID parameter) {
    if (parameter) WorkerLoop(*static_cast<JobChannel*>(parameter));
    return 0;
}

void WorkerLoop(JobChannel& channel) {
    for (;;) {
        WaitForSingleObject(channel.jobEvent, INFINITE);
        channel.result.store(0);
        channel.workerBusy.store(1);
        // Ends with workerBusy left at 1: no job will follow.
        if (channel.stopRequested.load() != 0) return;
        RunJob(channel);
        channel.workerBusy.store(0);
    }
}
