#include "ComboBoxR.h"

#include "PrivateMessages.h"

BEGIN_MESSAGE_MAP(CComboBoxR, CComboBox)
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

void CComboBoxR::OnMouseLeave() {
    if (CWnd* parent = GetParent()) parent->PostMessage(WM_CLOSE_CELL_EDITOR, static_cast<WPARAM>(m_nItem), m_nCol);
    CComboBox::OnMouseLeave();
}
