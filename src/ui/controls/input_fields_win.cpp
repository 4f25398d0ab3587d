#include "controls/input_fields_win.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "resource.h"

#include <commctrl.h>

#include <cwchar>
#include <initializer_list>
#include <string>

namespace {

const COLORREF markColour = RGB(255, 0, 0);

// The red frame: 2 px at 96 dpi.
int frameWidth() { return scaled(2); }

void drawFrame(const InputSurfaces& surfaces, int kind, COLORREF colour)
{
    HWND surface = nullptr;
    RECT rect = inputFrameRect(surfaces, kind, &surface);
    if (!surface || IsRectEmpty(&rect))
        return;
    ScopedGetDC dc(surface);
    AutoBrush brush(CreateSolidBrush(colour));
    if (!dc || !brush)
        return;
    for (int ring = 0; ring < frameWidth(); ++ring) {
        FrameRect(dc, &rect, brush.get());
        InflateRect(&rect, -1, -1);
    }
}

COLORREF backgroundColour(HWND surface)
{
    COLORREF colour = CLR_INVALID;
    ScopedGetDC dc(surface);
    if (dc)
        colour = GetPixel(dc, 1, 1);
    return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

} // namespace

HWND surfaceWindow(const InputSurfaces& surfaces, Surface surface)
{
    return surface == Surface::PlayerPage ? surfaces.page : surfaces.dialog;
}

HWND inputWindow(const InputSurfaces& surfaces, int kind)
{
    if (kind < 0 || kind >= InputKindCount)
        return nullptr;
    const InputControl& input = inputControls[kind];
    return GetDlgItem(surfaceWindow(surfaces, input.surface), input.field);
}

int fieldValue(HWND parent, int id)
{
    wchar_t text[3] = L""; // at most the first two characters count
    GetDlgItemTextW(parent, id, text, 3);
    return static_cast<int>(std::wcstol(text, nullptr, 10));
}

void setFieldValue(HWND parent, int id, int value)
{
    setWindowTextIfChanged(GetDlgItem(parent, id), numberText(value));
}

LkzInputs readInputs(const InputSurfaces& surfaces)
{
    LkzInputs in;
    for (const InputControl& input : inputControls) {
        if (input.kind == League) {
            const LRESULT selection = SendMessageW(inputWindow(surfaces, League), CB_GETCURSEL, 0, 0);
            in[League] = selection == CB_ERR ? -1 : static_cast<int>(selection);
        } else {
            in[input.kind] = fieldValue(surfaceWindow(surfaces, input.surface), input.field);
        }
    }
    return in;
}

void showInputs(const InputSurfaces& surfaces, const LkzInputs& in)
{
    for (const InputControl& input : inputControls) {
        if (input.kind == League) {
            const int league = in[League] >= 0 && in[League] < leagueCount ? in[League] : -1;
            HWND box = inputWindow(surfaces, League);
            if (SendMessageW(box, CB_GETCURSEL, 0, 0) != league)
                SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(league), 0);
        } else {
            setFieldValue(surfaceWindow(surfaces, input.surface), input.field, in[input.kind]);
        }
    }
}

void setPageSpinRanges(HWND page, int matches)
{
    const int high = pairLimitOf(matches);
    for (const InputControl& input : inputControls)
        if (input.surface == Surface::PlayerPage)
            SendDlgItemMessageW(page, input.spin, UDM_SETRANGE, 0, MAKELPARAM(static_cast<short>(high), 0));
}

RECT inputFrameRect(const InputSurfaces& surfaces, int kind, HWND* surface)
{
    RECT rect = {};
    *surface = nullptr;
    HWND field = inputWindow(surfaces, kind);
    if (!field || !IsWindowVisible(field))
        return rect;
    const InputControl& input = inputControls[kind];
    HWND parent = surfaceWindow(surfaces, input.surface);
    rect = childRect(parent, field);
    if (input.spin) {
        // A field and its spin are one input: the frame goes round both, 2 px wide, 1 px away.
        const RECT spin = childRect(parent, GetDlgItem(parent, input.spin));
        UnionRect(&rect, &rect, &spin);
        InflateRect(&rect, frameWidth() + scaled(1), frameWidth() + scaled(1));
    } else {
        InflateRect(&rect, frameWidth(), frameWidth());
    }
    *surface = parent;
    return rect;
}

void paintInputMarks(const InputSurfaces& surfaces, const PlayerRecord* player, bool neutralFrames)
{
    if (!surfaces.page || !player)
        return;
    // A frame without a mark takes the colour of the background it stands on, so it vanishes.
    const COLORREF mainNeutral = backgroundColour(surfaces.dialog);
    const COLORREF pageNeutral = backgroundColour(surfaces.page);
    for (const InputControl& input : inputControls) {
        if (player->invalid[input.kind])
            drawFrame(surfaces, input.kind, markColour);
        else if (neutralFrames)
            drawFrame(surfaces, input.kind, input.surface == Surface::PlayerPage ? pageNeutral : mainNeutral);
    }
}

void clearInputMarks(const InputSurfaces& surfaces)
{
    for (const InputControl& input : inputControls) {
        HWND surface = nullptr;
        const RECT frame = inputFrameRect(surfaces, input.kind, &surface);
        if (!surface)
            continue;
        // Four strips, as wide as the frame, that the background covers again.
        const int w = frameWidth();
        const RECT strips[] = {
            {frame.left, frame.top, frame.right, frame.top + w},
            {frame.left, frame.bottom - w, frame.right, frame.bottom},
            {frame.left, frame.top, frame.left + w, frame.bottom},
            {frame.right - w, frame.top, frame.right, frame.bottom},
        };
        for (const RECT& strip : strips)
            RedrawWindow(surface, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    }
}

void redrawPlayerCountFields(HWND dialog)
{
    if (!IsWindowVisible(dialog))
        return; // the first paint draws them
    for (int id : {IDC_PLAYER_COUNT_FIELD, IDC_PLAYER_COUNT_SPIN, IDC_TEAM_COUNT_FIELD, IDC_TEAM_COUNT_SPIN})
        RedrawWindow(GetDlgItem(dialog, id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
