#include "ImageDrawing.h"

#include <memory>

namespace {
// A bitmap as large as the rectangle, holding the rectangle's own pixels.
std::unique_ptr<Gdiplus::Bitmap> CopyPart(Gdiplus::Image* image, int x, int y, int width, int height) {
    auto part = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    Gdiplus::Graphics copy(part.get());
    copy.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
    copy.DrawImage(image, 0, 0, x, y, width, height, Gdiplus::UnitPixel);
    return part;
}
}  // namespace

void DrawImageRect(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (!image || sourceWidth <= 0 || sourceHeight <= 0 || destination.Width <= 0 || destination.Height <= 0)
        return;
    if (destination.Width == sourceWidth && destination.Height == sourceHeight) {
        graphics.DrawImage(image, destination.X, destination.Y, sourceX, sourceY, sourceWidth, sourceHeight,
                           Gdiplus::UnitPixel);
        return;
    }
    // Scaled in two steps: the source rectangle alone (so that no pixel
    // around it is blended in) is scaled into a bitmap of the destination's
    // size, with its edge pixels mirrored rather than faded into
    // transparency; that bitmap is then drawn unscaled. Scaling straight
    // into the destination can leave its first row or column out.
    std::unique_ptr<Gdiplus::Bitmap> part;
    Gdiplus::Image* source = image;
    const bool whole = sourceX == 0 && sourceY == 0 && sourceWidth == static_cast<int>(image->GetWidth()) &&
                       sourceHeight == static_cast<int>(image->GetHeight());
    if (!whole) {
        part = CopyPart(image, sourceX, sourceY, sourceWidth, sourceHeight);
        source = part.get();
    }
    Gdiplus::Bitmap scaled(destination.Width, destination.Height, PixelFormat32bppPARGB);
    {
        Gdiplus::Graphics scaler(&scaled);
        scaler.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        Gdiplus::ImageAttributes attributes;
        attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        scaler.DrawImage(source, Gdiplus::Rect(0, 0, destination.Width, destination.Height), whole ? sourceX : 0,
                         whole ? sourceY : 0, sourceWidth, sourceHeight, Gdiplus::UnitPixel, &attributes);
    }
    graphics.DrawImage(&scaled, destination.X, destination.Y, 0, 0, destination.Width, destination.Height,
                       Gdiplus::UnitPixel);
}

void DrawWholeImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination) {
    if (!image) return;
    DrawImageRect(graphics, image, destination, 0, 0, static_cast<int>(image->GetWidth()),
                  static_cast<int>(image->GetHeight()));
}
