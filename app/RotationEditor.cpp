#include "Korvane7Dlg.h"

#include "JobRow.h"
#include "resource.h"

namespace {

constexpr const wchar_t* kRotations[] = {L"0", L"90", L"180", L"270"};

}  // namespace

void CKorvane7Dlg::OnListClick(NMITEMACTIVATE* click, LRESULT* result) {
    const int row = click->iItem;
    const int column = click->iSubItem;
    if (row == -1) {
        if (cellEditorOpen) CommitRotationEditor();
    } else if (column == kRotationColumn) {
        if (cellEditorOpen && editRow == row && editColumn == kRotationColumn) {
            rotationCellEditor.SetFocus();
        } else {
            if (cellEditorOpen) CommitRotationEditor();
            OpenRotationEditor(row, column);
        }
    } else if (cellEditorOpen) {
        CommitRotationEditor();
    }
    if (result) *result = 0;
}

// The editor is a drop-down list laid over the cell, inside the list so that
// it scrolls and clips with it.
void CKorvane7Dlg::OpenRotationEditor(int row, int column) {
    editRow = row;
    editColumn = column;
    cellEditorOpen = 1;

    rotationCellEditor.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(), this, IDC_ROTATION_EDITOR);
    rotationCellEditor.m_nItem = row;
    rotationCellEditor.m_nCol = column;
    rotationCellEditor.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), FALSE);
    rotationCellEditor.SetParent(&jobList);

    const CRect cell = RotationEditorRect(row, column);
    const CString current = jobList.GetItemText(row, column);
    for (const wchar_t* rotation : kRotations) rotationCellEditor.AddString(rotation);
    for (int index = 0; index < rotationCellEditor.GetCount(); ++index) {
        CString text;
        rotationCellEditor.GetLBText(index, text);
        if (text.CompareNoCase(current) == 0) {
            rotationCellEditor.SetCurSel(index);
            break;
        }
    }

    rotationCellEditor.MoveWindow(cell, TRUE);
    rotationCellEditor.ShowDropDown(TRUE);
    rotationCellEditor.ShowWindow(SW_SHOW);
    rotationCellEditor.SetFocus();
}

// A new rotation makes the row convertible again, under a name that is free now.
void CKorvane7Dlg::CommitRotationEditor() {
    const CString value = rotationCellEditor.GetWindowText();
    if (value != jobList.GetItemText(editRow, editColumn)) {
        jobList.SetItemText(editRow, editColumn, value);
        jobList.SetItemText(editRow, kOutputColumn,
                            MakeOutputName(jobList.GetItemText(editRow, kInputColumn), editRow));
        jobList.SetItemText(editRow, kProgressColumn, kStatusUnprocessed);
        startButton.EnableWindow(TRUE);
    }
    rotationCellEditor.DestroyWindow();
    cellEditorOpen = 0;
}
