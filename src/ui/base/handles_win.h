#pragma once
// Owners for window-system handles: whatever path a function leaves by, the owner releases
// what it holds.
#include <windows.h>

#include <memory>
#include <type_traits>

// Any handle released by one call: AutoHandle<HHOOK, UnhookWindowsHookEx>, or for WinINet
// AutoHandle<HINTERNET, InternetCloseHandle>.
template <auto Release>
struct HandleReleaser {
    template <typename Handle>
    void operator()(Handle handle) const
    {
        Release(handle);
    }
};
template <typename Handle, auto Release>
using AutoHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleReleaser<Release>>;
using AutoHook = AutoHandle<HHOOK, UnhookWindowsHookEx>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A font, brush, pen or bitmap, deleted with its owner. The object must not be selected into
// a DC when the owner goes.
template <typename Handle>
using AutoGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using AutoFont = AutoGdiObject<HFONT>;
using AutoBrush = AutoGdiObject<HBRUSH>;
using AutoBitmap = AutoGdiObject<HBITMAP>;

using AutoMenu = AutoHandle<HMENU, DestroyMenu>;
using AutoLibrary = AutoHandle<HMODULE, FreeLibrary>;

// A kernel handle (thread, event, mutex, file); INVALID_HANDLE_VALUE counts as none.
class AutoCloseHandle {
public:
    explicit AutoCloseHandle(HANDLE handle = nullptr) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~AutoCloseHandle() { reset(); }
    AutoCloseHandle(const AutoCloseHandle&) = delete;
    AutoCloseHandle& operator=(const AutoCloseHandle&) = delete;
    AutoCloseHandle(AutoCloseHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    AutoCloseHandle& operator=(AutoCloseHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(HANDLE handle = nullptr)
    {
        if (handle_)
            CloseHandle(handle_);
        handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }

private:
    HANDLE handle_;
};

// The DC of a window's client area, or with wholeWindow of the window with its frame; released
// when the owner goes.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window))
    {
    }
    ~ScopedGetDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint to EndPaint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    operator HDC() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// Selects a font, brush, pen or bitmap into a DC and puts the previous one back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
