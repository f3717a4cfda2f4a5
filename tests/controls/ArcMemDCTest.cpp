#include "ArcMemDC.h"

#include "Canvas.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kPaint = RGB(200, 30, 40);

struct BufferCase {
    CRect rect;
};

class ArcMemDCOver : public testing::TestWithParam<BufferCase> {};

TEST_P(ArcMemDCOver, ReachesTheTargetOnlyWhenItGoesAndOnlyInsideItsRectangle) {
    const CRect rect = GetParam().rect;
    Canvas target(40, 30);
    {
        CArcMemDC buffer(target.Dc(), rect);
        // Painted everywhere, far beyond the rectangle.
        buffer.FillSolidRect(-100, -100, 300, 300, kPaint);
        ::GdiFlush();
        EXPECT_TRUE(target.AllOf(Canvas::kSentinel, target.Rect())) << "nothing before the flush";
    }
    EXPECT_EQ(target.BoundsOf(kPaint), rect.IsRectEmpty() ? CRect() : rect);
    EXPECT_EQ(target.CountOf(kPaint, target.Rect()), rect.IsRectEmpty() ? 0 : rect.Width() * rect.Height());
}

INSTANTIATE_TEST_SUITE_P(Rectangles, ArcMemDCOver,
                         testing::Values(BufferCase{CRect(0, 0, 40, 30)}, BufferCase{CRect(0, 0, 17, 9)},
                                         BufferCase{CRect(5, 3, 25, 13)}, BufferCase{CRect(0, 0, 0, 10)},
                                         BufferCase{CRect(0, 0, 20, 0)}));

TEST(ArcMemDC, DrawsWithTheTargetsCoordinates) {
    Canvas target(40, 30);
    {
        CArcMemDC buffer(target.Dc(), CRect(10, 10, 30, 20));
        buffer.FillSolidRect(10, 10, 20, 10, RGB(1, 2, 3));
        buffer.FillSolidRect(12, 14, 3, 2, kPaint);
    }
    EXPECT_EQ(target.BoundsOf(kPaint), CRect(12, 14, 15, 16));
    EXPECT_EQ(target.BoundsOf(RGB(1, 2, 3)), CRect(10, 10, 30, 20));
}

}  // namespace
