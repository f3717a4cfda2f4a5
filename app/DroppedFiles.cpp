#include "Korvane7Dlg.h"

#include <shellapi.h>

#include <vector>

namespace {

// The shell's drop block, released once its paths have been read.
class DropHandle {
public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    ~DropHandle() { ::DragFinish(drop_); }
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;

    UINT Count() const { return ::DragQueryFileW(drop_, 0xFFFFFFFF, nullptr, 0); }

    // The item's whole path, however long: its length is asked for first.
    CString Path(UINT index) const {
        const UINT length = ::DragQueryFileW(drop_, index, nullptr, 0);
        std::vector<wchar_t> path(static_cast<size_t>(length) + 1, L'\0');
        const UINT copied = ::DragQueryFileW(drop_, index, path.data(), length + 1);
        return CString(path.data(), static_cast<int>(copied));
    }

private:
    HDROP drop_;
};

}  // namespace

// Anything dropped, a file of any type or a folder, is offered to the list;
// drops are taken during a run too, and the run converts the new rows.
void CKorvane7Dlg::OnDropFiles(HDROP drop) {
    {
        const DropHandle dropped(drop);
        const UINT count = dropped.Count();
        for (UINT index = 0; index < count; ++index) {
            // An item whose path cannot be read is no file to convert.
            const CString path = dropped.Path(index);
            if (!path.IsEmpty()) AddInputFile(path);
        }
    }
    if (jobList.GetItemCount() > 0) startButton.EnableWindow(TRUE);
    CDialog::OnDropFiles(drop);
}
