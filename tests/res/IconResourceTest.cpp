#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

#include "ModuleResource.h"
#include "resource.h"

namespace {

#pragma pack(push, 2)
// One entry of an icon group as it is stored in the resource section.
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD iconId;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

struct DestroyIconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconDeleter>;

struct DeleteObjectDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObjectDeleter>;

// The single image of icon group 128, and its entry in the group.
struct IconImage {
    GroupIconEntry entry{};
    std::string_view bytes;
};

bool ReadOnlyIcon(IconImage* out) {
    const std::string_view group = ModuleResource(RT_GROUP_ICON, IDR_MAINFRAME);
    if (group.size() < sizeof(GroupIconHeader) + sizeof(GroupIconEntry)) {
        return false;
    }
    GroupIconHeader header;
    memcpy(&header, group.data(), sizeof(header));
    if (header.type != 1 || header.count != 1 ||
        group.size() != sizeof(header) + sizeof(GroupIconEntry)) {
        return false;
    }
    memcpy(&out->entry, group.data() + sizeof(header), sizeof(GroupIconEntry));
    out->bytes = ModuleResource(RT_ICON, out->entry.iconId);
    return !out->bytes.empty();
}

TEST(ApplicationIcon, GroupHoldsOne64By64ImageOf32Bits) {
    IconImage icon;
    ASSERT_TRUE(ReadOnlyIcon(&icon)) << "icon group 128 must hold exactly one image";
    EXPECT_EQ(icon.entry.width, 64);
    EXPECT_EQ(icon.entry.height, 64);
    EXPECT_EQ(icon.entry.bitCount, 32);
    EXPECT_EQ(icon.entry.planes, 1);
    EXPECT_EQ(icon.entry.bytesInResource, icon.bytes.size());

    ASSERT_GE(icon.bytes.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER info;
    memcpy(&info, icon.bytes.data(), sizeof(info));
    EXPECT_EQ(info.biWidth, 64);
    EXPECT_EQ(info.biHeight, 128) << "colour image and mask together";
    EXPECT_EQ(info.biBitCount, 32);
}

// The round emblem leaves the corners clear and fills the middle.
TEST(ApplicationIcon, AlphaChannelClearsTheCornersAndCoversTheMiddle) {
    IconImage icon;
    ASSERT_TRUE(ReadOnlyIcon(&icon));
    const size_t pixels = sizeof(BITMAPINFOHEADER);
    ASSERT_GE(icon.bytes.size(), pixels + 64 * 64 * 4);
    auto alpha = [&](int x, int y) {  // rows are stored bottom-up
        return static_cast<BYTE>(icon.bytes[pixels + ((63 - y) * 64 + x) * 4 + 3]);
    };
    const std::pair<int, int> corners[] = {{0, 0}, {63, 0}, {0, 63}, {63, 63}};
    for (auto [x, y] : corners) {
        EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
    }
    EXPECT_EQ(alpha(32, 32), 255);
}

TEST(ApplicationIcon, LoadsAsA64PixelIcon) {
    UniqueIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                  MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                                  LR_DEFAULTSIZE | LR_DEFAULTCOLOR)));
    ASSERT_TRUE(icon);
    UniqueIcon large(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 64, 64, 0)));
    ASSERT_TRUE(large);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(large.get(), &info));
    UniqueBitmap colour(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectW(colour.get(), sizeof(bitmap), &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 64);
    EXPECT_EQ(bitmap.bmHeight, 64);
}

}  // namespace
