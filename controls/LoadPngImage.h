#pragma once
#include "Win32.h"

#include <gdiplus.h>

#include <memory>

// Makes a GDI+ image from the resource of type "png" with the given numeric
// identifier in the current resource module. On success `out` holds the new
// image (any image it held before is released) and the result is TRUE; an
// image whose bytes do not decode is still returned: it reports a size of
// 0 x 0 and draws nothing. Without such a resource, or when its bytes cannot
// be put into a stream, the result is FALSE and `out` is left untouched.
// The image keeps its own copy of the bytes for as long as it lives.
BOOL LoadPngImage(UINT id, std::unique_ptr<Gdiplus::Image>& out);

// The same, for a member initialiser: the image, or null when there is none.
std::unique_ptr<Gdiplus::Image> LoadPngImage(UINT id);
