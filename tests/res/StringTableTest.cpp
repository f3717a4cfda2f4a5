#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resource.h"

namespace {

TEST(StringTable, AboutEntryOfTheSystemMenu) {
    wchar_t text[128] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 128);
    EXPECT_EQ(std::wstring(text, length), L"&About KORVANE7 Video Converter");
}

}  // namespace
