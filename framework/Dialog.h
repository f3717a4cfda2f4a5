#pragma once
#include "Wnd.h"

// A dialog built from a resource template: modal with DoModal, or a modeless
// window with Create. Its messages go through the object like any window's;
// the dialog manager does the rest.
class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
    ~CDialog() override;

    // Runs the dialog in a loop of its own that offers every message to
    // PreTranslateMessage of its target and the target's parents before the
    // dialog manager's keyboard handling. Returns the code given to EndDialog,
    // or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog as a modeless window (a child when the template says so).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);

    // The base version attaches the controls (DoDataExchange); derived
    // classes call it first. TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    void EndDialog(int result);
    virtual void OnOK();
    virtual void OnCancel();

    bool IsEnded() const { return m_ended; }
    INT_PTR GetEndResult() const { return m_nModalResult; }

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    INT_PTR m_nModalResult = -1;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL CreateFromTemplate(HWND parent);
    void RunModalLoop();

    bool m_inModalLoop = false;
    bool m_ended = false;
};
