#include "display/chart_layout.h"

#include "rating/shown_lkz.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const char* const chartXTitle = "Punktspiele";
const char* const chartYTitle = "LKZ";
const char* const chartEmptyText =
    "Noch kein Verlauf: Nach jedem Punktspiel die Werte eintragen, dann entsteht die Kurve von selbst.";

namespace {

// 10^n for n >= 0, exact up to 10^22; by multiplication, which the program carries anyway.
double powerOfTen(int n)
{
    double power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

// 1, 2 or 5 times 10^exponent.
struct Step {
    int mantissa, exponent;
    // Whole numbers divided by an exact power of ten: 1801 * 0.1 would give 180.10000000000002.
    double times(double i) const
    {
        return exponent >= 0 ? i * mantissa * powerOfTen(exponent) : i * mantissa / powerOfTen(-exponent);
    }
};

// The smallest step, 0,1 at least, that needs no more than maxTicks ticks on its multiples from
// at or below low to at or above high.
Step niceStep(double low, double high, int maxTicks)
{
    for (int exponent = -1;; ++exponent)
        for (int mantissa : {1, 2, 5}) {
            const Step step{mantissa, exponent};
            const double unit = step.times(1);
            if (std::ceil(high / unit) - std::floor(low / unit) + 1 <= maxTicks || exponent > 300)
                return step;
        }
}

int toPixel(double value, double low, double high, int from, int length)
{
    return from + static_cast<int>(std::lround((value - low) / (high - low) * length));
}

// 1, 2, 5, 10, 20, 50, ... for k = 0, 1, 2, ...
long long wholeStep(int k)
{
    static const int mantissas[] = {1, 2, 5};
    long long step = mantissas[k % 3];
    for (int i = 0; i < k / 3; ++i)
        step *= 10;
    return step;
}

bool inside(const ChartRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

} // namespace

ChartLayout layoutChart(const std::vector<ChartSeries>& series, const ChartMetrics& m)
{
    ChartLayout layout;
    layout.points.resize(series.size());
    // The ranges of the points shown, or of all when every series is hidden.
    bool found = false;
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    for (bool shownOnly : {true, false}) {
        for (const ChartSeries& s : series)
            for (const HistoryPoint& p : s.points) {
                if (shownOnly && s.hidden)
                    continue;
                xLow = found ? std::min<double>(xLow, p.matches) : p.matches;
                xHigh = found ? std::max<double>(xHigh, p.matches) : p.matches;
                yLow = found ? std::min(yLow, p.lkz) : p.lkz;
                yHigh = found ? std::max(yHigh, p.lkz) : p.lkz;
                found = true;
            }
        if (found)
            break;
    }
    if (!found)
        return layout;
    layout.empty = false;
    // A lone match count or value gets room on both sides.
    if (xLow == xHigh) {
        xLow -= 1;
        xHigh += 1;
    }
    if (yHigh - yLow < 0.1) {
        yLow -= 1;
        yHigh += 1;
    }

    const int gap = m.gap, half = std::max(1, m.gap / 2), line = m.textHeight;
    const int inset = m.markerRadius + 2;
    const int entryHeight = std::max(line, 2 * m.markerRadius + 2) + half;
    const int sample = 2 * m.markerRadius + 2 * gap;
    // How far a label centred on the outermost LKZ tick reaches beyond the points' area.
    const int overhang = std::max(0, line - line / 2 - inset);

    // The legend: beside the plot when a column of a third of the width shows every name, or at
    // least six lines of text of it, and fits the height; else under it.
    std::vector<int> listed;
    int widestName = 0;
    for (size_t i = 0; i < series.size(); ++i)
        if (!series[i].points.empty()) {
            listed.push_back(static_cast<int>(i));
            widestName = std::max(widestName, m.textWidth(series[i].name));
        }
    const int n = static_cast<int>(listed.size());
    const int plotTop = gap + line + half + overhang;
    const int besideWidth = std::min(sample + half + widestName, m.width / 3);
    layout.legendBeside = besideWidth - sample - half >= std::min(widestName, 6 * line) &&
                          plotTop + n * entryHeight <= m.height - gap;
    int columns = 1, columnWidth = besideWidth, legendHeight = 0;
    if (!layout.legendBeside) {
        const int room = m.width - 2 * gap;
        const int natural = sample + half + widestName;
        const int maxRows = std::max(1, m.height / 3 / entryHeight);
        columns = std::max((n + maxRows - 1) / maxRows, room / (natural + gap));
        columns = std::max(1, std::min(columns, n));
        columnWidth = std::min(natural, (room - (columns - 1) * gap) / columns);
        legendHeight = (n + columns - 1) / columns * entryHeight;
    }
    const int legendLeft = layout.legendBeside ? m.width - gap - besideWidth : gap;
    const int legendTop = layout.legendBeside ? plotTop : m.height - gap - legendHeight;
    for (int k = 0; k < n; ++k) {
        LegendEntry entry;
        entry.series = listed[k];
        const int column = layout.legendBeside ? 0 : k % columns, row = layout.legendBeside ? k : k / columns;
        entry.box.left = legendLeft + column * (columnWidth + gap);
        entry.box.top = legendTop + row * entryHeight;
        entry.box.right = entry.box.left + columnWidth;
        entry.box.bottom = entry.box.top + entryHeight;
        entry.sampleLeft = entry.box.left;
        entry.sampleRight = std::min(entry.box.left + sample, entry.box.right);
        entry.sampleY = (entry.box.top + entry.box.bottom) / 2;
        entry.text = {std::min(entry.sampleRight + half, entry.box.right), entry.box.top, entry.box.right,
                      entry.box.bottom};
        layout.legend.push_back(entry);
    }

    // The plot's frame: the titles and the tick labels around it.
    const std::string widestX = std::to_string(static_cast<long long>(std::fabs(xHigh) > std::fabs(xLow) ? xHigh : xLow));
    const int xLabelWidth = m.textWidth(widestX);
    ChartRect& plot = layout.plot;
    plot.top = plotTop;
    const int bottomEdge = layout.legendBeside ? m.height - gap : legendTop - gap;
    plot.bottom = std::max(plot.top + 2 * inset + 1, bottomEdge - overhang - 2 * (half + line));
    const int rightEdge = layout.legendBeside ? legendLeft - gap : m.width - gap;
    plot.right = rightEdge - std::max(0, xLabelWidth / 2 - inset);

    // Round LKZ values, one and a half lines of text apart at the least.
    const int dataHeight = plot.bottom - plot.top - 2 * inset;
    const Step yStep = niceStep(yLow, yHigh, std::max(2, 1 + dataHeight * 2 / std::max(1, 3 * line)));
    const double yFirst = std::floor(yLow / yStep.times(1)), yLast = std::ceil(yHigh / yStep.times(1));
    layout.yLow = yStep.times(yFirst);
    layout.yHigh = yStep.times(yLast);
    int widestY = 0;
    for (double i = yFirst; i <= yLast; ++i) {
        ChartTick tick;
        tick.value = yStep.times(i);
        tick.pixel = toPixel(tick.value, layout.yLow, layout.yHigh, plot.bottom - inset, -dataHeight);
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", std::max(0, -yStep.exponent), tick.value);
        tick.label = withDecimalComma(text);
        widestY = std::max(widestY, m.textWidth(tick.label));
        layout.yTicks.push_back(tick);
    }
    plot.left = gap + widestY + half;
    plot.right = std::max(plot.right, plot.left + 2 * inset + 1);
    for (ChartTick& tick : layout.yTicks)
        tick.labelBox = {gap, tick.pixel - line / 2, plot.left - half, tick.pixel - line / 2 + line};
    layout.yTitle = {gap, gap, gap + m.textWidth(chartYTitle), gap + line};

    // Whole match counts, as many as their labels leave room for.
    const int dataWidth = plot.right - plot.left - 2 * inset;
    layout.xLow = xLow;
    layout.xHigh = xHigh;
    long long xStep = 1;
    for (int k = 1; dataWidth * static_cast<double>(xStep) / (xHigh - xLow) < xLabelWidth + gap && k < 30; ++k)
        xStep = wholeStep(k);
    const int labelTop = plot.bottom + overhang + half;
    for (double i = std::ceil(xLow / xStep) * xStep; i <= xHigh; i += xStep) {
        ChartTick tick;
        tick.value = i;
        tick.pixel = toPixel(i, xLow, xHigh, plot.left + inset, dataWidth);
        tick.label = std::to_string(static_cast<long long>(i));
        const int width = m.textWidth(tick.label);
        tick.labelBox = {tick.pixel - width / 2, labelTop, tick.pixel - width / 2 + width, labelTop + line};
        layout.xTicks.push_back(tick);
    }
    const int titleWidth = m.textWidth(chartXTitle);
    const int titleLeft = (plot.left + plot.right - titleWidth) / 2;
    layout.xTitle = {titleLeft, labelTop + line + half, titleLeft + titleWidth, labelTop + 2 * line + half};

    for (size_t s = 0; s < series.size(); ++s)
        for (const HistoryPoint& p : series[s].points)
            layout.points[s].push_back({toPixel(p.matches, xLow, xHigh, plot.left + inset, dataWidth),
                                        toPixel(p.lkz, layout.yLow, layout.yHigh, plot.bottom - inset, -dataHeight)});
    return layout;
}

SeasonChart seasonChart(const TeamState& state)
{
    std::vector<int> order;
    for (size_t i = 0; i < state.players.size(); ++i)
        if (!state.players[i].history.empty())
            order.push_back(static_cast<int>(i));
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return state.players[a].lineup < state.players[b].lineup; });
    SeasonChart chart;
    chart.decimal = state.decimal;
    for (int index : order) {
        if (index == currentIndex(state))
            chart.current = static_cast<int>(chart.series.size());
        chart.series.push_back({tabLabel(state, index), state.players[index].history});
    }
    return chart;
}

ChartHit hitPoint(const ChartLayout& layout, const std::vector<ChartSeries>& series, int x, int y, int radius)
{
    ChartHit hit;
    long long nearest = static_cast<long long>(radius) * radius;
    for (size_t s = 0; s < layout.points.size() && s < series.size(); ++s) {
        if (series[s].hidden)
            continue;
        for (size_t i = 0; i < layout.points[s].size(); ++i) {
            const long long dx = layout.points[s][i].x - x, dy = layout.points[s][i].y - y;
            if (dx * dx + dy * dy <= nearest && (hit.series < 0 || dx * dx + dy * dy < nearest)) {
                nearest = dx * dx + dy * dy;
                hit = {static_cast<int>(s), static_cast<int>(i)};
            }
        }
    }
    return hit;
}

int hitLegend(const ChartLayout& layout, int x, int y)
{
    for (const LegendEntry& entry : layout.legend)
        if (inside(entry.box, x, y))
            return entry.series;
    return -1;
}

std::string pointTipText(const std::string& name, const HistoryPoint& point, int decimal)
{
    return name + " \xE2\x80\x93 " + std::to_string(point.matches) + (point.matches == 1 ? " Punktspiel" : " Punktspiele") +
           ": LKZ " + shownLkzText(point.lkz, decimal);
}

SeriesStyle seriesStyle(int index)
{
    // The palette made for colour-blind readers, without its yellow, which is too pale on white,
    // in an order that gives the lines sharing a marker colours far apart for them as well.
    static const uint32_t colours[] = {
        0x000000, // black
        0x009FE6, // orange 230,159,0
        0x739E00, // bluish green 0,158,115
        0xB27200, // blue 0,114,178
        0x005ED5, // vermillion 213,94,0
        0xE9B456, // sky blue 86,180,233
        0xA779CC, // reddish purple 204,121,167
    };
    constexpr int colourCount = sizeof colours / sizeof colours[0];
    constexpr int shapeCount = 6;
    if (index < 0)
        index = 0;
    return {colours[index % colourCount], static_cast<MarkerShape>(index % shapeCount),
            static_cast<LineDash>(index / colourCount % 3)};
}
