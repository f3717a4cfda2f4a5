#include "Korvane7Dlg.h"

#include <algorithm>

namespace {

int WidthOf(const CWnd& control) {
    CRect rect;
    control.GetWindowRect(&rect);
    return rect.Width();
}

}  // namespace

void CKorvane7Dlg::LayoutControls() {
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    // A minimised window has no client area; the next real size lays out.
    if (w <= 0 || h <= 0) return;

    // The labels, the combo box and the edit field keep their template widths.
    const int qualityLabelWidth = WidthOf(qualityLabel);
    const int qualityComboWidth = WidthOf(qualityCombo);
    const int pathLabelWidth = WidthOf(outputPathLabel);
    const int pathEditWidth = WidthOf(outputPathEdit);

    if (captionBar.m_hWnd) {
        captionBar.MoveWindow(0, 0, w, 0, TRUE);
        captionBar.PlaceCaptionButtons();
        captionBar.Invalidate(TRUE);
    }
    addFilesButton.MoveWindow(10, 2, 80, 35, TRUE);
    deleteFilesButton.MoveWindow(94, 2, 80, 35, TRUE);
    uploadButton.MoveWindow(180, 0, 70, 35, TRUE);

    const int listWidth = std::max(0, w - 6);
    jobList.MoveWindow(3, 39, listWidth, std::max(0, h - 127), TRUE);
    jobList.SetColumnWidth(0, listWidth / 3);
    jobList.SetColumnWidth(1, listWidth / 3);
    jobList.SetColumnWidth(2, listWidth / 6);
    jobList.SetColumnWidth(3, listWidth / 6);

    qualityLabel.MoveWindow(10, h - 74, qualityLabelWidth, 26, TRUE);
    qualityCombo.MoveWindow(qualityLabelWidth + 14, h - 74, qualityComboWidth, 26, TRUE);
    startButton.MoveWindow(w - 90, h - 84, 80, 80, TRUE);
    stopButton.MoveWindow(w - 90, h - 84, 80, 80, TRUE);
    outputPathLabel.MoveWindow(10, h - 40, pathLabelWidth, 26, TRUE);
    outputPathEdit.MoveWindow(pathLabelWidth + 14, h - 40, pathEditWidth, 26, TRUE);
    browseButton.MoveWindow(pathLabelWidth + pathEditWidth + 18, h - 40, 70, 26, TRUE);
    openDirButton.MoveWindow(pathLabelWidth + pathEditWidth + 92, h - 40, 70, 26, TRUE);
}

void CKorvane7Dlg::OnSize(UINT type, int width, int height) {
    CDialog::OnSize(type, width, height);
    if (!initDone) return;
    if (cellEditorOpen) rotationCellEditor.ShowWindow(SW_HIDE);
    LayoutControls();
    if (cellEditorOpen) {
        rotationCellEditor.MoveWindow(RotationEditorRect(editRow, editColumn), TRUE);
        rotationCellEditor.ShowWindow(SW_SHOW);
        rotationCellEditor.ShowDropDown(TRUE);
        rotationCellEditor.SetFocus();
    }
}

CRect CKorvane7Dlg::RotationEditorRect(int row, int column) const {
    CRect label;
    jobList.GetSubItemRect(row, column, LVIR_LABEL, label);
    const int width = jobList.GetColumnWidth(column);
    return CRect(label.left + 1, label.top + 1, label.left + width - 1, label.bottom - 1);
}
