#include "Korvane7Dlg.h"

void CKorvane7Dlg::OnStartStop() {}

void CKorvane7Dlg::StartRun() {}

void CKorvane7Dlg::OnConversionTick(UINT_PTR) {}

void CKorvane7Dlg::OnCheckRunFinished() {}

void CKorvane7Dlg::StopRun() {}

void CKorvane7Dlg::SetRunControls(BOOL, BOOL) {}

bool CKorvane7Dlg::AllRowsDone() const { return true; }

void CKorvane7Dlg::SelectOnlyRow(int) {}

void CKorvane7Dlg::EndRunForClose() {}
