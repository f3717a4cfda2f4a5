#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// The version block of the running program, read the way Explorer reads it:
// from the file on disk.
class VersionInfo : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t path[MAX_PATH] = {};
        ASSERT_NE(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
        ASSERT_GT(size, 0u) << "no version block";
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block_.data()));
    }

    template <typename T>
    const T* Query(const std::wstring& key, UINT* length = nullptr) {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(block_.data(), key.c_str(), &value, &size) || size == 0) {
            return nullptr;
        }
        if (length) {
            *length = size;
        }
        return static_cast<const T*>(value);
    }

    std::wstring Text(const wchar_t* name) {
        const wchar_t* text = Query<wchar_t>(std::wstring(L"\\StringFileInfo\\040904e4\\") + name);
        return text ? text : L"(missing)";
    }

private:
    std::vector<BYTE> block_;
};

TEST_F(VersionInfo, FixedPartGives121For32BitWindowsApplication) {
    const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionInfo, TranslationIsUsEnglishInCodePage1252) {
    UINT length = 0;
    const auto* pair = Query<WORD>(L"\\VarFileInfo\\Translation", &length);
    ASSERT_NE(pair, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(pair[0], 0x0409);
    EXPECT_EQ(pair[1], 1252);
}

TEST_F(VersionInfo, StringEntries) {
    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } entries[] = {
        {L"FileDescription", L"Korvane7"},   {L"ProductName", L"Korvane7"},
        {L"InternalName", L"Korvane7.exe"},  {L"OriginalFilename", L"Korvane7.exe"},
        {L"FileVersion", L"1.2.1.1"},        {L"ProductVersion", L"1.2.1.1"},
    };
    for (const auto& entry : entries) {
        EXPECT_EQ(Text(entry.name), entry.value) << entry.name;
    }
    for (const wchar_t* filled : {L"CompanyName", L"LegalCopyright"}) {
        EXPECT_NE(Text(filled), L"(missing)") << filled;
    }
}

}  // namespace
