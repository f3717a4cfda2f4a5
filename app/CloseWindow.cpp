#include "Korvane7Dlg.h"

#include "EngineBridge.h"
#include "SettingsFile.h"

void CKorvane7Dlg::OnCloseWindow() {
    // The buttons fill with buttonFillBrush; none may paint once it is gone.
    for (CButtonEx* button : {&addFilesButton, &deleteFilesButton, &uploadButton, &startButton,
                              &stopButton, &browseButton, &openDirButton})
        button->m_bNoDraw = TRUE;

    if (runActive) EndRunForClose();
    // The engine is released only after the dialog ends; no job may still be
    // inside it then.
    WaitForWorkerIdle(jobChannel);

    buttonFillBrush.reset();
    if (!outputFolder.IsEmpty()) SaveOutputFolder(outputFolder);
    EndDialog(IDCANCEL);
}

// Enter and Escape would otherwise end the dialog without stopping a run or
// saving the output folder. Once the dialog has ended (WM_CLOSE's default
// handling cancels it again), there is nothing left to do.
void CKorvane7Dlg::OnOK() {
    if (!IsEnded()) OnCloseWindow();
}

void CKorvane7Dlg::OnCancel() {
    if (!IsEnded()) OnCloseWindow();
}
