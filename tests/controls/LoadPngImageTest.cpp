#include "LoadPngImage.h"

#include "Canvas.h"
#include "ImageDrawing.h"
#include "TestImages.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {
struct ImageCase {
    UINT id;
    UINT width;
    UINT height;
    COLORREF centre;  // the colour at the image's centre, drawn at natural size
};

class LoadPngImageOfId : public testing::TestWithParam<ImageCase> {};

TEST_P(LoadPngImageOfId, DecodesSizeAndPixels) {
    const ImageCase& c = GetParam();
    std::unique_ptr<Gdiplus::Image> image;
    ASSERT_TRUE(LoadPngImage(c.id, image));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), c.width);
    EXPECT_EQ(image->GetHeight(), c.height);

    Canvas canvas(static_cast<int>(c.width), static_cast<int>(c.height));
    {
        Gdiplus::Graphics graphics(canvas.Hdc());
        DrawWholeImage(graphics, image.get(),
                       Gdiplus::Rect(0, 0, static_cast<INT>(c.width), static_cast<INT>(c.height)));
    }
    EXPECT_EQ(canvas.Pixel(static_cast<int>(c.width / 2), static_cast<int>(c.height / 2)), c.centre);
}

INSTANTIATE_TEST_SUITE_P(TestImages, LoadPngImageOfId,
                         testing::Values(ImageCase{IDB_TEST_FACE_RED, 40, 20, RGB(255, 0, 0)},
                                         ImageCase{IDB_TEST_FRAME_MAGENTA, 10, 10, RGB(255, 0, 255)},
                                         ImageCase{IDB_TEST_STRIP_2, 2, 8, RGB(0, 255, 255)},
                                         ImageCase{IDB_TEST_TRACK, 9, 19, RGB(0, 0, 0)}));

// The program's own images are found under the resource type "png" too.
struct CatalogueCase {
    UINT id;
    UINT width;
    UINT height;
};

class LoadPngImageOfCatalogue : public testing::TestWithParam<CatalogueCase> {};

TEST_P(LoadPngImageOfCatalogue, HasTheCataloguedSize) {
    const CatalogueCase& c = GetParam();
    std::unique_ptr<Gdiplus::Image> image;
    ASSERT_TRUE(LoadPngImage(c.id, image));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), c.width);
    EXPECT_EQ(image->GetHeight(), c.height);
}

INSTANTIATE_TEST_SUITE_P(Program, LoadPngImageOfCatalogue,
                         testing::Values(CatalogueCase{IDB_PNG_132_PROGRESS_TRACK, 9, 19},
                                         CatalogueCase{IDB_PNG_138_CAPTION_HOVER_FRAME, 22, 22},
                                         CatalogueCase{IDB_PNG_140_CAPTION_MINIMIZE, 12, 2},
                                         CatalogueCase{IDB_PNG_161_UPLOAD_HOVER, 550, 289}));

TEST(LoadPngImage, MissingResourceFailsAndLeavesTheImageAlone) {
    std::unique_ptr<Gdiplus::Image> image = std::make_unique<Gdiplus::Bitmap>(3, 2);
    Gdiplus::Image* before = image.get();
    EXPECT_FALSE(LoadPngImage(4242, image));
    EXPECT_EQ(image.get(), before);
    // An identifier of another resource type is not a "png" either.
    EXPECT_FALSE(LoadPngImage(IDR_MAINFRAME, image));
    EXPECT_EQ(image.get(), before);
}

TEST(LoadPngImage, ReplacesTheImageItHeld) {
    std::unique_ptr<Gdiplus::Image> image = std::make_unique<Gdiplus::Bitmap>(3, 2);
    ASSERT_TRUE(LoadPngImage(IDB_TEST_FACE_BLUE, image));
    EXPECT_EQ(image->GetWidth(), 40u);
}

TEST(LoadPngImage, UndecodableBytesGiveAnEmptyImageThatDrawsNothing) {
    std::unique_ptr<Gdiplus::Image> image;
    ASSERT_TRUE(LoadPngImage(IDB_TEST_NOT_A_PNG, image));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 0u);
    EXPECT_EQ(image->GetHeight(), 0u);

    Canvas canvas(20, 20);
    {
        Gdiplus::Graphics graphics(canvas.Hdc());
        DrawWholeImage(graphics, image.get(), Gdiplus::Rect(0, 0, 20, 20));
        DrawImageRect(graphics, image.get(), Gdiplus::Rect(0, 0, 20, 20), 0, 0, 5, 5);
    }
    EXPECT_TRUE(canvas.AllOf(Canvas::kSentinel, canvas.Rect()));
}

}  // namespace
