#include "MainWindowHarness.h"

#include "EngineBridge.h"
#include "resource.h"

#include <algorithm>

namespace {

class CloseWindowTest : public MainWindowTest {
protected:
    void ExpectClosedAndSaved(const std::wstring& folder) {
        CKorvane7Dlg& window = Window();
        EXPECT_TRUE(window.IsEnded());
        EXPECT_EQ(window.GetEndResult(), IDCANCEL);
        EXPECT_FALSE(window.IsWindowVisible());
        for (CButtonEx* button : {&window.addFilesButton, &window.deleteFilesButton, &window.uploadButton,
                                  &window.startButton, &window.stopButton, &window.browseButton,
                                  &window.openDirButton})
            EXPECT_TRUE(button->m_bNoDraw) << "button " << button->GetDlgCtrlID();
        EXPECT_EQ(window.buttonFillBrush, nullptr);
        EXPECT_EQ(ReadBytes(SettingsFilePath()), Utf16Bytes(folder));
    }
};

TEST_F(CloseWindowTest, EveryWayOfClosingRunsTheCloseSequence) {
    struct Way {
        const char* name;
        void (*close)(CKorvane7Dlg& window);
    };
    const Way ways[] = {
        {"close box", [](CKorvane7Dlg& w) { w.SendMessage(WM_CLOSE); }},
        {"command 1011",
         [](CKorvane7Dlg& w) { w.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CMD_CLOSE, BN_CLICKED), 0); }},
        {"Escape",
         [](CKorvane7Dlg& w) { w.outputPathEdit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"Enter",
         [](CKorvane7Dlg& w) { w.outputPathEdit.PostMessage(WM_KEYDOWN, VK_RETURN, 0x001C0001); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        DeleteFileW(SettingsFilePath().c_str());
        CKorvane7Dlg& window = Open();
        window.outputFolder = L"D:\\Out\\";
        window.outputPathEdit.SetFocus();

        way.close(window);
        Pump();

        ExpectClosedAndSaved(L"D:\\Out\\");
        Destroy();
    }
}

TEST_F(CloseWindowTest, AnEmptyOutputFolderLeavesTheSettingsFileAsItWas) {
    WriteBytes(SettingsFilePath(), "");
    CKorvane7Dlg& window = Open();
    ASSERT_TRUE(window.outputFolder.IsEmpty());

    window.SendMessage(WM_CLOSE);
    Pump();

    EXPECT_TRUE(window.IsEnded());
    EXPECT_TRUE(PathExists(SettingsFilePath()));
    EXPECT_EQ(ReadBytes(SettingsFilePath()), "");
}

TEST_F(CloseWindowTest, ClosingWaitsUntilTheWorkerIsIdle) {
    CKorvane7Dlg& window = Open();
    EngineScript slowJob;
    slowJob.reports = {25.0f, 50.0f, 75.0f};
    slowJob.delayMs = 150;
    Engine().Write(slowJob);
    SubmitJob(window.jobChannel, (Root() + L"in.mp4").c_str(), (Root() + L"out.mp4").c_str(), 1, 0);
    ASSERT_EQ(window.jobChannel.workerBusy.load(), 1);

    window.SendMessage(WM_CLOSE);

    EXPECT_EQ(window.jobChannel.workerBusy.load(), 0);
    const std::vector<std::string> events = Engine().Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "return 0"), events.end());
    EXPECT_TRUE(window.IsEnded());
}

}  // namespace
