#pragma once
#include "Controls.h"
#include "MessageMap.h"

#include <gdiplus.h>

#include <memory>

// The skin's push button: owner-drawn from PNG faces for the normal, hover,
// pressed and disabled looks, over a background strip or a fill brush, with
// an optional one-line caption and a tooltip. It follows the mouse itself to
// know when it is hovered and reports clicks as an ordinary button does.
// The owner writes the public flags and texts directly; they show at the
// next repaint.
class CButtonEx : public CButton {
public:
    CButtonEx();
    ~CButtonEx() override;

    // Faces by PNG resource identifier; the button is backed by fillBrush,
    // which the owner keeps alive as long as the button may paint.
    void SetImages(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId, Gdiplus::Brush* fillBrush);
    // Caption-bar style: the dark strip behind the face and the square hover
    // frame come with it; the disabled face and the fill brush stay.
    void SetCaptionImages(UINT normalId, UINT pressedId);
    // An empty text changes nothing.
    void SetToolTipText(CString text, BOOL activate);
    void EnsureToolTip();

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    CString m_strToolTip;
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
    BOOL m_bHover = FALSE;
    BOOL m_bTracking = FALSE;
    // Set by the owner while it shuts down: from then on nothing is painted.
    BOOL m_bNoDraw = FALSE;
    std::unique_ptr<Gdiplus::Image> m_pImgNormal;
    std::unique_ptr<Gdiplus::Image> m_pImgHover;  // or the hover frame, with m_bHoverFrame
    std::unique_ptr<Gdiplus::Image> m_pImgPressed;
    std::unique_ptr<Gdiplus::Image> m_pImgBack;
    std::unique_ptr<Gdiplus::Image> m_pImgDisabled;
    CString m_strText;
    std::unique_ptr<CFont> m_pFont;
    BOOL m_bShowText = FALSE;
    COLORREF m_crText = 0;
    Gdiplus::Brush* m_pFillBrush = nullptr;  // not owned
    // The hover image is a frame drawn behind the normal or pressed face.
    BOOL m_bHoverFrame = FALSE;

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnMouseHover(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void DrawFace(Gdiplus::Graphics& graphics, UINT state, int width, int height);
};
