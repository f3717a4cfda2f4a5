#pragma once
#include "Wnd.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

typedef struct FileDialogPosition* POSITION;

// The Vista-style open dialog. Filters are given as "label|patterns|...|";
// m_ofn.lpstrFile and m_ofn.nMaxFile name the result buffer, which receives
// the selection as the classic dialog writes it (folder, then each name).
class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, LPCWSTR defaultExtension = nullptr, LPCWSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR filter = nullptr,
                CWnd* parent = nullptr, DWORD size = 0, BOOL vistaStyle = TRUE);
    virtual ~CFileDialog() = default;

    // IDOK when the user chose files, IDCANCEL otherwise (also when the
    // selection does not fit the result buffer).
    virtual INT_PTR DoModal();
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& position) const;

    // The filters as (label, patterns) pairs, in order.
    const std::vector<std::pair<std::wstring, std::wstring>>& Filters() const { return m_filters; }

    OPENFILENAMEW m_ofn{};

    // Tests answer the dialog instead of a person: the hook sees the dialog
    // and returns IDOK with the chosen paths, or IDCANCEL.
    using TestHook = std::function<INT_PTR(const CFileDialog& dialog, std::vector<std::wstring>& paths)>;
    static void SetTestHook(TestHook hook);

private:
    INT_PTR Finish(INT_PTR answer, const std::vector<std::wstring>& paths);

    std::vector<std::pair<std::wstring, std::wstring>> m_filters;
    std::vector<CString> m_paths;
    CWnd* m_pParentWnd;
};

// The Vista-style folder picker.
class CFolderPickerDialog {
public:
    explicit CFolderPickerDialog(LPCWSTR folder = nullptr, DWORD flags = 0, CWnd* parent = nullptr,
                                 DWORD size = 0, BOOL vistaStyle = TRUE);
    virtual ~CFolderPickerDialog() = default;

    virtual INT_PTR DoModal();
    // The chosen folder as the dialog reports it (a drive root keeps its separator).
    CString GetFolderPath() const { return m_folder; }
    CString GetPathName() const { return m_folder; }

    OPENFILENAMEW m_ofn{};

    using TestHook = std::function<INT_PTR(const CFolderPickerDialog& dialog, std::wstring& folder)>;
    static void SetTestHook(TestHook hook);

private:
    CString m_folder;
    CWnd* m_pParentWnd;
};
