#include "FileDialog.h"

namespace {
// COM for the dialog's thread, released when the dialog has answered.
class ComScope {
public:
    ComScope() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_result;
};

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_p) m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface** Out() { return &m_p; }
    Interface* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    Interface* m_p = nullptr;
};

class CoTaskText {
public:
    ~CoTaskText() { ::CoTaskMemFree(m_text); }
    PWSTR* Out() { return &m_text; }
    PWSTR Get() const { return m_text; }

private:
    PWSTR m_text = nullptr;
};

std::wstring FileSystemPath(IShellItem* item) {
    CoTaskText path;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, path.Out())) || !path.Get()) return {};
    return path.Get();
}

void OpenAt(IFileOpenDialog* dialog, LPCWSTR folder) {
    if (!folder || !*folder) return;
    ComPtr<IShellItem> item;
    if (SUCCEEDED(::SHCreateItemFromParsingName(folder, nullptr, IID_PPV_ARGS(item.Out()))))
        dialog->SetFolder(item.operator->());
}

HWND OwnerOf(CWnd* parent) {
    return parent ? parent->m_hWnd : ::GetActiveWindow();
}

CFileDialog::TestHook& FileHook() {
    static CFileDialog::TestHook hook;
    return hook;
}

CFolderPickerDialog::TestHook& FolderHook() {
    static CFolderPickerDialog::TestHook hook;
    return hook;
}
}  // namespace

CFileDialog::CFileDialog(BOOL, LPCWSTR defaultExtension, LPCWSTR fileName, DWORD flags, LPCWSTR filter,
                         CWnd* parent, DWORD, BOOL)
    : m_pParentWnd(parent) {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags;
    m_ofn.lpstrDefExt = defaultExtension;
    m_ofn.lpstrFileTitle = nullptr;
    (void)fileName;
    // "label|patterns|label|patterns||"
    std::wstring rest = filter ? filter : L"";
    while (!rest.empty()) {
        size_t labelEnd = rest.find(L'|');
        if (labelEnd == std::wstring::npos || labelEnd == 0) break;
        size_t patternEnd = rest.find(L'|', labelEnd + 1);
        if (patternEnd == std::wstring::npos) patternEnd = rest.size();
        m_filters.emplace_back(rest.substr(0, labelEnd), rest.substr(labelEnd + 1, patternEnd - labelEnd - 1));
        rest.erase(0, patternEnd + 1);
    }
}

void CFileDialog::SetTestHook(TestHook hook) { FileHook() = std::move(hook); }

INT_PTR CFileDialog::DoModal() {
    std::vector<std::wstring> paths;
    if (FileHook()) return Finish(FileHook()(*this, paths), paths);

    ComScope com;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(dialog.Out()))))
        return IDCANCEL;
    FILEOPENDIALOGOPTIONS options = FOS_FORCEFILESYSTEM;
    if (m_ofn.Flags & OFN_ALLOWMULTISELECT) options |= FOS_ALLOWMULTISELECT;
    if (m_ofn.Flags & OFN_PATHMUSTEXIST) options |= FOS_PATHMUSTEXIST;
    if (m_ofn.Flags & OFN_FILEMUSTEXIST) options |= FOS_FILEMUSTEXIST;
    dialog->SetOptions(options);
    std::vector<COMDLG_FILTERSPEC> specs;
    for (const auto& [label, patterns] : m_filters) specs.push_back({label.c_str(), patterns.c_str()});
    if (!specs.empty()) {
        dialog->SetFileTypes(static_cast<UINT>(specs.size()), specs.data());
        dialog->SetFileTypeIndex(1);
    }
    if (m_ofn.lpstrTitle) dialog->SetTitle(m_ofn.lpstrTitle);
    OpenAt(dialog.operator->(), m_ofn.lpstrInitialDir);
    if (dialog->Show(OwnerOf(m_pParentWnd)) != S_OK) return Finish(IDCANCEL, paths);

    ComPtr<IShellItemArray> results;
    DWORD count = 0;
    if (FAILED(dialog->GetResults(results.Out())) || FAILED(results->GetCount(&count)))
        return Finish(IDCANCEL, paths);
    for (DWORD i = 0; i < count; ++i) {
        ComPtr<IShellItem> item;
        if (SUCCEEDED(results->GetItemAt(i, item.Out()))) {
            std::wstring path = FileSystemPath(item.operator->());
            if (!path.empty()) paths.push_back(path);
        }
    }
    return Finish(paths.empty() ? IDCANCEL : IDOK, paths);
}

INT_PTR CFileDialog::Finish(INT_PTR answer, const std::vector<std::wstring>& paths) {
    m_paths.clear();
    if (answer != IDOK || paths.empty()) return IDCANCEL;

    // The classic layout: one full path, or the folder followed by each name.
    std::wstring block;
    if (paths.size() == 1) {
        block = paths.front() + L'\0';
    } else {
        size_t slash = paths.front().find_last_of(L'\\');
        std::wstring folder = slash == std::wstring::npos ? L"" : paths.front().substr(0, slash);
        block = folder + L'\0';
        for (const std::wstring& path : paths) {
            size_t cut = path.find_last_of(L'\\');
            block += (cut == std::wstring::npos ? path : path.substr(cut + 1)) + L'\0';
        }
    }
    block += L'\0';
    if (m_ofn.lpstrFile) {
        if (block.size() > m_ofn.nMaxFile) {
            if (m_ofn.nMaxFile >= 2) m_ofn.lpstrFile[0] = m_ofn.lpstrFile[1] = L'\0';
            return IDCANCEL;
        }
        block.copy(m_ofn.lpstrFile, block.size());
    }
    for (const std::wstring& path : paths) m_paths.emplace_back(path);
    return IDOK;
}

POSITION CFileDialog::GetStartPosition() const {
    return m_paths.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CString CFileDialog::GetNextPathName(POSITION& position) const {
    size_t index = reinterpret_cast<UINT_PTR>(position) - 1;
    if (!position || index >= m_paths.size()) {
        position = nullptr;
        return CString();
    }
    position = index + 1 < m_paths.size() ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(index + 2)) : nullptr;
    return m_paths[index];
}

CFolderPickerDialog::CFolderPickerDialog(LPCWSTR folder, DWORD flags, CWnd* parent, DWORD, BOOL)
    : m_pParentWnd(parent) {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags;
    m_ofn.lpstrInitialDir = folder;
}

void CFolderPickerDialog::SetTestHook(TestHook hook) { FolderHook() = std::move(hook); }

INT_PTR CFolderPickerDialog::DoModal() {
    m_folder.Empty();
    if (FolderHook()) {
        std::wstring chosen;
        INT_PTR answer = FolderHook()(*this, chosen);
        if (answer != IDOK || chosen.empty()) return IDCANCEL;
        m_folder = chosen.c_str();
        return IDOK;
    }

    ComScope com;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(dialog.Out()))))
        return IDCANCEL;
    dialog->SetOptions(FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    if (m_ofn.lpstrTitle) dialog->SetTitle(m_ofn.lpstrTitle);
    OpenAt(dialog.operator->(), m_ofn.lpstrInitialDir);
    if (dialog->Show(OwnerOf(m_pParentWnd)) != S_OK) return IDCANCEL;
    ComPtr<IShellItem> item;
    if (FAILED(dialog->GetResult(item.Out()))) return IDCANCEL;
    std::wstring path = FileSystemPath(item.operator->());
    if (path.empty()) return IDCANCEL;
    m_folder = path.c_str();
    return IDOK;
}
