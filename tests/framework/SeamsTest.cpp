#include <gtest/gtest.h>

#include "FileDialog.h"
#include "MessageBoxHook.h"
#include "Shell.h"

#include <vector>

namespace {
// Resets the dialog hooks however a test ends.
struct HookReset {
    ~HookReset() {
        CFileDialog::SetTestHook(nullptr);
        CFolderPickerDialog::SetTestHook(nullptr);
        AfxSetShellExecuteHook(nullptr);
    }
};

const wchar_t* const kFilter = L"Media Files (*mp4, *.mov)|*.mp4;*.mov|All Files (*.*)|*.*||";

std::vector<CString> Selection(const CFileDialog& dialog) {
    std::vector<CString> paths;
    for (POSITION at = dialog.GetStartPosition(); at;) paths.push_back(dialog.GetNextPathName(at));
    return paths;
}
}  // namespace

TEST(FileDialog, ScriptedSelectionFillsTheBufferAndIsHandedBackInOrder) {
    HookReset reset;
    std::wstring seenTitle;
    std::vector<std::pair<std::wstring, std::wstring>> seenFilters;
    CFileDialog::SetTestHook([&](const CFileDialog& dialog, std::vector<std::wstring>& paths) -> INT_PTR {
        seenTitle = dialog.m_ofn.lpstrTitle;
        seenFilters = dialog.Filters();
        paths = {L"C:\\clips\\b.mov", L"C:\\clips\\a.mp4", L"C:\\clips\\c.mp4"};
        return IDOK;
    });
    std::vector<wchar_t> buffer(26000, L'\0');
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, kFilter);
    dialog.m_ofn.lpstrTitle = L"Select Files";
    dialog.m_ofn.lpstrFile = buffer.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());

    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(L"Select Files", seenTitle);
    ASSERT_EQ(2u, seenFilters.size());
    EXPECT_EQ(L"Media Files (*mp4, *.mov)", seenFilters[0].first);
    EXPECT_EQ(L"*.mp4;*.mov", seenFilters[0].second);
    EXPECT_EQ(L"*.*", seenFilters[1].second);
    EXPECT_EQ(std::wstring(L"C:\\clips\0b.mov\0a.mp4\0c.mp4\0\0", 29), std::wstring(buffer.data(), 29));
    std::vector<CString> expected = {L"C:\\clips\\b.mov", L"C:\\clips\\a.mp4", L"C:\\clips\\c.mp4"};
    EXPECT_EQ(expected, Selection(dialog));
}

TEST(FileDialog, CancelAndAnOverfullBufferGiveNoSelection) {
    HookReset reset;
    for (INT_PTR answer : {INT_PTR(IDCANCEL), INT_PTR(IDOK)}) {
        CFileDialog::SetTestHook([answer](const CFileDialog&, std::vector<std::wstring>& paths) {
            paths = {L"C:\\a-rather-long-folder\\first.mp4", L"C:\\a-rather-long-folder\\second.mp4"};
            return answer;
        });
        wchar_t buffer[16] = {};
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT, kFilter);
        dialog.m_ofn.lpstrFile = buffer;
        dialog.m_ofn.nMaxFile = 16;
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(nullptr, dialog.GetStartPosition());
    }
}

TEST(FolderPicker, ScriptedAnswerGivesTheFolderAsReported) {
    HookReset reset;
    std::wstring seenInitial;
    CFolderPickerDialog::SetTestHook([&](const CFolderPickerDialog& dialog, std::wstring& folder) -> INT_PTR {
        seenInitial = dialog.m_ofn.lpstrInitialDir ? dialog.m_ofn.lpstrInitialDir : L"";
        folder = L"D:\\";
        return IDOK;
    });
    CFolderPickerDialog picker;
    picker.m_ofn.lpstrInitialDir = L"C:\\out\\";
    ASSERT_EQ(IDOK, picker.DoModal());
    EXPECT_EQ(L"C:\\out\\", seenInitial);
    EXPECT_STREQ(L"D:\\", picker.GetFolderPath());

    CFolderPickerDialog::SetTestHook([](const CFolderPickerDialog&, std::wstring&) -> INT_PTR { return IDCANCEL; });
    CFolderPickerDialog cancelled;
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_TRUE(cancelled.GetFolderPath().IsEmpty());
}

TEST(Shell, TheHookSeesEveryCallAndNothingOpens) {
    HookReset reset;
    std::vector<ShellExecuteCall> calls;
    AfxSetShellExecuteHook([&](const ShellExecuteCall& call) { calls.push_back(call); });
    AfxShellExecute(nullptr, L"explore", L"C:\\out\\", nullptr, nullptr, SW_SHOWMAXIMIZED);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(L"explore", calls[0].verb);
    EXPECT_EQ(L"C:\\out\\", calls[0].file);
    EXPECT_FALSE(calls[0].hasParameters);
    EXPECT_EQ(SW_SHOWMAXIMIZED, calls[0].show);
}

TEST(MessageBoxHook, ReadsAndAnswersEachBoxInTurn) {
    MessageBoxHook boxes({IDCANCEL});
    EXPECT_EQ(IDCANCEL, ::MessageBoxW(nullptr, L"Do you want to open the output directory?",
                                      L"Finish transcoding", MB_OKCANCEL));
    EXPECT_EQ(IDOK, ::MessageBoxW(nullptr, L"Please select Files.", L"Hint", MB_OK));
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ(L"Do you want to open the output directory?", boxes.Boxes()[0].text);
    EXPECT_EQ(L"Finish transcoding", boxes.Boxes()[0].caption);
    EXPECT_TRUE(boxes.Boxes()[0].hasCancel);
    EXPECT_EQ(L"Hint", boxes.Boxes()[1].caption);
    EXPECT_FALSE(boxes.Boxes()[1].hasCancel);
}
