#include <gtest/gtest.h>

#include "FrameworkTestIds.h"
#include "String.h"

TEST(String, ReplaceChangesEveryNonOverlappingOccurrenceLeftToRight) {
    struct Case {
        const wchar_t* text;
        const wchar_t* from;
        const wchar_t* to;
        const wchar_t* expected;
        int count;
    } cases[] = {
        {L"C:\\Users\\u\\AppData\\Local\\Temp\\", L"Temp", L"KORVANE7 Video Converter",
         L"C:\\Users\\u\\AppData\\Local\\KORVANE7 Video Converter\\", 1},
        {L"D:\\Temp\\Temp\\", L"Temp", L"X", L"D:\\X\\X\\", 2},
        {L"C:\\temp\\", L"Temp", L"X", L"C:\\temp\\", 0},
        {L"aaaa", L"aa", L"b", L"bb", 2},
        {L"aaa", L"aa", L"aab", L"aaba", 1},
        {L"", L"a", L"b", L"", 0},
    };
    for (const Case& c : cases) {
        CString text(c.text);
        EXPECT_EQ(c.count, text.Replace(c.from, c.to)) << c.text;
        EXPECT_STREQ(c.expected, text) << c.text;
    }
}

TEST(String, ComparisonIsOrdinalAndCaseSensitive) {
    CString folder(L"C:\\a\\");
    EXPECT_TRUE(folder == L"C:\\a\\");
    EXPECT_FALSE(folder == L"C:\\A\\");
    EXPECT_NE(0, folder.Compare(L"C:\\A\\"));
    EXPECT_EQ(0, folder.CompareNoCase(L"C:\\A\\"));
    EXPECT_TRUE(CString(L"90") != L"180");
}

TEST(String, FormatTakesStringsNumbersAndPercentSigns) {
    CString path(L"C:\\clips\\a.mp4");
    EXPECT_STREQ(L"File\xFF1A\"C:\\clips\\a.mp4\" already exist.",
                 CString::Formatted(L"File\xFF1A\"%s\" already exist.", path));
    EXPECT_STREQ(L"07%", CString::Formatted(L"%02d%%", 7));
    EXPECT_STREQ(L"100%", CString::Formatted(L"%02d%%", 100));
    EXPECT_STREQ(L"clip_korvane7_12.mp4", CString::Formatted(L"%s_korvane7_%d.%s", L"clip", 12, L"mp4"));
    EXPECT_STREQ(L"progress=57.900002\n", CString::Formatted(L"progress=%f\n", static_cast<double>(57.9f)));
}

TEST(String, FindsAndCutsByCodeUnits) {
    CString path(L"C:\\clips\\trip.part2.mov");
    int slash = path.ReverseFind(L'\\');
    EXPECT_EQ(8, slash);
    EXPECT_STREQ(L"C:\\clips\\", path.Left(slash + 1));
    CString name = path.Mid(slash + 1);
    EXPECT_STREQ(L"trip.part2.mov", name);
    EXPECT_EQ(4, name.Find(L'.'));
    EXPECT_STREQ(L"trip", name.Left(name.Find(L'.')));
    EXPECT_EQ(-1, CString(L"noext").Find(L'.'));
    EXPECT_STREQ(L"", name.Mid(100));
    EXPECT_STREQ(L"mov", name.Right(3));
}

TEST(String, LoadsFromTheStringTable) {
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_TEST_STRING));
    EXPECT_STREQ(L"&Test string", text);
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(StringArray, KeepsItemsInOrder) {
    CStringArray titles;
    EXPECT_EQ(0, titles.Add(L"Input Files"));
    EXPECT_EQ(1, titles.Add(L"Output Files"));
    EXPECT_EQ(2, titles.GetSize());
    EXPECT_STREQ(L"Output Files", titles[1]);
}
