// The season chart's layout: ticks, points, legend, hit-testing, tips and the line styles.
#include "display/chart_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Text 7 pixels a byte wide at 96 dpi; scale 1.5 for 144 dpi.
ChartMetrics metrics(int width, int height, double scale = 1)
{
    const int perByte = static_cast<int>(7 * scale);
    return {width, height, static_cast<int>(16 * scale),
            [perByte](const std::string& text) { return perByte * static_cast<int>(text.size()); },
            static_cast<int>(4 * scale), static_cast<int>(6 * scale)};
}

SeasonHistory season(int first, std::vector<double> lkz)
{
    SeasonHistory points;
    for (double value : lkz)
        points.push_back({first++, value});
    return points;
}

bool overlap(const ChartRect& a, const ChartRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Anna 180 after one match and 200 after three, Bert 190 after two.
TEST(ChartLayout, PointsSitOnTheirTicks)
{
    const std::vector<ChartSeries> series = {{"Anna", {{1, 180}, {3, 200}}}, {"Bert", {{2, 190}}}};
    const ChartLayout layout = layoutChart(series, metrics(400, 300));
    ASSERT_FALSE(layout.empty);
    const auto labels = [](const std::vector<ChartTick>& ticks) {
        std::string text;
        for (const ChartTick& tick : ticks)
            text += tick.label + " ";
        return text;
    };
    EXPECT_EQ(labels(layout.xTicks), "1 2 3 ");
    EXPECT_EQ(labels(layout.yTicks), "180 185 190 195 200 ");
    const auto at = [&](int x, int y) { return std::make_pair(layout.xTicks[x].pixel, layout.yTicks[y].pixel); };
    const auto point = [&](int s, int i) { return std::make_pair(layout.points[s][i].x, layout.points[s][i].y); };
    EXPECT_EQ(point(0, 0), at(0, 0));
    EXPECT_EQ(point(0, 1), at(2, 4));
    EXPECT_EQ(point(1, 0), at(1, 2));
    EXPECT_TRUE(layout.legendBeside);
    EXPECT_EQ(hitPoint(layout, series, point(1, 0).first + 3, point(1, 0).second - 3, 6).series, 1);
    EXPECT_EQ(hitPoint(layout, series, point(0, 1).first, point(0, 1).second + 9, 6).series, -1);
    EXPECT_EQ(hitLegend(layout, layout.legend[1].box.left + 1, layout.legend[1].box.top + 1), 1);
    EXPECT_EQ(hitLegend(layout, 0, 0), -1);
    std::vector<ChartSeries> hidden = series;
    hidden[1].hidden = true;
    EXPECT_EQ(hitPoint(layoutChart(hidden, metrics(400, 300)), hidden, point(1, 0).first, point(1, 0).second, 6).series, -1);
    EXPECT_TRUE(layoutChart({{"Anna", {}}}, metrics(400, 300)).empty);
    EXPECT_EQ(pointTipText("Anna", {5, 191.978}, 1), "Anna \xE2\x80\x93 5 Punktspiele: LKZ 191,978");
    EXPECT_EQ(pointTipText("Anna", {5, 191.978}, 0), "Anna \xE2\x80\x93 5 Punktspiele: LKZ 192");
    EXPECT_EQ(pointTipText("Bert", {1, 180}, 1), "Bert \xE2\x80\x93 1 Punktspiel: LKZ 180,0");
}

// Over data and window sizes at 96 and 144 dpi: every point shown lies inside the plot, the ticks
// are round and cover it, and no text, legend entry or plot overlaps another or leaves the area.
TEST(ChartLayout, NothingOverlapsWhateverTheDataAndSize)
{
    std::vector<ChartSeries> squad;
    for (int i = 0; i < 20; ++i)
        squad.push_back({std::string(63, static_cast<char>('A' + i)), season(1 + i % 3, {150.0 + i, 170.5, 160.0 + 3 * i})});
    std::vector<ChartSeries> outlierHidden = {{"Anna", season(4, {185.222, 191.978})}, {"Bert", season(1, {500}), true}};
    const std::vector<std::vector<ChartSeries>> data = {
        {{"Anna", season(7, {180})}},
        {{"Anna", season(1, {150, 155, 162, 170, 171, 174.5, 180, 190, 200, 205, 210, 220, 230})}},
        {{"Anna", season(2, {200.001, 200.004})}},
        {{"Anna", season(5, {-4, 12.5})}},
        squad,
        outlierHidden,
    };
    for (double scale : {1.0, 1.5})
        for (std::pair<int, int> size : {std::make_pair(480, 360), std::make_pair(800, 600), std::make_pair(1280, 800)})
            for (size_t d = 0; d < data.size(); ++d) {
                const ChartMetrics m = metrics(static_cast<int>(size.first * scale), static_cast<int>(size.second * scale), scale);
                const ChartLayout layout = layoutChart(data[d], m);
                const std::string what = std::to_string(d) + " at " + std::to_string(m.width) + "x" + std::to_string(m.height);
                std::vector<ChartRect> boxes = {layout.plot, layout.xTitle, layout.yTitle};
                for (const std::vector<ChartTick>* ticks : {&layout.xTicks, &layout.yTicks})
                    for (const ChartTick& tick : *ticks)
                        boxes.push_back(tick.labelBox);
                for (const LegendEntry& entry : layout.legend)
                    boxes.push_back(entry.box);
                for (size_t a = 0; a < boxes.size(); ++a) {
                    EXPECT_TRUE(boxes[a].left >= 0 && boxes[a].top >= 0 && boxes[a].right <= m.width && boxes[a].bottom <= m.height) << what;
                    for (size_t b = a + 1; b < boxes.size(); ++b)
                        EXPECT_FALSE(overlap(boxes[a], boxes[b])) << what << ": boxes " << a << " and " << b;
                }
                // Inside the plot by the marker, and the LKZ ticks around them.
                for (size_t s = 0; s < data[d].size(); ++s)
                    for (size_t i = 0; i < data[d][s].points.size() && !data[d][s].hidden; ++i) {
                        const ChartPoint p = layout.points[s][i];
                        const ChartRect marker = {p.x - m.markerRadius, p.y - m.markerRadius, p.x + m.markerRadius, p.y + m.markerRadius};
                        EXPECT_TRUE(marker.left > layout.plot.left && marker.right < layout.plot.right &&
                                    marker.top > layout.plot.top && marker.bottom < layout.plot.bottom) << what;
                        EXPECT_TRUE(layout.yTicks.front().value <= data[d][s].points[i].lkz && data[d][s].points[i].lkz <= layout.yTicks.back().value) << what;
                    }
                // 1, 2 or 5 times a power of ten, 0,1 at the least.
                const double step = (layout.yTicks[1].value - layout.yTicks[0].value) * 10;
                const double mantissa = step / std::pow(10, std::floor(std::log10(step) + 1e-9));
                EXPECT_TRUE(step > 0.999 && (std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 || std::fabs(mantissa - 5) < 1e-6)) << what;
                EXPECT_LT(layout.yHigh, 500) << what << ": a hidden series does not scale the axis";
            }
}

// Lines that share a marker must differ in colour for readers without red or green cones too,
// simulated with the linear-light projections of Viénot, Brettel and Mollon (1999).
TEST(ChartLayout, StylesStayApartForRedGreenBlindReaders)
{
    const double projections[2][3][3] = {
        {{0.11238, 0.88762, 0}, {0.11238, 0.88762, 0}, {0.00401, -0.00401, 1}},  // protanopia
        {{0.29275, 0.70725, 0}, {0.29275, 0.70725, 0}, {-0.02234, 0.02234, 1}}, // deuteranopia
    };
    // A colour as such a reader sees it, in sRGB from 0 to 1.
    const auto seen = [&](uint32_t colour, int p) {
        std::vector<double> linear, shown;
        for (int c = 0; c < 3; ++c) {
            const double v = (colour >> (8 * c) & 0xFF) / 255.0;
            linear.push_back(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        for (const auto& row : projections[p]) {
            const double v = std::min(1.0, std::max(0.0, row[0] * linear[0] + row[1] * linear[1] + row[2] * linear[2]));
            shown.push_back(v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
        }
        return shown;
    };
    std::set<std::pair<uint32_t, int>> markers, dashes;
    for (int a = 0; a < 20; ++a) {
        const SeriesStyle x = seriesStyle(a);
        markers.insert({x.colour, static_cast<int>(x.marker)});
        dashes.insert({x.colour, static_cast<int>(x.dash)});
        for (int b = a + 1; b < 20; ++b)
            if (seriesStyle(b).marker == x.marker)
                for (int p = 0; p < 2; ++p) {
                    const std::vector<double> u = seen(x.colour, p), v = seen(seriesStyle(b).colour, p);
                    EXPECT_GT(std::hypot(u[0] - v[0], u[1] - v[1], u[2] - v[2]), 0.25) << a << " and " << b;
                }
    }
    EXPECT_EQ(markers.size(), 20u);
    EXPECT_EQ(dashes.size(), 20u);
}

} // namespace
