// Reading player balances from what a user copies or saves: the portals' tables, our overview,
// the encodings, and what is refused.
#include "import/balances.h"
#include "team/overview.h"

#include "balance_samples.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string sample(const std::string& name) { return balanceSample(name); }

// "Albers, Henrik 1.1 9 11:5 0:0 0:0", and " Ersatz" for a substitute.
std::vector<std::string> rowTexts(const BalanceTable& table)
{
    std::vector<std::string> texts;
    for (const BalanceRow& row : table.rows) {
        std::string text = row.name + " " + row.rank + " " + std::to_string(row.matches);
        for (int pk = 0; pk < 3; ++pk)
            text += " " + std::to_string(row.won[pk]) + ":" + std::to_string(row.lost[pk]);
        texts.push_back(text + (row.substitute ? " Ersatz" : "") + (row.agrees() ? "" : " falsch"));
    }
    return texts;
}

const std::vector<std::string> positionsRows = {
    "Albers, Henrik 1.1 9 11:5 0:0 0:0",      "\xC3\x87" "elik, Derya 1.2 8 7:7 0:0 0:0",
    "M\xC3\xBCller-Thurgau, Jens 1.3 9 0:0 11:6 0:0", "de Vries, Sanne 1.4 7 0:0 6:6 0:0",
    "Sch\xC3\xA4" "fer, Lukas 1.5 9 0:0 0:0 13:4",     "Wr\xC3\xB3" "bel, Kasia 1.6 6 0:0 1:1 7:3",
    "Zimmer, Paul 1.7 0 0:0 0:0 0:0",         "Adams, Bea 2.2 1 0:0 0:0 1:1 Ersatz"};
const std::string positionsSummary = "8 Spielerbilanzen erkannt (Positionen 1\xE2\x80\x93" "6), Einzel 57:33 stimmt";

// The same text as Windows-1252 (every character of the samples has a byte there).
std::string cp1252(const std::string& utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        out += c == 0xC2 || c == 0xC3 ? static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F)) : utf8[i];
    }
    return out;
}

std::string utf16(const std::string& utf8, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (unsigned char c : cp1252(utf8)) // the samples' characters are all below U+0100
        out += bigEndian ? std::string{'\0', static_cast<char>(c)} : std::string{static_cast<char>(c), '\0'};
    return out;
}

TEST(Balances, TheSamplesInEveryShapeAUserHandsOver)
{
    const std::string html = sample("positions.html"), text = sample("positions.txt");
    std::string beyond = htmlFormat(html);
    beyond.replace(beyond.find("EndFragment:") + 12, 9, "999999999");
    const struct {
        const char* what;
        BalanceTable table;
        std::vector<std::string> rows;
        std::string summary;
    } cases[] = {
        {"clipboard HTML", readBalancesFromClipboard(htmlFormat(html), text), positionsRows, positionsSummary},
        {"offsets beyond the data", readBalancesFromClipboard(beyond, ""), positionsRows, positionsSummary},
        {"bare fragment", readBalancesFromClipboard(html, ""), positionsRows, positionsSummary},
        {"clipboard text", readBalancesFromClipboard("", text), positionsRows, positionsSummary},
        {"saved page", readBalancesFromFile(html), positionsRows, positionsSummary},
        {"UTF-8 with BOM", readBalancesFromFile("\xEF\xBB\xBF" + text), positionsRows, positionsSummary},
        {"UTF-16 LE", readBalancesFromFile(utf16(text, false)), positionsRows, positionsSummary},
        {"UTF-16 BE", readBalancesFromFile(utf16(text, true)), positionsRows, positionsSummary},
        {"Windows-1252", readBalancesFromFile(cp1252(text)), positionsRows, positionsSummary},
        {"declared latin-1",
         readBalancesFromFile(cp1252("<meta charset=\"iso-8859-1\">" + html)), positionsRows, positionsSummary},
        {"Paarkreuz columns", readBalancesFromFile(sample("paarkreuze.txt")),
         {"Herrmann, Ida 5.1 4 5:2 0:0 0:0", "Kowalczyk, Marek 5.2 5 3:4 2:1 0:0", "Lange, Otto 5.3 5 0:0 6:3 0:0",
          "Nguyen, Minh Anh 5.12 3 0:0 1:1 3:1", "Lange, Greta 6.1 1 0:0 0:0 1:0 Ersatz"},
         "5 Spielerbilanzen erkannt (Paarkreuze 1+2, 3+4, 5+6), Einzel 21:12 stimmt"},
        {"responsive, glued labels", readBalancesFromFile(sample("responsive.txt")),
         {"Br\xC3\xBC" "ck, Theo 3.1 7 9:3 0:0 0:0", "Engel, Ruth 3.2 5 3:4 1:0 0:0", "Fuchs, Emil 3.3 0 0:0 0:0 0:0",
          "Gruber, Nina 4.4 2 0:0 0:0 3:1 Ersatz"},
         "4 Spielerbilanzen erkannt (Positionen 1\xE2\x80\x93" "6)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.table.refusal, "") << c.what;
        EXPECT_EQ(rowTexts(c.table), c.rows) << c.what;
        EXPECT_EQ(balancesSummary(c.table), c.summary) << c.what;
    }
}

TEST(Balances, PageVariantsAndRowsThatAreNoPlayers)
{
    const std::string head = "<tr><th>Rang</th><th>Name</th><th>Eins&auml;tze</th><th>1+2</th><th>3+4</th>"
                             "<th>5+6</th><th>ges.</th></tr>";
    const struct {
        const char* what;
        std::string html;
        std::vector<std::string> rows;
    } cases[] = {
        {"entities and NBSP", "<table>" + head + "<tr><td>4.1</td><td>M&#252;ller,&nbsp;&Uuml;li</td><td>2</td>"
                              "<td>1:1</td><td></td><td></td><td>1:1</td></tr>",
         {"M\xC3\xBCller, \xC3\x9Cli 4.1 2 1:1 0:0 0:0"}},
        {"4.10 is not 4.1", "<table>" + head + "<tr><td>4.10</td><td>A, B</td><td>2</td><td>1:0</td><td></td><td></td>"
                            "<td>1:0</td></tr><tr><td>5.1</td><td>C, D</td><td>1</td><td></td><td>10: 6</td><td></td>"
                            "<td>10:6</td></tr>",
         {"A, B 4.10 2 1:0 0:0 0:0", "C, D 5.1 1 0:0 10:6 0:0 Ersatz"}},
        {"hidden rows", "<table>" + head + "<tr style=\"display: none\"><td>4.1</td><td>X, Y</td><td>1</td></tr>"
                        "<tr hidden><td>4.2</td><td>Z, W</td><td>1</td></tr><tr><td>4.3</td><td>A, B</td><td>1</td>"
                        "<td>2:0</td></tr>",
         {"A, B 4.3 1 2:0 0:0 0:0"}},
        {"nested, after a comment and a script", "<!-- <table><tr><td>Name</td> --><script>x='<table>'</script>"
                                                 "<table><tr><td>Menu</td><td><table>" + head +
                                                 "<tr><td>1.1</td><td>A, B</td><td>1</td><td>0:2</td></tr></table>"
                                                 "</td></tr></table>",
         {"A, B 1.1 1 0:2 0:0 0:0"}},
        {"fragment cut inside the table", head + "<tr><td>1.1</td><td>A, B</td><td>1</td><td>1:1</td></tr>",
         {"A, B 1.1 1 1:1 0:0 0:0"}},
        {"disagrees with its total", "<table>" + head + "<tr><td>1.1</td><td>A, B</td><td>3</td><td>4:1</td><td></td>"
                                     "<td></td><td>3:1</td></tr><tr><td>1.2</td><td>C, D</td><td>3</td><td>x</td></tr>"
                                     "<tr><td></td><td>A, B / C, D</td><td></td><td>1:0</td></tr>",
         {"A, B 1.1 3 4:1 0:0 0:0 falsch", "C, D 1.2 3 0:0 0:0 0:0 falsch"}},
    };
    for (const auto& c : cases) {
        const BalanceTable table = readBalancesFromClipboard(htmlFormat(c.html), "");
        EXPECT_EQ(table.refusal, "") << c.what;
        EXPECT_EQ(rowTexts(table), c.rows) << c.what;
    }
}

TEST(Balances, WhatDoesNotAddUpIsNamed)
{
    std::string text = sample("positions.txt");
    text.replace(text.find("11:5"), 4, "12:5"); // Albers' total
    text.replace(text.find("57:33"), 5, "57:34");
    EXPECT_EQ(balancesSummary(readBalancesFromClipboard("", text)),
              "8 Spielerbilanzen erkannt (Positionen 1\xE2\x80\x93" "6), Einzel 57:34 stimmt nicht (Zeilen: 57:33); "
              "Albers, Henrik: 11:5 gegen gesamt 12:5");
}

TEST(Balances, OurOwnOverviewIsReadBackWhole)
{
    TeamModel model = newModel(4);
    for (int i = 0; i < 4; ++i)
        model.team.players[i] = newPlayer(model.team, i + 1);
    model.team.league = 3;
    model.team.teamCount = 10;
    setPlayerName(model.team, 0, "Meier; Karl");
    setPlayerName(model.team, 1, "J\xC3\xBCrgen M\xC3\xBCller");
    model.team.players[1].matches = 5;
    model.team.players[1].won2 = 3;
    model.team.players[1].lost3 = 4;
    // Two teams and a mark: the rows are the own team whatever their "Rang" and "Sperrvermerk" say.
    model.team.rules.regulars = 2;
    setBlockMark(model.team, 2, true);
    const Overview overview = teamOverview(model.team);
    const std::vector<int> order = overviewOrder(overview, ColLineup, false, {});
    const std::vector<std::string> expected = {"Meier; Karl  1 0:0 0:0 0:0", "J\xC3\xBCrgen M\xC3\xBCller  5 0:0 3:0 0:4",
                                               "Nr. 3  1 0:0 0:0 0:0", "Nr. 4  1 0:0 0:0 0:0"};
    for (const BalanceTable& table : {readBalancesFromFile(overviewCsv(overview, order)),
                                      readBalancesFromClipboard("", overviewText(overview, order))}) {
        EXPECT_EQ(rowTexts(table), expected);
        EXPECT_EQ(table.layout, BalanceLayout::Overview);
    }
}

TEST(Balances, WhatIsRefusedSaysWhatWasFound)
{
    const std::string header = "Rang\tName, Vorname\tEins\xC3\xA4tze\t1\t2\tgesamt\n";
    const struct {
        const char* what;
        BalanceTable table;
        const char* says;
    } cases[] = {
        {"league table", readBalancesFromClipboard("", sample("league-table.txt")), "Tabelle der Staffel"},
        {"schedule", readBalancesFromFile("Datum;Heimmannschaft;Gastmannschaft;Spiele\n1.9.;A;B;9:3\n"), "Spielplan"},
        {"narrow page", readBalancesFromClipboard("", "Rang\tName, Vorname\tEins\xC3\xA4tze\n1.1\tA, B\t3\n"),
         "breiteren Fenster"},
        {"header only", readBalancesFromClipboard("", header), "keine Zeile eines Spielers"},
        {"empty clipboard", readBalancesFromClipboard("", " \r\n"), "Zwischenablage ist leer"},
        {"empty file", readBalancesFromFile(""), "Datei ist leer"},
        {"binary", readBalancesFromFile(std::string("PK\x03\x04\0\0\x14\0", 8) + header), "weder Text noch HTML"},
        {"over 5 MB", readBalancesFromFile(std::string(maxImportBytes + 1, 'a')), "gr\xC3\xB6\xC3\x9F" "er als 5 MB"},
        {"a 5 MB line", readBalancesFromClipboard("", std::string(maxImportBytes, 'a')), "1 Zeile gelesen"},
        {"100,000 columns", readBalancesFromFile(std::string(100000, '\t') + "\nx\ty\n"), "2 Zeilen gelesen"},
        {"unclosed tags", readBalancesFromClipboard("<table><tr><td>Name<td>E<td>1<td" + std::string(100000, '<'), ""),
         "keine Zeile eines Spielers"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.table.refusal.rfind("Keine Spielerbilanzen erkannt: ", 0), 0u) << c.what << ": " << c.table.refusal;
        EXPECT_NE(c.table.refusal.find(c.says), std::string::npos) << c.what << ": " << c.table.refusal;
        EXPECT_TRUE(c.table.rows.empty()) << c.what;
    }
}

} // namespace
