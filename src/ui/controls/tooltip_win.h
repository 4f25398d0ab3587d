#pragma once
// A system tooltip window whose tools are the owner's child controls. The tools are not
// subclassed: a message hook relays the mouse to the tooltip and keeps a tip away after a click
// until the pointer moves onto another window.
#include "base/handles_win.h"

#include <string>

class Tooltip {
public:
    // Without an owner the instance has no window and does nothing.
    explicit Tooltip(HWND owner);
    virtual ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    void addTool(HWND control, const std::wstring& text);
    void setMaxTipWidth(int pixels);
    void setReshowDelay(int milliseconds);
    HWND window() const { return window_; }
    // Gives the window to a control that destroys it itself (a tab control given it with
    // TCM_SETTOOLTIPS); the instance no longer touches it.
    HWND handOver();

    // Whether a click has switched the tips of owner's controls off until the pointer moves
    // onto another window.
    static bool clickSuppressed(HWND owner);

private:
    static LRESULT CALLBACK hookProcedure(int code, WPARAM wParam, LPARAM lParam);
    void onHookedMessage(const MSG& message);
    void serve(bool on);

    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    bool clickSuppress_ = false;
    HWND clickWindow_ = nullptr;
};
