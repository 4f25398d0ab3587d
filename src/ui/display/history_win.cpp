#include "display/history_win.h"

#include "base/atomic_file_win.h"
#include "base/clipboard_win.h"
#include "base/dialog_state_win.h"
#include "base/dpi_win.h"
#include "base/gdiplus_win.h"
#include "base/libraries_win.h"
#include "base/save_dialog_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "base/dialogs_win.h"
#include "resource.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

using namespace Gdiplus::DllExports;

namespace {

constexpr int buttonIds[] = {IDC_HISTORY_COPY, IDC_HISTORY_SAVE, IDCANCEL};

// The open window's state, with it (DWLP_USER).
struct HistoryWindow {
    explicit HistoryWindow(HistorySnapshot& snapshot) : chart(snapshot.chart), keptSize(snapshot.size) {}
    GdiplusSession gdiplus; // first: it ends after everything drawn with it
    SeasonChart chart;      // a copy: the legend hides and shows its lines
    SIZE& keptSize;         // the caller's, written when the window closes
    ChartLayout layout;
    SIZE area = {};         // the chart: the client area above the buttons
    SIZE minimum = {};      // the smallest window: the template's, which shows twenty names beside the chart
    int buttonsFromBottom = 0, closeFromRight = 0, margin = 0;
    HWND tip = nullptr;     // owned by the window, so it goes with it
    ChartHit tipAt;
};

constexpr COLORREF hiddenColour = RGB(200, 200, 200); // a hidden player's entry in the legend

int markerRadius() { return scaled(4); }

Gdiplus::ARGB argb(COLORREF colour)
{
    return 0xFF000000u | static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16 |
           static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

RECT rectOf(const ChartRect& r) { return {r.left, r.top, r.right, r.bottom}; }

HFONT fontOf(HWND dialog) { return reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)); }

// The chart's sizes in the DC's font, for this area.
ChartMetrics metricsFor(HDC dc, SIZE area)
{
    TEXTMETRICW text = {};
    GetTextMetricsW(dc, &text);
    ChartMetrics metrics;
    metrics.width = area.cx;
    metrics.height = area.cy;
    metrics.textHeight = text.tmHeight;
    metrics.textWidth = [dc](const std::string& utf8) {
        const std::wstring wide = widen(utf8);
        SIZE size = {};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    metrics.markerRadius = markerRadius();
    metrics.gap = scaled(6);
    return metrics;
}

void drawText(HDC dc, const std::string& text, const ChartRect& box, UINT format)
{
    const std::wstring wide = widen(text);
    RECT rect = rectOf(box);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void drawMarker(Gdiplus::GpGraphics* graphics, MarkerShape shape, Gdiplus::REAL x, Gdiplus::REAL y, Gdiplus::REAL r,
                COLORREF colour)
{
    AutoGdipBrush fill;
    AutoPen outline, stroke;
    Gdiplus::GpSolidFill* brush = nullptr;
    Gdiplus::GpPen* pen = nullptr;
    if (GdipCreateSolidFill(argb(colour), &brush) == Gdiplus::Ok)
        fill.reset(brush);
    // A white rim keeps touching markers apart.
    if (GdipCreatePen1(0xFFFFFFFF, 1, Gdiplus::UnitPixel, &pen) == Gdiplus::Ok)
        outline.reset(pen);
    if (!fill || !outline)
        return;
    const auto polygon = [&](std::initializer_list<Gdiplus::PointF> corners) {
        const std::vector<Gdiplus::PointF> points(corners);
        GdipFillPolygon(graphics, fill.get(), points.data(), static_cast<INT>(points.size()),
                        Gdiplus::FillModeAlternate);
        GdipDrawPolygon(graphics, outline.get(), points.data(), static_cast<INT>(points.size()));
    };
    const Gdiplus::REAL s = r * 0.9f, d = r * 1.25f, t = r * 1.3f;
    switch (shape) {
    case MarkerShape::Circle:
        GdipFillEllipse(graphics, fill.get(), x - r, y - r, 2 * r, 2 * r);
        GdipDrawEllipse(graphics, outline.get(), x - r, y - r, 2 * r, 2 * r);
        break;
    case MarkerShape::Square:
        polygon({{x - s, y - s}, {x + s, y - s}, {x + s, y + s}, {x - s, y + s}});
        break;
    case MarkerShape::Diamond:
        polygon({{x, y - d}, {x + d, y}, {x, y + d}, {x - d, y}});
        break;
    case MarkerShape::TriangleUp:
        polygon({{x, y - t}, {x + t * 0.87f, y + t * 0.6f}, {x - t * 0.87f, y + t * 0.6f}});
        break;
    case MarkerShape::TriangleDown:
        polygon({{x, y + t}, {x + t * 0.87f, y - t * 0.6f}, {x - t * 0.87f, y - t * 0.6f}});
        break;
    case MarkerShape::Cross:
        if (GdipCreatePen1(argb(colour), std::max<Gdiplus::REAL>(2, r / 2), Gdiplus::UnitPixel, &pen) ==
            Gdiplus::Ok) {
            stroke.reset(pen);
            GdipDrawLine(graphics, stroke.get(), x - r, y - r, x + r, y + r);
            GdipDrawLine(graphics, stroke.get(), x - r, y + r, x + r, y - r);
        }
        break;
    }
}

AutoPen linePen(COLORREF colour, int width, LineDash dash)
{
    Gdiplus::GpPen* pen = nullptr;
    if (GdipCreatePen1(argb(colour), static_cast<Gdiplus::REAL>(width), Gdiplus::UnitPixel, &pen) != Gdiplus::Ok)
        return {};
    AutoPen owned(pen);
    GdipSetPenDashStyle(pen, dash == LineDash::Dashed  ? Gdiplus::DashStyleDash
                             : dash == LineDash::Dotted ? Gdiplus::DashStyleDot
                                                        : Gdiplus::DashStyleSolid);
    return owned;
}

// The grid, the frame and the texts, crisp, with the window system's own drawing.
void drawAxesAndTexts(HDC dc, const SeasonChart& chart, const ChartLayout& layout)
{
    AutoGdiObject<HPEN> grid(CreatePen(PS_SOLID, 1, RGB(225, 225, 225)));
    AutoGdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, RGB(128, 128, 128)));
    const RECT plot = rectOf(layout.plot);
    {
        ScopedSelectObject pen(dc, grid.get());
        for (const ChartTick& tick : layout.yTicks) {
            MoveToEx(dc, plot.left, tick.pixel, nullptr);
            LineTo(dc, plot.right, tick.pixel);
        }
        for (const ChartTick& tick : layout.xTicks) {
            MoveToEx(dc, tick.pixel, plot.top, nullptr);
            LineTo(dc, tick.pixel, plot.bottom);
        }
    }
    {
        ScopedSelectObject pen(dc, frame.get());
        ScopedSelectObject brush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
    }
    SetTextColor(dc, RGB(0, 0, 0));
    for (const ChartTick& tick : layout.yTicks)
        drawText(dc, tick.label, tick.labelBox, DT_RIGHT | DT_NOCLIP);
    for (const ChartTick& tick : layout.xTicks)
        drawText(dc, tick.label, tick.labelBox, DT_CENTER | DT_NOCLIP);
    drawText(dc, chartYTitle, layout.yTitle, DT_LEFT | DT_NOCLIP);
    drawText(dc, chartXTitle, layout.xTitle, DT_CENTER | DT_NOCLIP);
    for (const LegendEntry& entry : layout.legend) {
        const ChartSeries& series = chart.series[entry.series];
        SetTextColor(dc, series.hidden ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
        drawText(dc, series.name, entry.text, DT_LEFT | DT_END_ELLIPSIS);
    }
}

// The lines, their markers and the legend's samples, smooth: the others first, the current
// player's last and widest.
void drawLines(HDC dc, const SeasonChart& chart, const ChartLayout& layout)
{
    Gdiplus::GpGraphics* made = nullptr;
    if (GdipCreateFromHDC(dc, &made) != Gdiplus::Ok)
        return;
    AutoGraphics graphics(made);
    GdipSetSmoothingMode(made, Gdiplus::SmoothingModeAntiAlias);
    std::vector<int> order;
    for (int s = 0; s < static_cast<int>(chart.series.size()); ++s)
        if (s != chart.current)
            order.push_back(s);
    if (chart.current >= 0 && chart.current < static_cast<int>(chart.series.size()))
        order.push_back(chart.current);
    const auto width = [&](int s) { return s == chart.current ? scaled(3) : scaled(2); };
    const Gdiplus::REAL radius = static_cast<Gdiplus::REAL>(markerRadius());
    for (int s : order) {
        const std::vector<ChartPoint>& points = layout.points[s];
        if (chart.series[s].hidden || points.size() < 2)
            continue;
        const SeriesStyle style = seriesStyle(s);
        std::vector<Gdiplus::PointF> line;
        for (const ChartPoint& p : points)
            line.push_back({static_cast<Gdiplus::REAL>(p.x), static_cast<Gdiplus::REAL>(p.y)});
        if (AutoPen pen = linePen(style.colour, width(s), style.dash))
            GdipDrawLines(made, pen.get(), line.data(), static_cast<INT>(line.size()));
    }
    for (int s : order)
        if (!chart.series[s].hidden)
            for (const ChartPoint& p : layout.points[s])
                drawMarker(made, seriesStyle(s).marker, static_cast<Gdiplus::REAL>(p.x),
                           static_cast<Gdiplus::REAL>(p.y), radius, seriesStyle(s).colour);
    for (const LegendEntry& entry : layout.legend) {
        const SeriesStyle style = seriesStyle(entry.series);
        const COLORREF colour = chart.series[entry.series].hidden ? hiddenColour : style.colour;
        if (AutoPen pen = linePen(colour, width(entry.series), style.dash))
            GdipDrawLine(made, pen.get(), static_cast<Gdiplus::REAL>(entry.sampleLeft),
                         static_cast<Gdiplus::REAL>(entry.sampleY), static_cast<Gdiplus::REAL>(entry.sampleRight),
                         static_cast<Gdiplus::REAL>(entry.sampleY));
        drawMarker(made, style.marker, (entry.sampleLeft + entry.sampleRight) / 2.0f,
                   static_cast<Gdiplus::REAL>(entry.sampleY), radius, colour);
    }
}

// The one drawing of the chart, into any DC, its top-left at the DC's origin: for the screen,
// the clipboard and the file alike.
void drawChart(HDC dc, const SeasonChart& chart, const ChartLayout& layout, SIZE area, HFONT font)
{
    RECT all = {0, 0, area.cx, area.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScopedSelectObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    if (layout.empty) {
        // How the curve comes about, in the middle, wrapped only when the window is too narrow.
        const std::wstring text = widen(chartEmptyText);
        const int margin = scaled(12);
        RECT box = {margin, 0, std::max<int>(margin + 1, area.cx - margin), 0};
        DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        const int height = box.bottom - box.top;
        box = {margin, (area.cy - height) / 2, std::max<int>(margin + 1, area.cx - margin), (area.cy + height) / 2};
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), -1, &box, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        return;
    }
    drawAxesAndTexts(dc, chart, layout);
    drawLines(dc, chart, layout);
}

// The chart as the window shows it, drawn into a bitmap of its own (24 bits a pixel, as the
// clipboard and a PNG file want it).
AutoBitmap chartPicture(HWND dialog, const HistoryWindow& window)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max<LONG>(1, window.area.cx);
    info.bmiHeader.biHeight = std::max<LONG>(1, window.area.cy);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScopedGetDC screen(dialog);
    AutoBitmap picture(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    AutoHandle<HDC, DeleteDC> memory(CreateCompatibleDC(screen));
    if (!picture || !memory)
        return {};
    {
        ScopedSelectObject selected(memory.get(), picture.get());
        drawChart(memory.get(), window.chart, window.layout, window.area, fontOf(dialog));
    }
    GdiFlush();
    return picture;
}

// The one tool of the point tip: the whole chart, its tip placed by hand.
TTTOOLINFOW pointTool(HWND dialog)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dialog;
    tool.uId = 1;
    return tool;
}

void hideTip(HWND dialog, HistoryWindow& window)
{
    TTTOOLINFOW tool = pointTool(dialog);
    SendMessageW(window.tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    window.tipAt = {};
}

// The buttons follow the lower edge (Schließen the right one too); the chart takes the rest.
void onSize(HWND dialog, HistoryWindow& window)
{
    RECT client;
    GetClientRect(dialog, &client);
    const int top = client.bottom - window.buttonsFromBottom;
    for (int id : buttonIds) {
        const RECT button = childRect(dialog, id);
        const int left = id == IDCANCEL ? client.right - window.closeFromRight : button.left;
        SetWindowPos(GetDlgItem(dialog, id), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    window.area = {client.right, std::max<LONG>(1, top - window.margin)};
    ScopedGetDC dc(dialog);
    ScopedSelectObject font(dc, fontOf(dialog));
    window.layout = layoutChart(window.chart.series, metricsFor(dc, window.area));
    hideTip(dialog, window);
    InvalidateRect(dialog, nullptr, FALSE);
}

void onPaint(HWND dialog, const HistoryWindow& window)
{
    ScopedPaint paint(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    // The strip of the buttons in the dialog's colour; the chart from its picture in one go.
    RECT below = {0, window.area.cy, client.right, client.bottom};
    FillRect(paint, &below, GetSysColorBrush(COLOR_BTNFACE));
    AutoBitmap picture = chartPicture(dialog, window);
    AutoHandle<HDC, DeleteDC> memory(CreateCompatibleDC(paint));
    if (!picture || !memory)
        return;
    ScopedSelectObject selected(memory.get(), picture.get());
    BitBlt(paint, 0, 0, window.area.cx, window.area.cy, memory.get(), 0, 0, SRCCOPY);
}

// A click on a legend entry hides or shows that player's line; the axes follow the lines shown.
void onLeftButtonDown(HWND dialog, HistoryWindow& window, POINT at)
{
    const int series = hitLegend(window.layout, at.x, at.y);
    if (series < 0)
        return;
    window.chart.series[series].hidden = !window.chart.series[series].hidden;
    onSize(dialog, window);
}

// The tip of the point under the pointer: "Anna – 5 Punktspiele: LKZ 191,978", beside it.
void onMouseMove(HWND dialog, HistoryWindow& window, POINT at)
{
    const ChartHit hit = hitPoint(window.layout, window.chart.series, at.x, at.y, scaled(8));
    if (hit.series == window.tipAt.series && hit.point == window.tipAt.point)
        return;
    if (hit.series < 0) {
        hideTip(dialog, window);
        return;
    }
    window.tipAt = hit;
    const ChartSeries& series = window.chart.series[hit.series];
    std::wstring text = widen(pointTipText(series.name, series.points[hit.point], window.chart.decimal));
    TTTOOLINFOW tool = pointTool(dialog);
    tool.lpszText = &text[0];
    SendMessageW(window.tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT place = {window.layout.points[hit.series][hit.point].x + scaled(10),
                   window.layout.points[hit.series][hit.point].y + scaled(10)};
    ClientToScreen(dialog, &place);
    SendMessageW(window.tip, TTM_TRACKPOSITION, 0, MAKELPARAM(place.x, place.y));
    SendMessageW(window.tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, dialog, 0};
    TrackMouseEvent(&leave);
}

// A hand over the legend's entries, which a click switches.
bool onSetCursor(HWND dialog, const HistoryWindow& window)
{
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(dialog, &at);
    if (hitLegend(window.layout, at.x, at.y) < 0)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return true;
}

void copyChart(HWND dialog, const HistoryWindow& window)
{
    if (AutoBitmap picture = chartPicture(dialog, window))
        putPictureOnClipboard(dialog, picture.get());
}

void saveChart(HWND dialog, const HistoryWindow& window)
{
    const std::wstring path = askSavePath(dialog, L"Kadermeister-Verlauf.png",
                                          L"PNG-Bilder (*.png)\0*.png\0Alle Dateien (*.*)\0*.*\0", L"png");
    if (path.empty())
        return;
    AutoBitmap picture = chartPicture(dialog, window);
    const std::string png = picture ? pngBytes(picture.get()) : std::string();
    if (png.empty())
        tellSaveFailed(dialog, L"Das Bild konnte nicht als PNG erzeugt werden.");
    else if (!writeFileWhole(path, png))
        tellSaveFailed(dialog, systemErrorText(GetLastError()));
}

HWND makePointTip(HWND dialog)
{
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               0, 0, 0, 0, dialog, nullptr, appInstance(), nullptr);
    TTTOOLINFOW tool = pointTool(dialog);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tip;
}

// The size kept for the run, centred over the owner and inside the work area.
void takeKeptSize(HWND dialog, SIZE size)
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    centreOver(dialog, GetParent(dialog), std::min<int>(size.cx, work.right - work.left),
               std::min<int>(size.cy, work.bottom - work.top));
}

void onInitDialog(HWND dialog, HistorySnapshot& snapshot)
{
    HistoryWindow& window = createDialogState<HistoryWindow>(dialog, snapshot);
    RECT client, frame;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &frame);
    const RECT close = childRect(dialog, IDCANCEL);
    window.buttonsFromBottom = client.bottom - close.top;
    window.closeFromRight = client.right - close.left;
    window.margin = childRect(dialog, IDC_HISTORY_COPY).left;
    window.minimum = {frame.right - frame.left, frame.bottom - frame.top};
    window.tip = makePointTip(dialog);
    // With no point at all there is nothing to copy or save.
    EnableWindow(GetDlgItem(dialog, IDC_HISTORY_COPY), !window.chart.series.empty());
    EnableWindow(GetDlgItem(dialog, IDC_HISTORY_SAVE), !window.chart.series.empty());
    if (snapshot.size.cx > 0 && snapshot.size.cy > 0)
        takeKeptSize(dialog, snapshot.size);
    onSize(dialog, window);
}

void onDestroy(HWND dialog, HistoryWindow& window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(dialog, &placement))
        window.keptSize = {placement.rcNormalPosition.right - placement.rcNormalPosition.left,
                           placement.rcNormalPosition.bottom - placement.rcNormalPosition.top};
}

INT_PTR CALLBACK historyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog, *reinterpret_cast<HistorySnapshot*>(lParam));
        return TRUE;
    }
    HistoryWindow* state = dialogState<HistoryWindow>(dialog);
    if (!state)
        return FALSE;
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_HISTORY_COPY:
            copyChart(dialog, *state);
            return TRUE;
        case IDC_HISTORY_SAVE:
            saveChart(dialog, *state);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_SIZE:
        onSize(dialog, *state);
        return TRUE;
    case WM_GETMINMAXINFO:
        keepAtLeast(lParam, state->minimum);
        return TRUE;
    case WM_ERASEBKGND:
        // The paint covers every pixel; erasing first would only flicker.
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_PAINT:
        onPaint(dialog, *state);
        return TRUE;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(dialog, *state, at);
        return TRUE;
    case WM_MOUSEMOVE:
        onMouseMove(dialog, *state, at);
        return TRUE;
    case WM_MOUSELEAVE:
        hideTip(dialog, *state);
        return TRUE;
    case WM_SETCURSOR:
        return onSetCursor(dialog, *state);
    case WM_DESTROY:
        onDestroy(dialog, *state);
        return FALSE;
    case WM_NCDESTROY:
        destroyDialogState<HistoryWindow>(dialog);
        return FALSE;
    }
    return FALSE;
}

} // namespace

void showHistory(HWND owner, HistorySnapshot& snapshot)
{
    if (!loadLibrariesFor(Feature::Chart, owner))
        return;
    DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_HISTORY), owner, historyProc,
                    reinterpret_cast<LPARAM>(&snapshot));
}

const ChartLayout* shownChartLayout(HWND window)
{
    if (GetWindowLongPtrW(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(historyProc))
        return nullptr;
    const HistoryWindow* state = dialogState<HistoryWindow>(window);
    return state ? &state->layout : nullptr;
}
