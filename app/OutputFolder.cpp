#include "Korvane7Dlg.h"

#include "FileDialog.h"
#include "SettingsFile.h"
#include "Shell.h"
#include "TempFolderPath.h"

namespace {

constexpr wchar_t kUploadPage[] = L"https://www.youtube.com/upload";

// The default output folder sits where the temporary folder is, with every
// "Temp" in its path (letter case counts) made the program's name.
CString DefaultOutputFolder() {
    CString folder(TempFolderPath());
    folder.Replace(L"Temp", L"KORVANE7 Video Converter");
    return folder;
}

}  // namespace

void CKorvane7Dlg::InitOutputFolder() {
    CString saved;
    if (LoadOutputFolder(saved)) {
        outputFolder = saved;
        outputPathEdit.SetWindowText(outputFolder);
        return;
    }
    outputFolder = DefaultOutputFolder();
    // One level only: a missing parent leaves the program without a folder.
    if (::CreateDirectoryW(outputFolder, nullptr) || ::PathFileExistsW(outputFolder))
        outputPathEdit.SetWindowText(outputFolder);
    else
        outputFolder.Empty();
}

void CKorvane7Dlg::OnBrowse() {
    CFolderPickerDialog picker(nullptr, 0, nullptr);
    picker.m_ofn.lpstrTitle = L"Select Output Directory";
    picker.m_ofn.lpstrInitialDir = outputFolder;
    if (picker.DoModal() != IDOK) return;
    // A drive root comes with its separator and so ends in two.
    CString folder = picker.GetPathName();
    folder += L"\\";
    outputPathEdit.SetWindowText(folder);
    outputFolder = folder;
}

void CKorvane7Dlg::OnOpenDirectory() {
    if (::PathFileExistsW(outputFolder)) {
        AfxShellExecute(m_hWnd, L"explore", outputFolder, nullptr, nullptr, SW_SHOWMAXIMIZED);
        return;
    }
    MessageBox(L"Output Path does not exist.", L"Error", MB_OK);
}

void CKorvane7Dlg::OnUploadPage() {
    AfxShellExecute(nullptr, L"open", kUploadPage, nullptr, nullptr, SW_SHOW);
}
