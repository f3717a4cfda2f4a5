#include <algorithm>
#include <sstream>

#include "EngineTest.h"

namespace {
std::string RegisterLine(const JobChannel& channel) {
    std::ostringstream line;
    line << "register " << std::hex << reinterpret_cast<uintptr_t>(&channel);
    return line.str();
}

size_t CountOf(const std::vector<std::string>& events, const std::string& event) {
    return static_cast<size_t>(std::count(events.begin(), events.end(), event));
}

TEST_F(EngineTest, StartLoadsTheEngineStartsAnIdleWorkerAndRegistersTheChannel) {
    EXPECT_EQ(GetModuleHandleW(L"libconvert.dll"), channel.engineLibrary);
    EXPECT_NE(nullptr, channel.synthTrans);
    EXPECT_NE(nullptr, channel.stopTranscoding);
    EXPECT_NE(nullptr, channel.setPositionCallback);
    ASSERT_NE(nullptr, channel.workerThread);
    EXPECT_EQ(GetThreadId(channel.workerThread), channel.workerThreadId);
    EXPECT_NE(nullptr, channel.jobEvent);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(channel.workerThread, 0));
    EXPECT_EQ(0, channel.workerBusy.load());
    EXPECT_EQ(std::vector<std::string>{RegisterLine(channel)}, engine.Events());
}

TEST_F(EngineTest, SecondStartResolvesAndRegistersAgainWithoutASecondLibraryOrThread) {
    HMODULE library = channel.engineLibrary;
    HANDLE thread = channel.workerThread;
    HANDLE event = channel.jobEvent;
    channel.synthTrans = nullptr;

    ASSERT_EQ(kEngineStarted, StartEngine(channel));

    EXPECT_EQ(library, channel.engineLibrary);
    EXPECT_EQ(thread, channel.workerThread);
    EXPECT_EQ(event, channel.jobEvent);
    EXPECT_NE(nullptr, channel.synthTrans);
    EXPECT_EQ(2u, CountOf(engine.Events(), RegisterLine(channel)));
    // One reference only: releasing it once unloads the engine.
    ShutdownEngine(channel);
    EXPECT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"));
}

TEST(WorkerThreadProcTest, WithoutAChannelEndsAtOnceWithZero) {
    EXPECT_EQ(0u, WorkerThreadProc(nullptr));
}

// Each engine build that lacks one export, loaded by its full path first so
// that the bridge's load by the bare name finds it, as it would find such an
// engine in the application's folder.
struct MissingExportCase {
    const wchar_t* missingExport;
    int32_t code;
    bool synthTransSet;
    bool stopTranscodingSet;
};
void PrintTo(const MissingExportCase& c, std::ostream* out) {
    *out << "without " << ::testing::PrintToString(std::wstring(c.missingExport));
}

class MissingExportTest : public ::testing::TestWithParam<MissingExportCase> {
protected:
    TempFolder folder;
    ScriptedEngine engine{folder.Path()};
};

TEST_P(MissingExportTest, GivesItsCodeKeepsEarlierStepsAndStartsNoWorker) {
    const MissingExportCase& c = GetParam();
    ASSERT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"));
    HMODULE variant = LoadLibraryW(ScriptedEngine::VariantWithout(c.missingExport).c_str());
    ASSERT_NE(nullptr, variant);
    {
        JobChannel channel;
        EXPECT_EQ(c.code, StartEngine(channel));
        EXPECT_EQ(variant, channel.engineLibrary);
        EXPECT_EQ(c.synthTransSet, channel.synthTrans != nullptr);
        EXPECT_EQ(c.stopTranscodingSet, channel.stopTranscoding != nullptr);
        EXPECT_EQ(nullptr, channel.setPositionCallback);
        EXPECT_EQ(nullptr, channel.jobEvent);
        EXPECT_EQ(nullptr, channel.workerThread);
        EXPECT_EQ(0u, channel.workerThreadId);
    }
    FreeLibrary(variant);
    EXPECT_EQ(nullptr, GetModuleHandleW(L"libconvert.dll"));
    // No callback was registered: the log holds nothing but the release.
    EXPECT_EQ(std::vector<std::string>{"detach"}, engine.Events());
}

INSTANTIATE_TEST_SUITE_P(
    Variants, MissingExportTest,
    ::testing::Values(MissingExportCase{L"synth_trans", kSynthTransMissing, false, false},
                      MissingExportCase{L"stop_transcoding", kStopTranscodingMissing, true, false},
                      MissingExportCase{L"setposition_callback", kSetPositionCallbackMissing, true,
                                        true}));
}  // namespace
