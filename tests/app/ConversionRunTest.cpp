#include "JobListFixture.h"

#include "JobRow.h"
#include "PrivateMessages.h"

namespace {

using Texts = std::vector<std::wstring>;

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

class ConversionRunTest : public JobListFixture {
protected:
    // A window whose list holds real clips of the test's source folder.
    CKorvane7Dlg& OpenWithClips(const Texts& names) {
        CKorvane7Dlg& window = OpenWindow();
        clips = Root() + L"clips\\";
        MakeFolders(clips);
        Texts paths;
        for (const std::wstring& name : names) paths.push_back(MakeFile(clips + name));
        Drop(paths);
        return window;
    }

    void Start() { Click(Window().startButton); }
    void Stop() { Click(Window().stopButton); }

    // The engine's running job returns as a finished one would: with its
    // scripted result, and no cancel requested.
    void FinishBlockedJob() {
        ASSERT_TRUE(PumpUntil([this] { return EngineLogged("block"); }));
        Window().jobChannel.stopTranscoding();
    }

    bool RowShows(int row, const std::wstring& text) {
        return PumpUntil([=] { return Cell(row, kProgressColumn) == text; });
    }

    UINT RowState(int row) { return Window().jobList.GetItemState(row, kSelectedAndFocused); }

    static bool HasStyle(const CWnd& control, DWORD style) { return (control.GetStyle() & style) != 0; }

    void ExpectIdleControls(bool startEnabled) {
        CKorvane7Dlg& window = Window();
        EXPECT_EQ(window.runActive, 0);
        EXPECT_TRUE(HasStyle(window.startButton, WS_VISIBLE));
        EXPECT_EQ(window.startButton.IsWindowEnabled() != FALSE, startEnabled);
        EXPECT_FALSE(HasStyle(window.stopButton, WS_VISIBLE));
        for (CWnd* control : {static_cast<CWnd*>(&window.addFilesButton), static_cast<CWnd*>(&window.deleteFilesButton),
                              static_cast<CWnd*>(&window.qualityCombo), static_cast<CWnd*>(&window.browseButton)})
            EXPECT_TRUE(control->IsWindowEnabled()) << "control " << control->GetDlgCtrlID();
    }

    void ExpectRunningControls() {
        CKorvane7Dlg& window = Window();
        EXPECT_EQ(window.runActive, 1);
        EXPECT_FALSE(HasStyle(window.startButton, WS_VISIBLE));
        EXPECT_TRUE(HasStyle(window.stopButton, WS_VISIBLE));
        EXPECT_TRUE(window.stopButton.IsWindowEnabled());
        for (CWnd* control : {static_cast<CWnd*>(&window.addFilesButton), static_cast<CWnd*>(&window.deleteFilesButton),
                              static_cast<CWnd*>(&window.qualityCombo), static_cast<CWnd*>(&window.browseButton)})
            EXPECT_FALSE(control->IsWindowEnabled()) << "control " << control->GetDlgCtrlID();
    }

    std::wstring clips;
};

TEST_F(ConversionRunTest, DroppedClipsAreConvertedOneAfterAnotherAndTheFolderIsOffered) {
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer == IDOK ? "answered OK" : "answered Cancel");
        CKorvane7Dlg& window = OpenWithClips({L"clip.mov", L"beach.mp4"});
        const size_t callsBefore = Engine().Calls().size();
        boxes.Clear();
        boxes.Answer(answer);
        shellCalls.clear();
        EngineScript blocking;
        blocking.reports = {7.0f};
        blocking.writeOutput = true;
        blocking.blockUntilStop = true;
        Engine().Write(blocking);
        ClickCell(0, kRotationColumn);
        window.rotationCellEditor.SetCurSel(1);
        window.jobList.SetItemState(1, kSelectedAndFocused, kSelectedAndFocused);

        Start();

        // Start took the open edit first.
        EXPECT_EQ(window.cellEditorOpen, 0);
        EXPECT_EQ(Cell(0, kRotationColumn), L"90");
        ExpectRunningControls();
        ASSERT_TRUE(RowShows(0, L"07%"));
        EXPECT_EQ(Cell(1, kProgressColumn), L"Unprocessed");
        EXPECT_EQ(window.jobList.m_nHighlightPercent, 100);
        EXPECT_EQ(RowState(0), kSelectedAndFocused);
        EXPECT_EQ(RowState(1), 0u);

        EngineScript finishing;
        finishing.writeOutput = true;
        Engine().Write(finishing);
        FinishBlockedJob();
        ASSERT_TRUE(RowShows(0, L"Done"));
        EXPECT_EQ(window.jobList.m_nHighlightPercent, 0);
        EXPECT_EQ(RowState(0), 0u);
        ASSERT_TRUE(RunEnded());

        EXPECT_EQ(Column(kProgressColumn), (Texts{L"Done", L"Done"}));
        EXPECT_EQ(RowState(1), 0u);
        ExpectIdleControls(false);
        EXPECT_EQ(window.lastRunQuality, 1);
        // The second pass finds the first pass's files in the output folder.
        const std::wstring suffix = answer == IDOK ? L"_korvane7_1.mp4" : L"_korvane7_0.mp4";
        EXPECT_EQ(Column(kOutputColumn), (Texts{L"clip" + suffix, L"beach" + suffix}));
        EXPECT_TRUE(PathExists(OutputFolder() + L"clip" + suffix));
        EXPECT_TRUE(PathExists(OutputFolder() + L"beach" + suffix));

        const std::vector<EngineCall> calls = Engine().Calls();
        ASSERT_EQ(calls.size(), callsBefore + 2);
        const EngineCall& first = calls[callsBefore];
        const EngineCall& second = calls[callsBefore + 1];
        EXPECT_EQ(first.argc, 14);
        EXPECT_EQ(first.rotation, 90);
        EXPECT_EQ(first.argv.at(2), Narrow(clips + L"clip.mov"));
        EXPECT_EQ(first.argv.at(13), Narrow(OutputFolder() + L"clip" + suffix));
        EXPECT_EQ(second.rotation, 0);
        EXPECT_EQ(second.argv.at(2), Narrow(clips + L"beach.mp4"));
        EXPECT_EQ(second.argv.at(13), Narrow(OutputFolder() + L"beach" + suffix));

        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"Do you want to open the output directory?");
        EXPECT_EQ(boxes.Boxes()[0].caption, L"Finish transcoding");
        EXPECT_TRUE(boxes.Boxes()[0].hasCancel);
        EXPECT_EQ(boxes.Boxes()[0].owner, window.m_hWnd);
        // A late check from the ended run asks nothing more.
        window.SendMessage(WM_CHECK_RUN_FINISHED);
        EXPECT_EQ(boxes.Boxes().size(), 1u);
        if (answer == IDOK) {
            ASSERT_EQ(shellCalls.size(), 1u);
            EXPECT_EQ(shellCalls[0].owner, window.m_hWnd);
            EXPECT_EQ(shellCalls[0].verb, L"explore");
            EXPECT_EQ(shellCalls[0].file, OutputFolder());
            EXPECT_FALSE(shellCalls[0].hasParameters);
            EXPECT_FALSE(shellCalls[0].hasDirectory);
            EXPECT_EQ(shellCalls[0].show, SW_SHOWMAXIMIZED);
        } else {
            EXPECT_TRUE(shellCalls.empty());
        }
    }
}

TEST_F(ConversionRunTest, TheEnginesResultDecidesEachRowsFinalStatus) {
    struct Case {
        int result;
        std::wstring status;
    };
    const Case cases[] = {
        {0, L"Done"}, {999, L"Failed"}, {1000, L"Invalid file"}, {-1, L"Failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "result " << c.result);
        OpenWithClips({L"a.mp4", L"b.mp4"});
        const size_t callsBefore = Engine().Calls().size();
        boxes.Clear();
        // Each job reaches 100 % before it returns: a failed job's percentage
        // must not pass for the next row's success.
        EngineScript script;
        script.reports = {100.0f};
        script.result = c.result;
        Engine().Write(script);

        Start();
        ASSERT_TRUE(RunEnded());

        EXPECT_EQ(Column(kProgressColumn), (Texts{c.status, c.status}));
        EXPECT_EQ(Engine().Calls().size(), callsBefore + 2);
        EXPECT_EQ(boxes.Boxes().size(), c.result == 0 ? 1u : 0u);
        EXPECT_EQ(Window().jobList.m_nHighlightPercent, 0);
        EXPECT_EQ(RowState(0) | RowState(1), 0u);
        ExpectIdleControls(false);
    }
}

TEST_F(ConversionRunTest, TheChosenQualityPicksTheEnginesArguments) {
    struct Case {
        int quality;
        int argc;
        const char* bitRate;
    };
    const Case cases[] = {{0, 16, "4096k"}, {1, 14, "10000k"}, {2, 6, "20000k"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bitRate);
        OpenWithClips({L"a.mp4"});
        const size_t callsBefore = Engine().Calls().size();
        ChooseQuality(c.quality);

        Start();
        ASSERT_TRUE(RunEnded());

        const std::vector<EngineCall> calls = Engine().Calls();
        ASSERT_EQ(calls.size(), callsBefore + 1);
        EXPECT_EQ(calls.back().argc, c.argc);
        EXPECT_EQ(calls.back().argv.at(4), c.bitRate);
        EXPECT_EQ(Window().lastRunQuality, c.quality);
    }
}

TEST_F(ConversionRunTest, StopEndsTheJobAndTheNextStartResumesWithItsRow) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4", L"b.mp4"});
    // The stopped engine returns a failure code; it belongs to no row.
    EngineScript blocking;
    blocking.reports = {42.0f};
    blocking.result = 5;
    blocking.writeOutput = true;
    blocking.blockUntilStop = true;
    Engine().Write(blocking);
    Start();
    ASSERT_TRUE(RowShows(0, L"42%"));
    const std::wstring output = OutputFolder() + L"a_korvane7_0.mp4";
    ASSERT_TRUE(PathExists(output));

    Stop();

    EXPECT_TRUE(EngineLogged("stop"));
    EXPECT_EQ(window.jobChannel.workerBusy.load(), 0);
    EXPECT_FALSE(PathExists(output));
    EXPECT_EQ(Column(kProgressColumn), (Texts{L"42%", L"Unprocessed"}));
    EXPECT_EQ(window.jobList.m_nHighlightPercent, 0);
    EXPECT_EQ(window.lastRunQuality, 1);
    Pump();
    ExpectIdleControls(true);
    EXPECT_TRUE(boxes.Boxes().empty());

    Engine().Write(EngineScript{});
    Start();
    ASSERT_TRUE(RunEnded());

    EXPECT_EQ(Column(kProgressColumn), (Texts{L"Done", L"Done"}));
    const std::vector<EngineCall> calls = Engine().Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].argv.at(2), Narrow(clips + L"a.mp4"));
    EXPECT_EQ(calls[2].argv.at(2), Narrow(clips + L"b.mp4"));
}

TEST_F(ConversionRunTest, StopAfterTheJobSucceededButBeforeTheTickMarksTheRowDone) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4", L"b.mp4"});
    EngineScript quick;
    quick.writeOutput = true;
    Engine().Write(quick);
    Start();
    ASSERT_TRUE(PumpUntil([this] { return EngineLogged("wrote"); }));
    // No message is handled while waiting, so no tick can take the outcome first.
    for (int i = 0; i < 200 && window.jobChannel.workerBusy.load() != 0; ++i) ::Sleep(25);
    ASSERT_EQ(window.jobChannel.progress.load(), 100u);

    window.OnStartStop();

    EXPECT_EQ(Column(kProgressColumn), (Texts{L"Done", L"Unprocessed"}));
    EXPECT_EQ(window.jobChannel.progress.load(), 0u);
    EXPECT_TRUE(PathExists(OutputFolder() + L"a_korvane7_0.mp4")) << "a finished job's output is kept";
    Start();
    ASSERT_TRUE(RunEnded());
    EXPECT_EQ(Column(kProgressColumn), (Texts{L"Done", L"Done"}));
    EXPECT_EQ(Engine().Calls().size(), 2u) << "the finished row is not converted again";
}

TEST_F(ConversionRunTest, StopWhenEveryRowIsDoneDisablesStart) {
    OpenWithClips({L"a.mp4"});
    Start();
    ASSERT_TRUE(RowShows(0, L"Done"));
    ASSERT_EQ(Window().runActive, 1);

    Stop();

    ExpectIdleControls(false);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ConversionRunTest, StopCommitsAnOpenRotationEditorFirst) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4"});
    EngineScript blocking;
    blocking.blockUntilStop = true;
    Engine().Write(blocking);
    Start();
    ASSERT_TRUE(PumpUntil([this] { return EngineLogged("block"); }));
    window.OpenRotationEditor(0, kRotationColumn);
    window.rotationCellEditor.SetCurSel(3);

    Stop();

    EXPECT_EQ(window.cellEditorOpen, 0);
    EXPECT_FALSE(IsWindow(window.rotationCellEditor.m_hWnd));
    EXPECT_EQ(Cell(0, kRotationColumn), L"270");
    EXPECT_EQ(Cell(0, kProgressColumn), L"Unprocessed");
    ExpectIdleControls(true);
}

TEST_F(ConversionRunTest, DuringARunClicksOnTheListDoNothingWhileADropIsConverted) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4"});
    EngineScript blocking;
    blocking.blockUntilStop = true;
    Engine().Write(blocking);
    Start();
    ASSERT_TRUE(PumpUntil([this] { return EngineLogged("block"); }));

    ClickCell(0, kRotationColumn);
    EXPECT_EQ(window.cellEditorOpen, 0);
    EXPECT_FALSE(IsWindow(window.rotationCellEditor.m_hWnd));

    Drop({MakeFile(clips + L"b.mp4")});
    ASSERT_EQ(window.runActive, 1);
    EXPECT_EQ(Column(kInputColumn), (Texts{L"a.mp4", L"b.mp4"}));
    Engine().Write(EngineScript{});
    FinishBlockedJob();
    ASSERT_TRUE(RunEnded());

    EXPECT_EQ(Column(kProgressColumn), (Texts{L"Done", L"Done"}));
    const std::vector<EngineCall> calls = Engine().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].argv.at(2), Narrow(clips + L"b.mp4"));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(ConversionRunTest, ARunOverFinishedRowsConvertsNothingAndAsksNothing) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4", L"b.mp4", L"c.mp4"});
    const Texts finished = {L"Done", L"Failed", L"Invalid file"};
    for (int row = 0; row < 3; ++row) window.jobList.SetItemText(row, kProgressColumn, finished[row].c_str());

    Start();
    ASSERT_TRUE(RunEnded());

    EXPECT_EQ(Column(kProgressColumn), finished);
    EXPECT_TRUE(Engine().Calls().empty());
    EXPECT_TRUE(boxes.Boxes().empty());
    ExpectIdleControls(false);
}

TEST_F(ConversionRunTest, AQualityChangeAfterARunMakesEveryRowConvertibleAgain) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4"});
    EngineScript writing;
    writing.writeOutput = true;
    Engine().Write(writing);
    boxes.Answer(IDCANCEL);
    Start();
    ASSERT_TRUE(RunEnded());
    ASSERT_EQ(Cell(0, kProgressColumn), L"Done");
    ASSERT_FALSE(window.startButton.IsWindowEnabled());

    ChooseQuality(2);

    EXPECT_EQ(Cell(0, kOutputColumn), L"a_korvane7_1.mp4");
    EXPECT_EQ(Cell(0, kProgressColumn), L"Unprocessed");
    EXPECT_TRUE(window.startButton.IsWindowEnabled());

    // Back at the quality of the last run, nothing changes.
    window.jobList.SetItemText(0, kProgressColumn, L"Done");
    window.startButton.EnableWindow(FALSE);
    ChooseQuality(1);
    EXPECT_EQ(Cell(0, kOutputColumn), L"a_korvane7_1.mp4");
    EXPECT_EQ(Cell(0, kProgressColumn), L"Done");
    EXPECT_FALSE(window.startButton.IsWindowEnabled());

    // An empty list gets its Start back too; that run ends at once.
    window.jobList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    Click(window.deleteFilesButton);
    ASSERT_FALSE(window.startButton.IsWindowEnabled());
    ChooseQuality(0);
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    boxes.Clear();
    Start();
    ASSERT_TRUE(RunEnded());
    EXPECT_TRUE(boxes.Boxes().empty());
    ExpectIdleControls(false);
    EXPECT_EQ(window.lastRunQuality, 0);
}

TEST_F(ConversionRunTest, StartWithoutTheOutputFolderSaysSoAndStaysIdle) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4"});
    window.outputFolder = (Root() + L"missing\\").c_str();

    Start();
    Pump();

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Output Path not exist.");
    EXPECT_EQ(boxes.Boxes()[0].caption, L"Error");
    EXPECT_EQ(boxes.Boxes()[0].owner, window.m_hWnd);
    EXPECT_FALSE(boxes.Boxes()[0].hasCancel);
    ExpectIdleControls(true);
    EXPECT_EQ(Cell(0, kProgressColumn), L"Unprocessed");
    EXPECT_EQ(window.lastRunQuality, -1);
}

TEST_F(ConversionRunTest, ClosingDuringAJobStopsItWaitsAndSavesTheFolder) {
    CKorvane7Dlg& window = OpenWithClips({L"a.mp4", L"b.mp4"});
    EngineScript blocking;
    blocking.reports = {42.0f};
    blocking.writeOutput = true;
    blocking.blockUntilStop = true;
    Engine().Write(blocking);
    Start();
    ASSERT_TRUE(RowShows(0, L"42%"));
    const std::wstring output = OutputFolder() + L"a_korvane7_0.mp4";
    ASSERT_TRUE(PathExists(output));

    window.SendMessage(WM_CLOSE);

    EXPECT_TRUE(EngineLogged("stop"));
    EXPECT_EQ(window.jobChannel.workerBusy.load(), 0);
    EXPECT_FALSE(PathExists(output));
    EXPECT_TRUE(window.IsEnded());
    EXPECT_EQ(window.runActive, 0);
    EXPECT_EQ(Column(kProgressColumn), (Texts{L"42%", L"Unprocessed"}));
    EXPECT_TRUE(HasStyle(window.startButton, WS_VISIBLE));
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    EXPECT_FALSE(HasStyle(window.stopButton, WS_VISIBLE));
    EXPECT_EQ(ReadBytes(SettingsFilePath()), Utf16Bytes(OutputFolder()));
    Pump();
    EXPECT_EQ(Engine().Calls().size(), 1u);
}

}  // namespace
