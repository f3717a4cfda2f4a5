#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <type_traits>

#include "DialogTemplate.h"
#include "ModuleResource.h"
#include "resource.h"

namespace {

struct DestroyWindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

class DialogCreation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }

    static UniqueWindow Create(UINT id, HWND parent = nullptr) {
        return UniqueWindow(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                               parent, PlainDialogProc, 0));
    }

    static std::wstring Text(HWND window) {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        return text;
    }

    static std::wstring ClassName(HWND window) {
        wchar_t name[128] = {};
        GetClassNameW(window, name, 128);
        std::wstring lower = name;
        for (auto& c : lower) {
            c = static_cast<wchar_t>(towlower(c));
        }
        return lower;
    }

    // Dialog units to pixels the way the dialog manager places a control:
    // position and size converted each by itself.
    static RECT Pixels(HWND dialog, short x, short y, short cx, short cy) {
        RECT units{x, y, cx, cy};
        MapDialogRect(dialog, &units);
        return {units.left, units.top, units.left + units.right, units.top + units.bottom};
    }

    static RECT RectInParent(HWND dialog, HWND child) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    static LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

    // Every template item exists in the live dialog with its class, at the
    // rectangle its dialog units give (a combo box's height is its closed
    // height, so only its position and width are compared; an icon static
    // only by its position).
    static void ExpectItemsPlaced(HWND dialog, UINT id) {
        const auto layout = ReadDialogTemplate(ModuleResource(RT_DIALOG, id));
        ASSERT_TRUE(layout);
        RECT client{};
        GetClientRect(dialog, &client);
        const RECT size = Pixels(dialog, 0, 0, layout->cx, layout->cy);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        HWND child = GetWindow(dialog, GW_CHILD);
        for (const DialogItem& item : layout->items) {
            SCOPED_TRACE("control " + std::to_string(static_cast<int>(item.id)));
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(static_cast<DWORD>(GetDlgCtrlID(child)), item.id);
            EXPECT_EQ(ClassName(child), item.className);
            const RECT want = Pixels(dialog, item.x, item.y, item.cx, item.cy);
            const RECT got = RectInParent(dialog, child);
            EXPECT_EQ(got.left, want.left);
            EXPECT_EQ(got.top, want.top);
            if (!(item.className == L"static" && (item.style & SS_TYPEMASK) == SS_ICON)) {
                EXPECT_EQ(got.right, want.right);
                if (item.className != L"combobox") {
                    EXPECT_EQ(got.bottom, want.bottom);
                }
            }
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << "more controls than the template holds";
    }
};

TEST_F(DialogCreation, MainWindowCreatesWithItsControlsInPlace) {
    UniqueWindow dialog = Create(IDD_KORVANE7_DIALOG);
    ASSERT_TRUE(dialog);
    HWND window = dialog.get();
    EXPECT_EQ(Text(window), L"KORVANE7 Video Converter");
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(Style(window) & WS_THICKFRAME) << "the window must not be sizable by its border";
    ExpectItemsPlaced(window, IDD_KORVANE7_DIALOG);

    EXPECT_EQ(Style(GetDlgItem(window, IDC_JOB_LIST)) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(Style(GetDlgItem(window, IDC_OUTPUT_PATH)) & ES_READONLY);
    const LONG_PTR quality = Style(GetDlgItem(window, IDC_QUALITY));
    EXPECT_EQ(quality & 3, CBS_DROPDOWNLIST);
    EXPECT_FALSE(quality & CBS_SORT);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_ROTATION_EDITOR)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_START)));
    EXPECT_EQ(Text(GetDlgItem(window, IDC_OUTPUT_PATH_LABEL)), L"Output  Path:");
}

TEST_F(DialogCreation, AboutBoxCreatesWithTheIconAndTexts) {
    UniqueWindow dialog = Create(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog);
    HWND window = dialog.get();
    EXPECT_EQ(Text(window), L"About KORVANE7 Video Converter");
    ExpectItemsPlaced(window, IDD_ABOUTBOX);

    HWND icon = GetWindow(window, GW_CHILD);
    EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0) << "icon 128 not shown";
    HWND version = GetWindow(icon, GW_HWNDNEXT);
    EXPECT_EQ(Text(version), L"Version 1.2.1");
    HWND ok = GetDlgItem(window, IDOK);
    EXPECT_EQ(Text(ok), L"OK");
    EXPECT_EQ(Style(ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(DialogCreation, CaptionBarCreatesAsHiddenBorderlessChild) {
    UniqueWindow parent = Create(IDD_KORVANE7_DIALOG);
    ASSERT_TRUE(parent);
    UniqueWindow dialog = Create(IDD_CAPTION, parent.get());
    ASSERT_TRUE(dialog);
    HWND window = dialog.get();
    EXPECT_EQ(GetParent(window), parent.get());
    EXPECT_FALSE(IsWindowVisible(window));
    const LONG_PTR style = Style(window);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME));
    EXPECT_EQ(Text(window), L"");
    ExpectItemsPlaced(window, IDD_CAPTION);
}

}  // namespace
