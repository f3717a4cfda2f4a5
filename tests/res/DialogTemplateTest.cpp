#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "ModuleResource.h"
#include "resource.h"

namespace {

// A control whose template id is IDC_STATIC (-1), as a 32-bit id.
constexpr DWORD kNoId = 0xFFFFFFFF;
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

struct ExpectedItem {
    DWORD id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    short x, y, cx, cy;
};

struct ExpectedDialog {
    const char* name;
    UINT id;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const wchar_t* title;
    std::vector<ExpectedItem> items;
};

const ExpectedDialog kDialogs[] = {
    {"AboutBox", IDD_ABOUTBOX,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS, 0, 308, 128,
     L"About KORVANE7 Video Converter",
     {
         {kNoId, L"static", L"", kVisibleChild | SS_ICON, 135, 15, 20, 20},
         {kNoId, L"static", L"Version 1.2.1", kVisibleChild | WS_GROUP | SS_NOPREFIX, 125, 37, 76, 8},
         {kNoId, L"static",
          L"KORVANE7 Video Converter is a simple and powerful convertion tool for 360 degree "
          L"camera. After recording 360 degree videos, you can convert these video clips into "
          L"the format compatible with YouTube with this tool easily.",
          kVisibleChild | WS_GROUP, 18, 53, 271, 38},
         {IDOK, L"button", L"OK", kVisibleChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 251, 107, 50, 14},
     }},
    {"MainWindow", IDD_KORVANE7_DIALOG,
     WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
         WS_MAXIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_CENTERMOUSE | DS_SETFONT | DS_FIXEDSYS,
     WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, 561, 315, L"KORVANE7 Video Converter",
     {
         {IDC_START, L"button", L"", kVisibleChild | WS_TABSTOP, 471, 222, 50, 14},
         {IDC_ADD_FILES, L"button", L"", kVisibleChild | WS_TABSTOP, 17, 14, 50, 14},
         {IDC_BROWSE, L"button", L"Browse...", kVisibleChild | WS_TABSTOP, 312, 224, 50, 14},
         {IDC_QUALITY_LABEL, L"static", L"Video Quality:", kVisibleChild | WS_GROUP, 9, 207, 48, 8},
         {IDC_OUTPUT_PATH_LABEL, L"static", L"Output  Path:", kVisibleChild | WS_GROUP, 9, 226, 48, 8},
         {IDC_OUTPUT_PATH, L"edit", L"",
          kVisibleChild | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 56, 224, 252, 14},
         {IDC_JOB_LIST, L"syslistview32", L"",
          kVisibleChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_ALIGNLEFT, 18, 39, 60, 50},
         {IDC_QUALITY, L"combobox", L"", kVisibleChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
          56, 205, 95, 34},
         {IDC_OPEN_DIR, L"button", L"Open Directory", kVisibleChild | WS_TABSTOP, 366, 224, 52, 14},
         {IDC_DELETE_FILES, L"button", L"", kVisibleChild | WS_TABSTOP, 75, 14, 50, 14},
         {IDC_UPLOAD, L"button", L"", kVisibleChild | WS_TABSTOP, 133, 14, 50, 14},
         {IDC_STOP, L"button", L"", kVisibleChild | WS_TABSTOP, 471, 241, 50, 14},
         {IDC_ROTATION_EDITOR, L"combobox", L"", WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
          285, 56, 48, 47},
     }},
    {"CaptionBar", IDD_CAPTION, WS_CHILD | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, 0, 310, 124, L"",
     {
         {IDC_CAPTION_MENU, L"button", L"menu", kVisibleChild | WS_TABSTOP, 57, 19, 50, 14},
         {IDC_CAPTION_MIN, L"button", L"min", kVisibleChild | WS_TABSTOP, 114, 19, 50, 14},
         {IDC_CAPTION_MAX, L"button", L"max", kVisibleChild | WS_TABSTOP, 172, 19, 50, 14},
         {IDC_CAPTION_CLOSE, L"button", L"close", kVisibleChild | WS_TABSTOP, 230, 19, 50, 14},
     }},
};

class DialogTemplates : public ::testing::TestWithParam<ExpectedDialog> {};

TEST_P(DialogTemplates, HeaderAndFontAreAsDesigned) {
    const ExpectedDialog& expected = GetParam();
    const auto dialog = ReadDialogTemplate(ModuleResource(RT_DIALOG, expected.id));
    ASSERT_TRUE(dialog) << "no extended dialog template " << expected.id;
    EXPECT_EQ(dialog->style, expected.style);
    EXPECT_EQ(dialog->exStyle, expected.exStyle);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, expected.cx);
    EXPECT_EQ(dialog->cy, expected.cy);
    EXPECT_EQ(dialog->title, expected.title);
    EXPECT_EQ(dialog->typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->weight, 400);
    EXPECT_EQ(dialog->italic, 0);
    EXPECT_EQ(dialog->charset, DEFAULT_CHARSET);
}

TEST_P(DialogTemplates, EveryItemInOrderWithItsClassTextStyleAndRectangle) {
    const ExpectedDialog& expected = GetParam();
    const auto dialog = ReadDialogTemplate(ModuleResource(RT_DIALOG, expected.id));
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->items.size(), expected.items.size());
    for (size_t i = 0; i < expected.items.size(); ++i) {
        const ExpectedItem& want = expected.items[i];
        const DialogItem& item = dialog->items[i];
        SCOPED_TRACE("item " + std::to_string(i) + ", id " + std::to_string(want.id));
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.className, want.className);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, DialogTemplates, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<ExpectedDialog>& info) {
                             return std::string(info.param.name);
                         });

TEST(DialogTemplates, AboutBoxIconStaticShowsTheApplicationIcon) {
    const auto dialog = ReadDialogTemplate(ModuleResource(RT_DIALOG, IDD_ABOUTBOX));
    ASSERT_TRUE(dialog);
    ASSERT_FALSE(dialog->items.empty());
    EXPECT_EQ(dialog->items[0].textOrdinal, IDR_MAINFRAME);
}

TEST(DialogTemplateReader, RefusesTemplatesCutShort) {
    const std::string_view whole = ModuleResource(RT_DIALOG, IDD_KORVANE7_DIALOG);
    ASSERT_TRUE(ReadDialogTemplate(whole));
    for (size_t length : {size_t{0}, size_t{3}, size_t{20}, whole.size() / 2}) {
        EXPECT_FALSE(ReadDialogTemplate(whole.substr(0, length))) << "length " << length;
    }
}

}  // namespace
