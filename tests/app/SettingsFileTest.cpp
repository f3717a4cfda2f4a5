#include <gtest/gtest.h>

#include "SettingsFile.h"
#include "TestFolders.h"

namespace {

class SettingsFileTest : public testing::Test {
protected:
    FolderOutsideTemp folder;
    TemporaryFolderOverride temporary{folder.Path()};

    std::wstring FilePath() const { return folder.Path() + L"global.ini"; }
};

TEST_F(SettingsFileTest, StoresTheFolderAsItsUtf16UnitsAndNothingElse) {
    SaveOutputFolder(L"D:\\Out\\");

    const char expected[] = {0x44, 0, 0x3A, 0, 0x5C, 0, 0x4F, 0, 0x75, 0, 0x74, 0, 0x5C, 0};
    EXPECT_EQ(ReadBytes(FilePath()), std::string(expected, sizeof(expected)));
    CString read;
    ASSERT_TRUE(LoadOutputFolder(read));
    EXPECT_STREQ(read, L"D:\\Out\\");
}

TEST_F(SettingsFileTest, SavingReplacesALongerContentWhole) {
    WriteBytes(FilePath(), Utf16Bytes(L"C:\\a much longer folder name\\"));

    SaveOutputFolder(L"E:\\");

    EXPECT_EQ(ReadBytes(FilePath()), Utf16Bytes(L"E:\\"));
}

TEST_F(SettingsFileTest, WithoutAFileNothingIsReadAndTheTextIsUntouched) {
    CString read(L"unchanged");
    EXPECT_FALSE(LoadOutputFolder(read));
    EXPECT_STREQ(read, L"unchanged");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::wstring expected;
};

std::vector<ReadCase> ReadCases() {
    return {
        {"empty file gives empty text", "", L""},
        {"byte-order mark is a character", "\xFF\xFE" + Utf16Bytes(L"D:\\"), L"\xFEFF" L"D:\\"},
        {"zero unit ends the text", Utf16Bytes(L"C:\\a\\") + std::string(2, '\0') + Utf16Bytes(L"junk"),
         L"C:\\a\\"},
        {"255 units are read whole", Utf16Bytes(std::wstring(255, L'x')), std::wstring(255, L'x')},
        {"256 units without a zero are read whole", Utf16Bytes(std::wstring(256, L'y')),
         std::wstring(256, L'y')},
        {"a longer text stops at 256 units",
         Utf16Bytes(std::wstring(256, L'z') + std::wstring(44, L'!')), std::wstring(256, L'z')},
    };
}

TEST_F(SettingsFileTest, ReadsTheTextUpToTheFirstZeroUnitWithinItsLimit) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.name);
        WriteBytes(FilePath(), c.bytes);
        CString read(L"before");
        ASSERT_TRUE(LoadOutputFolder(read));
        EXPECT_EQ(read.Str(), c.expected);
    }
}

// A temporary folder this long would not fit, with "/global.ini", into a
// 260-byte narrow path; the file is still the one in that folder.
TEST_F(SettingsFileTest, ALongTemporaryFolderPathStillNamesItsFile) {
    std::wstring longFolder = folder.Path();
    while (longFolder.size() < 220) longFolder += L"abcdefghijklmnopqrstuvwxyz\\";
    longFolder += std::wstring(249 - longFolder.size(), L'x') + L"\\";
    ASSERT_EQ(longFolder.size(), 250u);
    MakeFolders(longFolder);
    temporary.Set(longFolder);

    SaveOutputFolder(L"D:\\Out\\");

    EXPECT_EQ(ReadBytes(longFolder + L"global.ini"), Utf16Bytes(L"D:\\Out\\"));
    CString read;
    ASSERT_TRUE(LoadOutputFolder(read));
    EXPECT_STREQ(read, L"D:\\Out\\");
}

}  // namespace
