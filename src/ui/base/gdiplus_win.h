#pragma once
// GDI+ through its flat functions, for smooth lines and PNG files. It is delay-loaded
// (Feature::Chart): a window that draws with it asks for it first, and a start never loads it.
#include "base/handles_win.h"

#include <gdiplus.h>

#include <string>

// GDI+ started for as long as the object lives; every GDI+ object must go before it.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

using AutoGraphics = AutoHandle<Gdiplus::GpGraphics*, Gdiplus::DllExports::GdipDeleteGraphics>;
using AutoPen = AutoHandle<Gdiplus::GpPen*, Gdiplus::DllExports::GdipDeletePen>;
using AutoGdipBrush = AutoHandle<Gdiplus::GpBrush*, Gdiplus::DllExports::GdipDeleteBrush>;
using AutoImage = AutoHandle<Gdiplus::GpImage*, Gdiplus::DllExports::GdipDisposeImage>;

// The bitmap (not selected into a DC) as the bytes of a PNG file; empty when it cannot be encoded.
std::string pngBytes(HBITMAP bitmap);
