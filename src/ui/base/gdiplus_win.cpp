#include "base/gdiplus_win.h"

#include <objbase.h>

using namespace Gdiplus::DllExports;

namespace {

// GDI+'s own PNG encoder; its identity is fixed, so it is not looked up among the encoders.
const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

struct StreamReleaser {
    void operator()(IStream* stream) const { stream->Release(); }
};

} // namespace

GdiplusSession::GdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
        token_ = 0;
}

GdiplusSession::~GdiplusSession()
{
    if (token_)
        Gdiplus::GdiplusShutdown(token_);
}

std::string pngBytes(HBITMAP bitmap)
{
    Gdiplus::GpBitmap* made = nullptr;
    if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &made) != Gdiplus::Ok)
        return {};
    AutoImage image(made);
    IStream* opened = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &opened)))
        return {};
    std::unique_ptr<IStream, StreamReleaser> stream(opened);
    if (GdipSaveImageToStream(image.get(), stream.get(), &pngEncoder, nullptr) != Gdiplus::Ok)
        return {};
    ULARGE_INTEGER size = {};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Seek({}, STREAM_SEEK_CUR, &size)) || FAILED(GetHGlobalFromStream(stream.get(), &memory)))
        return {};
    const void* bytes = GlobalLock(memory);
    if (!bytes)
        return {};
    std::string png(static_cast<const char*>(bytes), static_cast<size_t>(size.QuadPart));
    GlobalUnlock(memory);
    return png;
}
