#pragma once
// A player's season: his LKZ after each league match, kept with his other values and saved as
// "Verlauf%d". Window-free.
#include <optional>
#include <string>
#include <vector>

struct HistoryPoint {
    int matches = 0; // league matches played, 1..13
    double lkz = 0;  // as the decimal display showed it
};
// Ascending by matches, at most one point per match count.
using SeasonHistory = std::vector<HistoryPoint>;

// Keeps the history true to the player's stored values, wherever they change: the point at his
// match count becomes his LKZ (lkz: meaningfulLkz of his values, rounded here as the decimal
// display rounds it), or goes when he has none; points at lower counts stay as recorded, points
// at higher counts go (the count was corrected back).
void keepHistory(SeasonHistory& history, int matches, std::optional<double> lkz);
// "4:185.222;5:95.1235;6:227.0": each point with the decimal display's digits and a point,
// ascending, so that it reads back as the figure it was shown as.
std::string historyIniText(const SeasonHistory& history);
// Read leniently, without a message: a malformed point, a count outside 1..13 and a value that no
// plausible player of any league can have (outside -4 to 284,6, as the league table and the
// formula give them) are skipped; of two points with one count the later counts. A point with
// more digits is held at the display's precision.
SeasonHistory historyFromIni(const std::string& text);
