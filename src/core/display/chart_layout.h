#pragma once
// The season chart's geometry: the axes with their ticks, the pixel place of every point, the
// legend, and the style of each player's line; a plain function of the data and the size,
// computed before any drawing. Window-free.
#include "team/history.h"
#include "team/team.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ChartSeries {
    std::string name;
    SeasonHistory points;
    bool hidden = false; // switched off in the legend: listed there, not drawn, not hit, not scaled for
};

// What the chart shows of a mode: every player that has points, in line-up order, so that a
// player keeps his colour whatever order the tabs show.
struct SeasonChart {
    std::vector<ChartSeries> series;
    int current = -1; // the current player's series, drawn strongest; -1 when he has no point
    int decimal = 0;  // the mode's "Dezimalausgabe", for the tips
};
SeasonChart seasonChart(const TeamState& state);

struct ChartMetrics {
    int width = 0, height = 0;                        // the area drawn into, pixels
    int textHeight = 0;                               // one line in the chart's font
    std::function<int(const std::string&)> textWidth; // of one line in that font
    int markerRadius = 4;                             // pixels, scaled for the display
    int gap = 6;                                      // between texts, lines and edges, scaled
};

struct ChartRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
struct ChartTick {
    double value = 0;
    int pixel = 0;      // x of a tick along "Punktspiele", y of one along "LKZ"
    std::string label;  // "180", "180,5"
    ChartRect labelBox; // where the label goes: centred under the plot, or right-aligned left of it
};
struct ChartPoint {
    int x = 0, y = 0;
};
struct LegendEntry {
    int series = 0; // index into the series given
    ChartRect box;  // what a click hits
    int sampleLeft = 0, sampleRight = 0, sampleY = 0; // a short line with the marker in its middle
    ChartRect text; // the name; a longer one is cut with an ellipsis
};

struct ChartLayout {
    bool empty = true; // no point at all: chartEmptyText instead of axes
    ChartRect plot;    // the frame; the points keep markerRadius and more from it
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0; // the values at the edges of the points' area
    std::vector<ChartTick> xTicks, yTicks;            // whole numbers along x, round values along y
    ChartRect xTitle, yTitle; // "Punktspiele" under the x labels, "LKZ" above the y labels
    // Per series and history point; a hidden series' points may lie outside the plot.
    std::vector<std::vector<ChartPoint>> points;
    bool legendBeside = false;       // right of the plot, else under it
    std::vector<LegendEntry> legend; // the series that have points, in their order
};

extern const char* const chartXTitle;    // "Punktspiele"
extern const char* const chartYTitle;    // "LKZ"
extern const char* const chartEmptyText; // how the curve comes about, in one line

// The axes span the points of the series shown (of all when every one is hidden). Ticks along
// "LKZ" are 1, 2 or 5 times a power of ten apart (0,1 at least), as many as fit one and a half
// lines of text apart; along "Punktspiele" whole numbers, as many as their labels allow. The
// legend goes beside the plot in one column of at most a third of the width when that shows
// every name (a long one cut, but six lines of text wide at least) and fits the height; else under
// it, in as many columns as keep it within a third of the height. Nothing overlaps.
ChartLayout layoutChart(const std::vector<ChartSeries>& series, const ChartMetrics& metrics);

struct ChartHit {
    int series = -1, point = -1; // -1: nothing
};
// The point of a series shown nearest to (x, y), if within radius pixels.
ChartHit hitPoint(const ChartLayout& layout, const std::vector<ChartSeries>& series, int x, int y, int radius);
// The series whose legend entry holds (x, y), or -1.
int hitLegend(const ChartLayout& layout, int x, int y);
// "Anna – 5 Punktspiele: LKZ 191,978"; decimal: the mode's "Dezimalausgabe".
std::string pointTipText(const std::string& name, const HistoryPoint& point, int decimal);

// Colours and markers that readers with red-green colour blindness tell apart: seven colours of
// the palette made for them, six marker shapes, and a dash from the eighth line on.
enum class MarkerShape { Circle, Square, Diamond, TriangleUp, TriangleDown, Cross };
enum class LineDash { Solid, Dashed, Dotted };
struct SeriesStyle {
    uint32_t colour; // red in the low byte, as the system's colour values
    MarkerShape marker;
    LineDash dash;
};
SeriesStyle seriesStyle(int index);
