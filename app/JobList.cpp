#include "Korvane7Dlg.h"

#include "FileDialog.h"
#include "JobRow.h"

#include <new>
#include <vector>

namespace {

// Room for the folder and every selected name the dialog hands back.
constexpr DWORD kSelectionBufferUnits = 26000;

constexpr wchar_t kFileFilter[] = L"Media Files (*mp4, *.mov)|*.mp4;*.mov|All Files (*.*)|*.*||";
constexpr DWORD kFileDialogFlags =
    OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

}  // namespace

void CKorvane7Dlg::OnAddFiles() {
    CFileDialog dialog(TRUE, nullptr, nullptr, kFileDialogFlags, kFileFilter, this);
    dialog.m_ofn.lpstrTitle = L"Select Files";

    std::vector<wchar_t> selection;
    try {
        selection.assign(kSelectionBufferUnits, L'\0');
    } catch (const std::bad_alloc&) {
        MessageBox(L"Out of memory\uFF01", L"Error", MB_OK);
        return;
    }
    dialog.m_ofn.lpstrFile = selection.data();
    dialog.m_ofn.nMaxFile = kSelectionBufferUnits;
    if (dialog.DoModal() != IDOK) return;

    for (POSITION position = dialog.GetStartPosition(); position;)
        AddInputFile(dialog.GetNextPathName(position));
    if (jobList.GetItemCount() > 0) startButton.EnableWindow(TRUE);
    jobList.SetFocus();
}

void CKorvane7Dlg::AddInputFile(const CString& path) {
    const int row = jobList.GetItemCount();
    const int separator = path.ReverseFind(L'\\');
    const CString folder = path.Left(separator + 1);
    const CString name = path.Mid(separator + 1);

    // A name already listed is reported as such, whatever its folder.
    if (IsInputListed(name)) {
        MessageBox(CString::Formatted(L"File\uFF1A\"%s\" already exist.", path), L"Warning", MB_OK);
        return;
    }
    if (!sourceFolderSet) {
        sourceFolder = folder;
        sourceFolderSet = 1;
    }
    // Every job's input path is sourceFolder followed by its name.
    if (sourceFolder != folder) {
        MessageBox(CString::Formatted(L"File Path is not the same with \"%s\".", sourceFolder), L"Warning",
                   MB_OK);
        return;
    }

    const CString outputName = MakeOutputName(name);
    jobList.InsertItem(row, name);
    jobList.SetItemText(row, kOutputColumn, outputName);
    jobList.SetItemText(row, kRotationColumn, L"0");
    jobList.SetItemText(row, kProgressColumn, kStatusUnprocessed);
}

bool CKorvane7Dlg::IsInputListed(const CString& name) const {
    const int rows = jobList.GetItemCount();
    for (int row = 0; row < rows; ++row)
        if (jobList.GetItemText(row, kInputColumn) == name) return true;
    return false;
}

void CKorvane7Dlg::OnDeleteFiles() {
    // The editor's row index would outlive the rows that go.
    if (cellEditorOpen) CommitRotationEditor();

    const auto firstSelected = [this] {
        const int row = jobList.GetNextItem(-1, LVNI_SELECTED);
        return row >= 0 && row < jobList.GetItemCount() ? row : -1;
    };
    int row = firstSelected();
    if (row < 0) {
        MessageBox(L"Please select Files.", L"Hint", MB_OK);
        return;
    }
    for (; row >= 0; row = firstSelected()) jobList.DeleteItem(row);

    if (jobList.GetItemCount() == 0) {
        startButton.EnableWindow(FALSE);
        sourceFolderSet = 0;
    }
}

// A change of quality after a run makes every row convertible again, under a
// name that is free now.
void CKorvane7Dlg::OnQualityChanged() {
    if (lastRunQuality == -1) return;
    if (qualityCombo.GetCurSel() == lastRunQuality) return;

    const int rows = jobList.GetItemCount();
    for (int row = 0; row < rows; ++row) {
        jobList.SetItemText(row, kOutputColumn, MakeOutputName(jobList.GetItemText(row, kInputColumn), row));
        jobList.SetItemText(row, kProgressColumn, kStatusUnprocessed);
    }
    startButton.EnableWindow(TRUE);
}
