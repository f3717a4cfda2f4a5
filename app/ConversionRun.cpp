#include "Korvane7Dlg.h"

#include "EngineBridge.h"
#include "JobRow.h"
#include "PrivateMessages.h"
#include "Shell.h"

#include <cwchar>

namespace {

constexpr UINT_PTR kConversionTimerId = 1;
constexpr UINT kConversionTickMs = 500;
// The controls change over after a short pause.
constexpr DWORD kSettleMs = 300;
// Engine results from here on say the input was not a clip it can read.
constexpr int32_t kFirstInvalidFileResult = 1000;
constexpr int kHighlightFull = 100;
constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
constexpr WORD kEnglishUnitedStates = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

bool IsFinalStatus(const CString& status) {
    return status == kStatusDone || status == kStatusFailed || status == kStatusInvalidFile;
}

// Asks the running job to stop and waits until the worker has finished with
// it. A failure or a cancel belongs to no row, so result and progress are
// cleared for the next run. True when the job had already succeeded before
// the stop reached it: its row is converted, and converting it again would
// only find its output in the way.
bool CancelJobAndWait(JobChannel& channel) {
    CancelJob(channel);
    const bool succeeded = channel.result.load() == 0 && channel.progress.load() >= 100;
    channel.result.store(0);
    channel.progress.store(0);
    return succeeded;
}

}  // namespace

void CKorvane7Dlg::OnStartStop() {
    if (cellEditorOpen) CommitRotationEditor();
    if (runActive)
        StopRun();
    else
        StartRun();
}

void CKorvane7Dlg::StartRun() {
    if (!::PathFileExistsW(outputFolder)) {
        MessageBox(L"Output Path not exist.", L"Error", MB_OK);
        return;
    }
    runActive = 1;
    anyRowDone = 0;
    currentRow = 0;
    SetTimer(kConversionTimerId, kConversionTickMs);
    ::Sleep(kSettleMs);
    startButton.ShowWindow(SW_HIDE);
    SetRunControls(TRUE, FALSE);
}

// One step of the run: the worker is polled, never waited for. Rows dropped
// during the run count, since the number of rows is read at every use.
void CKorvane7Dlg::OnConversionTick(UINT_PTR timerId) {
    if (timerId != kConversionTimerId) {
        CDialog::OnTimer(timerId);
        return;
    }

    while (currentRow < jobList.GetItemCount() && jobChannel.workerBusy.load() == 0 &&
           IsFinalStatus(jobList.GetItemText(currentRow, kProgressColumn)))
        ++currentRow;
    PostMessage(WM_CHECK_RUN_FINISHED);
    if (currentRow >= jobList.GetItemCount()) return;

    const int32_t result = jobChannel.result.load();
    if (result != 0) {
        jobList.SetItemText(currentRow, kProgressColumn,
                            result < kFirstInvalidFileResult ? kStatusFailed : kStatusInvalidFile);
        jobList.SetItemState(currentRow, 0, kSelectedAndFocused);
        jobList.m_nHighlightPercent = 0;
        jobList.Invalidate(TRUE);
        // The failed job's last percentage must not carry over to the next row.
        jobChannel.result.store(0);
        jobChannel.progress.store(0);
        return;
    }

    const uint32_t progress = jobChannel.progress.load();
    if (progress >= 100) {
        jobList.SetItemText(currentRow, kProgressColumn, kStatusDone);
        anyRowDone = 1;
        jobList.SetItemState(currentRow, 0, kSelectedAndFocused);
        jobList.m_nHighlightPercent = 0;
        jobList.Invalidate(TRUE);
        jobChannel.progress.store(0);
        return;
    }

    jobList.SetItemText(currentRow, kProgressColumn, CString::Formatted(L"%02d%%", static_cast<int>(progress)));
    if (jobChannel.workerBusy.load() != 0) return;
    if (currentRow >= jobList.GetItemCount()) return;

    const CString inputPath = sourceFolder + jobList.GetItemText(currentRow, kInputColumn);
    const CString outputPath = outputPathEdit.GetWindowText() + jobList.GetItemText(currentRow, kOutputColumn);
    const CString rotation = jobList.GetItemText(currentRow, kRotationColumn);
    SubmitJob(jobChannel, inputPath, outputPath, qualityCombo.GetCurSel(),
              static_cast<int32_t>(std::wcstol(rotation, nullptr, 10)));
    SelectOnlyRow(currentRow);
    jobList.m_nHighlightPercent = kHighlightFull;
    jobList.Invalidate(TRUE);
}

void CKorvane7Dlg::OnCheckRunFinished() {
    // A check that arrives after the run has stopped has nothing to end.
    if (!runActive) return;
    if (currentRow < jobList.GetItemCount()) return;

    runActive = 0;
    jobChannel.progress.store(0);
    KillTimer(kConversionTimerId);
    startButton.ShowWindow(SW_SHOW);
    startButton.EnableWindow(FALSE);
    SetRunControls(FALSE, TRUE);
    lastRunQuality = qualityCombo.GetCurSel();

    if (anyRowDone &&
        ::MessageBoxExW(m_hWnd, L"Do you want to open the output directory?", L"Finish transcoding", MB_OKCANCEL,
                        kEnglishUnitedStates) == IDOK)
        AfxShellExecute(m_hWnd, L"explore", outputFolder, nullptr, nullptr, SW_SHOWMAXIMIZED);
}

// The stopped row keeps its last percentage and the run's cursor stays on it,
// so the next run begins with that row.
void CKorvane7Dlg::StopRun() {
    if (CancelJobAndWait(jobChannel)) MarkStoppedRowDone();
    runActive = 0;
    KillTimer(kConversionTimerId);
    startButton.ShowWindow(SW_SHOW);
    if (AllRowsDone()) startButton.EnableWindow(FALSE);
    jobList.m_nHighlightPercent = 0;
    jobList.Invalidate(TRUE);
    ::Sleep(kSettleMs);
    SetRunControls(FALSE, TRUE);
    lastRunQuality = qualityCombo.GetCurSel();
}

void CKorvane7Dlg::MarkStoppedRowDone() {
    if (currentRow >= jobList.GetItemCount()) return;
    jobList.SetItemText(currentRow, kProgressColumn, kStatusDone);
    jobList.SetItemState(currentRow, 0, kSelectedAndFocused);
    anyRowDone = 1;
}

void CKorvane7Dlg::SetRunControls(BOOL show, BOOL enable) {
    stopButton.ShowWindow(show ? SW_SHOW : SW_HIDE);
    addFilesButton.EnableWindow(enable);
    deleteFilesButton.EnableWindow(enable);
    qualityCombo.EnableWindow(enable);
    browseButton.EnableWindow(enable);
}

bool CKorvane7Dlg::AllRowsDone() const {
    const int rows = jobList.GetItemCount();
    for (int row = 0; row < rows; ++row)
        if (jobList.GetItemText(row, kProgressColumn) != kStatusDone) return false;
    return true;
}

void CKorvane7Dlg::SelectOnlyRow(int row) {
    const int rows = jobList.GetItemCount();
    for (int index = 0; index < rows; ++index)
        jobList.SetItemState(index, index == row ? kSelectedAndFocused : 0, kSelectedAndFocused);
}

// The window is closing: the job is stopped and the worker left idle, since
// the engine is released once the dialog has ended.
void CKorvane7Dlg::EndRunForClose() {
    runActive = 0;
    if (CancelJobAndWait(jobChannel)) MarkStoppedRowDone();
    KillTimer(kConversionTimerId);
    startButton.ShowWindow(SW_SHOW);
    if (AllRowsDone()) startButton.EnableWindow(FALSE);
    stopButton.ShowWindow(SW_HIDE);
}
