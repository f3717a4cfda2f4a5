#pragma once
#include "HostWindow.h"
#include "ListCtrlCl.h"

#include <gtest/gtest.h>

#include <initializer_list>

// A report list view in a host window, attached to a CListCtrlCl the way
// the main window's data exchange attaches it, with four columns of 100
// pixels that fill its client area exactly.
class ListFixture : public testing::Test {
protected:
    static constexpr UINT kListId = 1009;
    static constexpr int kColumnWidth = 100;
    static constexpr int kColumns = 4;

    void SetUp() override {
        HWND control = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_ALIGNLEFT,
                                         10, 10, kColumnWidth * kColumns, 200, host.m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(list.SubclassWindow(control));
    }

    // Titles and alignment digits as the main window adds them.
    void AddColumns(std::initializer_list<const wchar_t*> titles, const wchar_t* digits) {
        int column = 0;
        for (const wchar_t* title : titles) {
            list.m_header.m_arrTitles.Add(title);
            list.InsertColumn(column++, title, LVCFMT_LEFT, kColumnWidth);
        }
        list.m_header.m_strFormat = digits;
    }

    void AddRows(int count, const wchar_t* text = L"") {
        for (int row = 0; row < count; ++row) {
            list.InsertItem(row, text);
            for (int column = 1; column < kColumns; ++column) list.SetItemText(row, column, text);
        }
    }

    CRect Label(int row, int column) {
        CRect rect;
        list.GetSubItemRect(row, column, LVIR_LABEL, rect);
        return rect;
    }

    HostWindow host{640, 400};
    CListCtrlCl list;
};
