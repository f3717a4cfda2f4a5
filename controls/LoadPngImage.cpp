#include "LoadPngImage.h"

#include "App.h"

namespace {
// A COM reference released when it goes.
struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};
}  // namespace

BOOL LoadPngImage(UINT id, std::unique_ptr<Gdiplus::Image>& out) {
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!resource) return FALSE;
    DWORD size = ::SizeofResource(module, resource);
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return FALSE;

    // The stream holds a copy of the bytes and frees it on its last release;
    // the image keeps a reference to the stream while it may still decode
    // from it, so the bytes live exactly as long as they are needed.
    std::unique_ptr<IStream, StreamRelease> stream(
        ::SHCreateMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(size)));
    if (!stream) return FALSE;
    out = std::make_unique<Gdiplus::Image>(stream.get(), FALSE);
    return TRUE;
}

std::unique_ptr<Gdiplus::Image> LoadPngImage(UINT id) {
    std::unique_ptr<Gdiplus::Image> image;
    LoadPngImage(id, image);
    return image;
}
