#pragma once
#include "JobChannel.h"

// The bridge's operations are free functions on the channel. StartEngine,
// SubmitJob and ShutdownEngine run on the window's thread; the worker runs
// WorkerLoop and, inside the engine, OnEngineProgress.

// StartEngine's results: 0, or the first step that failed. A failed step
// leaves what the earlier steps set.
constexpr int32_t kEngineStarted = 0;
constexpr int32_t kEngineLibraryMissing = -1;
constexpr int32_t kSynthTransMissing = -2;
constexpr int32_t kStopTranscodingMissing = -3;
constexpr int32_t kSetPositionCallbackMissing = -4;
constexpr int32_t kWorkerNotStarted = -5;

// How often the window's thread looks at workerBusy while it waits.
constexpr DWORD kWorkerPollMs = 50;

// The result of a job the bridge refuses without calling the engine: a path
// that does not fit its buffer or has no exact form in the thread's ANSI code
// page. It is below 1000, so the window reports the job as failed.
constexpr int32_t kJobRefused = -1;
static_assert(kJobRefused != 0 && kJobRefused < 1000, "a refused job must read as failed");

// Loads "libconvert.dll", resolves its three exports, starts the worker and
// registers the progress callback. A second call loads no second library and
// starts no second thread.
int32_t StartEngine(JobChannel& channel);

// Hands one job to the idle worker. A stop requested while no job ran is
// dropped here; workerBusy is 1 before the worker is woken.
void SubmitJob(JobChannel& channel, const wchar_t* inputPath, const wchar_t* outputPath,
               int32_t quality, int32_t rotation);

// Sleeps in 50 ms steps until the worker has finished its job's bookkeeping.
void WaitForWorkerIdle(JobChannel& channel);

// Stops the running job as the window does: cancelRequested, then
// stop_transcoding, then a wait until the worker is idle. The worker deletes
// the job's output.
void CancelJob(JobChannel& channel);

// Releases the library, ends the worker and closes its handles. A job still
// inside the engine is stopped and waited for first.
void ShutdownEngine(JobChannel& channel);

DWORD WINAPI WorkerThreadProc(LPVOID parameter);
void WorkerLoop(JobChannel& channel);

// The callback registered with the engine; user is the JobChannel.
void __cdecl OnEngineProgress(float position, void* user);
