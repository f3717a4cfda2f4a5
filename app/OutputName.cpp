#include "Korvane7Dlg.h"

#include "JobRow.h"

namespace {

// An entry of any kind, file or folder, at the path.
bool EntryExists(const CString& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return true;
}

// The file system does not tell letter case apart, so neither does this.
bool HeldByAnotherRow(const CListCtrl& list, const CString& outputName, int ownRow) {
    const int rows = list.GetItemCount();
    for (int row = 0; row < rows; ++row)
        if (row != ownRow && list.GetItemText(row, kOutputColumn).CompareNoCase(outputName) == 0) return true;
    return false;
}

}  // namespace

CString CKorvane7Dlg::MakeOutputName(const CString& inputName) const { return MakeOutputName(inputName, -1); }

// The stem is the name up to its first dot, or the whole name when it has
// none. A name is free when neither the output folder nor another row has it:
// two rows with one output file would overwrite each other's result.
CString CKorvane7Dlg::MakeOutputName(const CString& inputName, int ownRow) const {
    const int dot = inputName.Find(L'.');
    const CString stem = dot < 0 ? inputName : inputName.Left(dot);
    const CString outputFolderText = outputPathEdit.GetWindowText();
    for (unsigned number = 0;; ++number) {
        const CString candidate = CString::Formatted(L"%s_korvane7_%u.mp4", stem, number);
        if (!EntryExists(outputFolderText + candidate) && !HeldByAnotherRow(jobList, candidate, ownRow))
            return candidate;
    }
}
