#pragma once
#include "Win32.h"

#include <gdiplus.h>

// Draws the source rectangle (in pixels) of an image scaled into the
// destination rectangle, at full colour. A null or empty image, or an empty
// rectangle, draws nothing. Only the source rectangle's own pixels are
// scaled, and the result covers the destination exactly: a stretched strip
// keeps its colour out to its borders.
void DrawImageRect(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight);

// Draws the whole image scaled into the destination rectangle.
void DrawWholeImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination);
