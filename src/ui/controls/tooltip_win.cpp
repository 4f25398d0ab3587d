#include "controls/tooltip_win.h"

#include "base/dialogs_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

// A hook procedure carries no data of its own, so the process keeps the tooltips its hook serves,
// in one table that only the interface thread touches; the hook is installed with the first of
// them and removed with the last.
struct HookedTooltips {
    std::vector<Tooltip*> served;
    AutoHook hook;
};
HookedTooltips hooked;

bool isChildOf(HWND window, HWND owner) { return owner && window && IsChild(owner, window); }

} // namespace

Tooltip::Tooltip(HWND owner) : owner_(owner)
{
    if (!owner)
        return;
    // Not owned by the dialog: Wine refuses to make a window topmost ("On Top") while it owns
    // topmost windows, and a tooltip always is one.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | WS_BORDER | TTS_ALWAYSTIP, 0, 0, 0, 0, nullptr, nullptr, appInstance(),
                              nullptr);
    if (!window_)
        return;
    SendMessageW(window_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(850, 0));
    SendMessageW(window_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(850, 0));
    serve(true);
}

Tooltip::~Tooltip()
{
    if (window_) {
        serve(false);
        DestroyWindow(window_);
    }
}

void Tooltip::serve(bool on)
{
    std::vector<Tooltip*>& served = hooked.served;
    if (on) {
        served.push_back(this);
        if (!hooked.hook)
            hooked.hook.reset(SetWindowsHookExW(WH_GETMESSAGE, hookProcedure, nullptr, GetCurrentThreadId()));
        return;
    }
    // No hook may reach an instance that is gone.
    served.erase(std::remove(served.begin(), served.end(), this), served.end());
    if (served.empty())
        hooked.hook.reset();
}

HWND Tooltip::handOver()
{
    HWND window = window_;
    if (window_) {
        serve(false);
        window_ = nullptr;
    }
    return window;
}

void Tooltip::addTool(HWND control, const std::wstring& text)
{
    if (!window_ || !control)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // without the reserved field: every common-controls version takes it
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltip::setMaxTipWidth(int pixels)
{
    if (window_)
        SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

void Tooltip::setReshowDelay(int milliseconds)
{
    if (window_)
        SendMessageW(window_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(static_cast<WORD>(milliseconds), 0));
}

bool Tooltip::clickSuppressed(HWND owner)
{
    for (const Tooltip* tooltip : hooked.served)
        if (tooltip->owner_ == owner && tooltip->clickSuppress_)
            return true;
    return false;
}

void Tooltip::onHookedMessage(const MSG& message)
{
    switch (message.message) {
    case WM_MOUSEMOVE:
        if (isChildOf(message.hwnd, owner_))
            SendMessageW(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
        if (clickSuppress_ && WindowFromPoint(message.pt) != clickWindow_) {
            SendMessageW(window_, TTM_ACTIVATE, TRUE, 0);
            clickSuppress_ = false;
        }
        break;
    case WM_LBUTTONDOWN:
        if (isChildOf(message.hwnd, owner_)) {
            clickSuppress_ = true;
            SendMessageW(window_, TTM_ACTIVATE, FALSE, 0);
            clickWindow_ = WindowFromPoint(message.pt);
        }
        break;
    case WM_MOUSELEAVE:
        // Hides a tip that is showing.
        if (!clickSuppress_) {
            SendMessageW(window_, TTM_ACTIVATE, FALSE, 0);
            SendMessageW(window_, TTM_ACTIVATE, TRUE, 0);
        }
        break;
    }
}

LRESULT CALLBACK Tooltip::hookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && lParam)
        for (size_t i = 0; i < hooked.served.size(); ++i)
            hooked.served[i]->onHookedMessage(*reinterpret_cast<const MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
