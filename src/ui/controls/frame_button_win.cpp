#include "controls/frame_button_win.h"

#include "base/handles_win.h"
#include "controls/frame_button.h"

#include <commctrl.h>
#include <windowsx.h>

#include <new>

namespace {

// One per equipped field, from installFrameButton to WM_NCDESTROY, as the data of its subclassing.
struct FrameButton {
    WORD command = 0;
    bool pressed = false;  // drawn pressed: the pointer is over it while the mouse is captured
    bool tracking = false; // a press began on it; the field holds the capture
    int width = 0;
    FrameBorders borders;
};

const UINT_PTR frameButtonId = 1;
// Marks a field that has its button; the system's import library offers no GetWindowSubclass.
const wchar_t* const frameButtonProperty = L"Kadermeister.FrameButton";

Box boxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The button in window coordinates: the window's rectangle moved to the origin.
Box buttonInWindow(HWND window, const FrameButton& button)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return frameButtonBox({0, 0, rect.right - rect.left, rect.bottom - rect.top}, button.borders, button.width);
}

// A client point (as mouse messages carry it) in window coordinates.
POINT clientToWindow(HWND window, POINT point)
{
    RECT rect;
    GetWindowRect(window, &rect);
    ClientToScreen(window, &point);
    return {point.x - rect.left, point.y - rect.top};
}

bool overButton(HWND window, const FrameButton& button, POINT windowPoint)
{
    return boxContains(buttonInWindow(window, button), windowPoint.x, windowPoint.y);
}

void drawButton(HWND window, const FrameButton& button)
{
    const Box box = buttonInWindow(window, button);
    RECT rect = {box.left, box.top, box.right, box.bottom};
    ScopedGetDC dc(window, true);
    if (!dc)
        return;
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST | (button.pressed ? BF_FLAT : 0));
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    if (button.pressed)
        OffsetRect(&rect, 1, 1);
    ScopedSelectObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, L"...", 3, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT onCalcSize(HWND window, FrameButton& button, WPARAM wParam, LPARAM lParam)
{
    RECT* proposed = reinterpret_cast<RECT*>(lParam); // the first rectangle of either form
    const Box windowBox = boxOf(*proposed);
    DefSubclassProc(window, WM_NCCALCSIZE, wParam, lParam);
    button.borders = bordersBetween(windowBox, boxOf(*proposed));
    proposed->right -= button.width;
    if (proposed->right < proposed->left)
        proposed->right = proposed->left;
    return 0;
}

LRESULT onHitTest(HWND window, FrameButton& button, LPARAM lParam)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const Box box = frameButtonBox(boxOf(rect), button.borders, button.width);
    if (boxContains(box, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
        return HTBORDER;
    return DefSubclassProc(window, WM_NCHITTEST, 0, lParam);
}

void onNonClientPress(HWND window, FrameButton& button, LPARAM lParam)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const POINT point = {GET_X_LPARAM(lParam) - rect.left, GET_Y_LPARAM(lParam) - rect.top};
    if (!overButton(window, button, point))
        return;
    SetCapture(window);
    button.pressed = button.tracking = true;
    drawButton(window, button);
}

void onTrackedMove(HWND window, FrameButton& button, LPARAM lParam)
{
    const bool over = overButton(window, button, clientToWindow(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
    if (over != button.pressed) {
        button.pressed = over;
        drawButton(window, button);
    }
}

void onTrackedRelease(HWND window, FrameButton& button, LPARAM lParam)
{
    if (overButton(window, button, clientToWindow(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})))
        PostMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(button.command, 0), 0);
    button.pressed = button.tracking = false;
    ReleaseCapture();
    drawButton(window, button);
}

LRESULT CALLBACK frameButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* button = reinterpret_cast<FrameButton*>(data);
    switch (message) {
    case WM_NCCALCSIZE:
        return onCalcSize(window, *button, wParam, lParam);
    case WM_NCHITTEST:
        return onHitTest(window, *button, lParam);
    case WM_NCPAINT:
        DefSubclassProc(window, message, wParam, lParam);
        drawButton(window, *button);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        onNonClientPress(window, *button, lParam);
        break;
    case WM_MOUSEMOVE:
        if (button->tracking)
            onTrackedMove(window, *button, lParam);
        break;
    case WM_LBUTTONUP:
        if (button->tracking)
            onTrackedRelease(window, *button, lParam);
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press is over without a click.
        if (button->tracking && reinterpret_cast<HWND>(lParam) != window) {
            button->pressed = button->tracking = false;
            drawButton(window, *button);
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, frameButtonProc, frameButtonId);
        RemovePropW(window, frameButtonProperty);
        delete button;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool installFrameButton(HWND window, WORD command, int width)
{
    if (!window || GetPropW(window, frameButtonProperty))
        return false;
    auto* button = new (std::nothrow) FrameButton;
    if (!button)
        return false;
    button->command = command;
    button->width = width;
    if (!SetWindowSubclass(window, frameButtonProc, frameButtonId, reinterpret_cast<DWORD_PTR>(button))) {
        delete button;
        return false;
    }
    SetPropW(window, frameButtonProperty, reinterpret_cast<HANDLE>(1));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}
