#pragma once
#include "Controls.h"
#include "MessageMap.h"

// The drop-down list placed over a cell of the job list to edit it in
// place. The platform draws it; when the mouse leaves it, it asks its
// parent list (WM_CLOSE_CELL_EDITOR with the cell) whether to close it.
class CComboBoxR : public CComboBox {
public:
    CComboBoxR() = default;
    ~CComboBoxR() override = default;

    // The cell under the editor; set by the owner whenever it places it.
    int m_nItem = 0;
    int m_nCol = 0;

protected:
    void OnMouseLeave();

    DECLARE_MESSAGE_MAP()
};
