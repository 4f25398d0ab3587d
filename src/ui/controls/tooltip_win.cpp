#include "controls/tooltip_win.h"

#include "base/system_win.h"
#include "controls/dialogs_win.h"

#include <commctrl.h>

namespace {

// The instance the hooks serve: the one made last, until it goes.
Tooltip* hookTarget = nullptr;
bool clickSuppress = false;
HWND clickWindow = nullptr;
AutoHook messageHook;
int instancesWithWindow = 0;

bool isChildOf(HWND window, HWND owner) { return owner && window && IsChild(owner, window); }

} // namespace

Tooltip::Tooltip(HWND owner) : owner_(owner)
{
    if (!owner)
        return;
    hookTarget = this;
    // Not owned by the dialog: Wine refuses to make a window topmost ("On Top") while it owns
    // topmost windows, and a tooltip always is one.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | WS_BORDER | TTS_ALWAYSTIP, 0, 0, 0, 0, nullptr, nullptr, appInstance, nullptr);
    if (!window_)
        return;
    SendMessageW(window_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(850, 0));
    SendMessageW(window_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(isSystemVersion51() ? 5000 : 850, 0));
    if (instancesWithWindow++ == 0)
        messageHook.reset(SetWindowsHookExW(WH_GETMESSAGE, hookProcedure, nullptr, GetCurrentThreadId()));
}

Tooltip::~Tooltip()
{
    // No hook may reach an instance that is gone.
    if (hookTarget == this) {
        hookTarget = nullptr;
        clickSuppress = false;
        clickWindow = nullptr;
    }
    if (window_) {
        DestroyWindow(window_);
        if (--instancesWithWindow == 0)
            messageHook.reset();
    }
}

HWND Tooltip::handOver()
{
    HWND window = window_;
    if (window_) {
        window_ = nullptr;
        if (--instancesWithWindow == 0)
            messageHook.reset();
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

bool Tooltip::clickSuppressed() { return clickSuppress; }

void Tooltip::onHookedMessage(const MSG& message)
{
    if (!window_)
        return;
    switch (message.message) {
    case WM_MOUSEMOVE:
        if (isChildOf(message.hwnd, owner_))
            SendMessageW(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
        if (clickSuppress && WindowFromPoint(message.pt) != clickWindow) {
            SendMessageW(window_, TTM_ACTIVATE, TRUE, 0);
            clickSuppress = false;
        }
        break;
    case WM_LBUTTONDOWN:
        if (isChildOf(message.hwnd, owner_)) {
            clickSuppress = true;
            SendMessageW(window_, TTM_ACTIVATE, FALSE, 0);
            clickWindow = WindowFromPoint(message.pt);
        }
        break;
    case WM_MOUSELEAVE:
        // Hides a tip that is showing.
        if (!clickSuppress) {
            SendMessageW(window_, TTM_ACTIVATE, FALSE, 0);
            SendMessageW(window_, TTM_ACTIVATE, TRUE, 0);
        }
        break;
    }
}

LRESULT CALLBACK Tooltip::hookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && hookTarget && lParam)
        hookTarget->onHookedMessage(*reinterpret_cast<const MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
