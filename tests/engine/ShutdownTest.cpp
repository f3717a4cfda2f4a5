#include <algorithm>

#include "EngineTest.h"

namespace {
// Where a line stands in the log; the end when it is missing.
ptrdiff_t Position(const std::vector<std::string>& events, const std::string& event) {
    return std::find(events.begin(), events.end(), event) - events.begin();
}

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_) CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// A second handle on the worker, to watch it after the bridge has closed its own.
HANDLE DuplicateOf(HANDLE thread) {
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &copy, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    return copy;
}

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST_F(EngineTest, ShutdownOfAWaitingWorkerEndsItAndClosesBothHandles) {
    OwnedHandle worker(DuplicateOf(channel.workerThread));
    HANDLE event = channel.jobEvent;
    HANDLE thread = channel.workerThread;
    ShutdownEngine(channel);

    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker.Get(), 0));
    DWORD exitCode = 1;
    GetExitCodeThread(worker.Get(), &exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_FALSE(IsOpen(event));
    EXPECT_FALSE(IsOpen(thread));
    EXPECT_EQ(nullptr, channel.jobEvent);
    EXPECT_EQ(nullptr, channel.workerThread);
    EXPECT_EQ(nullptr, channel.engineLibrary);
    EXPECT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"));
    // Woken for the end, the worker ran no job.
    EXPECT_EQ(1, channel.stopRequested.load());
    EXPECT_EQ(1, channel.workerBusy.load());
    EXPECT_FALSE(EngineWasCalled());
}

TEST_F(EngineTest, ShutdownRunsAgainHarmlesslyAsTheChannelGoes) {
    ShutdownEngine(channel);
    ShutdownEngine(channel);
    EXPECT_EQ(nullptr, channel.workerThread);
    EXPECT_EQ(nullptr, channel.jobEvent);
}

TEST_F(EngineTest, ShutdownDuringAJobStopsItBeforeReleasingTheEngine) {
    engine.Write({{25.0f}, 0, 3, true, true});
    SubmitJob(channel, Input().c_str(), Output().c_str(), 0, 0);
    ASSERT_TRUE(engine.WaitForEvent("block"));
    OwnedHandle worker(DuplicateOf(channel.workerThread));

    ShutdownEngine(channel);

    std::vector<std::string> events = engine.Events();
    ptrdiff_t stop = Position(events, "stop");
    ptrdiff_t returned = Position(events, "return 3");
    ptrdiff_t detach = Position(events, "detach");
    ASSERT_LT(detach, static_cast<ptrdiff_t>(events.size()));
    EXPECT_LT(stop, returned);
    EXPECT_LT(returned, detach) << "the library went while the engine still ran";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker.Get(), 0));
    // The stopped job is a cancelled one: its partial output is gone.
    EXPECT_FALSE(folder.Exists(L"clip_korvane7_1.mp4"));
    EXPECT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"));
}
}  // namespace
