#include "MainWindowHarness.h"

#include "FileDialog.h"
#include "MessageBoxHook.h"
#include "Shell.h"
#include "resource.h"

#include <optional>
#include <vector>

namespace {

// What the folder picker saw, and what it answers.
struct PickerScript {
    INT_PTR answer = IDOK;
    std::wstring chosen;
    std::wstring title;
    std::optional<std::wstring> openedAt;
    int shown = 0;
};

PickerScript Answering(INT_PTR answer, const wchar_t* chosen) {
    PickerScript script;
    script.answer = answer;
    script.chosen = chosen;
    return script;
}

class OutputFolderTest : public MainWindowTest {
protected:
    PickerScript picker;
    std::vector<ShellExecuteCall> shellCalls;

    void SetUp() override {
        CFolderPickerDialog::SetTestHook([this](const CFolderPickerDialog& dialog, std::wstring& folder) {
            ++picker.shown;
            picker.title = dialog.m_ofn.lpstrTitle ? dialog.m_ofn.lpstrTitle : L"";
            if (dialog.m_ofn.lpstrInitialDir) picker.openedAt = dialog.m_ofn.lpstrInitialDir;
            folder = picker.chosen;
            return picker.answer;
        });
        AfxSetShellExecuteHook([this](const ShellExecuteCall& call) { shellCalls.push_back(call); });
        Open();
    }

    void TearDown() override {
        CFolderPickerDialog::SetTestHook(nullptr);
        AfxSetShellExecuteHook(nullptr);
    }
};

TEST_F(OutputFolderTest, BrowseAppendsOneSeparatorToThePickedFolder) {
    struct Case {
        const wchar_t* picked;
        const wchar_t* expected;
    };
    for (const Case& c : {Case{L"D:\\out", L"D:\\out\\"}, Case{L"D:\\", L"D:\\\\"}}) {
        SCOPED_TRACE(testing::Message() << "picked " << testing::PrintToString(std::wstring(c.picked)));
        const std::wstring before = Window().outputFolder.Str();
        picker = Answering(IDOK, c.picked);

        SendCommand(IDC_BROWSE);

        EXPECT_EQ(picker.shown, 1);
        EXPECT_EQ(picker.title, L"Select Output Directory");
        EXPECT_EQ(picker.openedAt.value_or(L"(none)"), before);
        EXPECT_STREQ(Window().outputFolder, c.expected);
        EXPECT_STREQ(Window().outputPathEdit.GetWindowText(), c.expected);
    }
}

TEST_F(OutputFolderTest, CancellingBrowseChangesNothing) {
    const CString before = Window().outputFolder;
    ASSERT_FALSE(before.IsEmpty());
    picker = Answering(IDCANCEL, L"D:\\elsewhere");

    SendCommand(IDC_BROWSE);

    EXPECT_EQ(picker.shown, 1);
    EXPECT_STREQ(Window().outputFolder, before);
    EXPECT_STREQ(Window().outputPathEdit.GetWindowText(), before);
}

TEST_F(OutputFolderTest, OpenDirectoryOnAMissingFolderSaysSoAndOpensNothing) {
    Window().outputFolder = (Root() + L"gone\\").c_str();
    MessageBoxHook boxes;

    SendCommand(IDC_OPEN_DIR);

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Output Path does not exist.");
    EXPECT_EQ(boxes.Boxes()[0].caption, L"Error");
    EXPECT_EQ(boxes.Boxes()[0].owner, Window().m_hWnd);
    EXPECT_FALSE(boxes.Boxes()[0].hasCancel);
    EXPECT_TRUE(shellCalls.empty());
}

TEST_F(OutputFolderTest, OpenDirectoryExploresAnExistingFolderMaximised) {
    MakeFolders(Root() + L"out\\");
    Window().outputFolder = (Root() + L"out\\").c_str();
    MessageBoxHook boxes;

    SendCommand(IDC_OPEN_DIR);

    EXPECT_TRUE(boxes.Boxes().empty());
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].owner, Window().m_hWnd);
    EXPECT_EQ(shellCalls[0].verb, L"explore");
    EXPECT_EQ(shellCalls[0].file, Root() + L"out\\");
    EXPECT_FALSE(shellCalls[0].hasParameters);
    EXPECT_FALSE(shellCalls[0].hasDirectory);
    EXPECT_EQ(shellCalls[0].show, SW_SHOWMAXIMIZED);
}

TEST_F(OutputFolderTest, TheUploadButtonOpensTheSecureUploadPage) {
    SendCommand(IDC_UPLOAD);

    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].owner, nullptr);
    EXPECT_EQ(shellCalls[0].verb, L"open");
    EXPECT_EQ(shellCalls[0].file.rfind(L"https://", 0), 0u);
    const std::wstring path = L"/upload";
    ASSERT_GT(shellCalls[0].file.size(), path.size());
    EXPECT_EQ(shellCalls[0].file.substr(shellCalls[0].file.size() - path.size()), path);
    EXPECT_EQ(shellCalls[0].file.find(L'/', 8), shellCalls[0].file.size() - path.size());
    EXPECT_FALSE(shellCalls[0].hasParameters);
    EXPECT_FALSE(shellCalls[0].hasDirectory);
    EXPECT_EQ(shellCalls[0].show, SW_SHOW);
}

}  // namespace
