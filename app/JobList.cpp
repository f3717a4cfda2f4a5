#include "Korvane7Dlg.h"

void CKorvane7Dlg::OnAddFiles() {}

void CKorvane7Dlg::OnDropFiles(HDROP) {}

void CKorvane7Dlg::AddInputFile(const CString&) {}

bool CKorvane7Dlg::IsInputListed(const CString&) const { return false; }

CString CKorvane7Dlg::MakeOutputName(const CString&) const { return CString(); }

void CKorvane7Dlg::OnDeleteFiles() {}

void CKorvane7Dlg::OnQualityChanged() {}

void CKorvane7Dlg::OnListClick(NMITEMACTIVATE*, LRESULT*) {}

void CKorvane7Dlg::OpenRotationEditor(int, int) {}

void CKorvane7Dlg::CommitRotationEditor() {}
