#include "import/balances.h"

#include "base/text.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char* const refused = "Keine Spielerbilanzen erkannt: ";
const char* const balanceColumns = "1 \xE2\x80\xA6 6 oder 1+2, 3+4, 5+6"; // "1 … 6 oder 1+2, 3+4, 5+6"

// The columns of a header row; -1 where the table has none. Of two columns with one meaning the
// first counts (the responsive page writes the total twice).
struct Header {
    int rank = -1, name = -1, matches = -1, total = -1;
    int position[6] = {-1, -1, -1, -1, -1, -1};
    int pair[3] = {-1, -1, -1};
    bool ours = false;
    // What a row of another table shows, for the refusal.
    bool leagueTable = false, schedule = false;
    bool hasBalances() const
    {
        return std::any_of(position, position + 6, [](int c) { return c >= 0; }) ||
               std::any_of(pair, pair + 3, [](int c) { return c >= 0; });
    }
    bool recognised() const { return name >= 0 && matches >= 0 && hasBalances(); }
};

void take(int& column, int index)
{
    if (column < 0)
        column = index;
}

// A label, its short form, or both glued as the responsive page writes them ("EinsätzeE").
bool isLabel(const std::string& label, const std::string& longForm, const std::string& shortForm)
{
    return label == longForm || label == shortForm || label == longForm + shortForm || label == longForm + " " + shortForm;
}

std::string withoutBlanks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

Header readHeader(const CellRow& row)
{
    Header header;
    std::vector<std::string> labels;
    for (const std::string& cell : row)
        labels.push_back(comparableText(cell));
    // What our overview writes: "Nr.", "Name", "Spiele", "1. PK", ...
    header.ours = labels.size() >= 4 && labels[0] == "nr." && labels[1] == "name" && labels[2] == "spiele" &&
                  labels[3] == "1. pk";
    bool team = false, points = false;
    for (size_t i = 0; i < labels.size(); ++i) {
        const std::string& label = labels[i];
        const std::string compact = withoutBlanks(label);
        const int index = static_cast<int>(i);
        if (header.ours) {
            if (label == "name")
                take(header.name, index);
            else if (label == "spiele")
                take(header.matches, index);
            else if (compact.size() == 4 && compact[0] >= '1' && compact[0] <= '3' && compact.compare(1, 3, ".pk") == 0)
                take(header.pair[compact[0] - '1'], index);
            else if (label == "einzel")
                take(header.total, index);
            continue;
        }
        if (label == "name, vorname" || label == "nachname, vorname" || label == "name" || label == "spieler" ||
            label == "spielerin" || label == "spieler/in")
            take(header.name, index);
        else if (isLabel(label, "eins\xC3\xA4tze", "e") || label == "punktspiele")
            take(header.matches, index);
        else if (compact.size() == 1 && compact[0] >= '1' && compact[0] <= '6')
            take(header.position[compact[0] - '1'], index);
        else if (compact == "1+2" || compact == "3+4" || compact == "5+6")
            take(header.pair[(compact[0] - '1') / 2], index);
        else if (label == "rang")
            take(header.rank, index);
        else if (isLabel(label, "gesamt", "ges."))
            take(header.total, index);
        team = team || label == "mannschaft";
        points = points || label == "punkte";
        header.schedule = header.schedule || label == "heimmannschaft" || label == "gastmannschaft";
    }
    header.leagueTable = team && points && header.name < 0;
    return header;
}

enum class Parsed { Empty, Ok, Bad };

// "won:lost", blanks allowed ("10: 6"); an empty cell or a dash is 0:0.
Parsed parseBalance(const std::string& cell, int& won, int& lost)
{
    won = lost = 0;
    const std::string text = withoutBlanks(cell);
    if (text.empty() || text == "-" || text == "\xE2\x80\x93")
        return Parsed::Empty;
    const size_t colon = text.find(':');
    const auto number = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        value = std::atoi(digits.c_str());
        return true;
    };
    if (colon == std::string::npos || !number(text.substr(0, colon), won) || !number(text.substr(colon + 1), lost)) {
        won = lost = 0;
        return Parsed::Bad;
    }
    return Parsed::Ok;
}

// "4.10": team 4, position 10.
bool parseRank(const std::string& rank, int& team, int& position)
{
    const size_t dot = rank.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == rank.size() || dot > 3 || rank.size() - dot > 4 ||
        rank.find_first_not_of("0123456789.") != std::string::npos || rank.find('.', dot + 1) != std::string::npos)
        return false;
    team = std::atoi(rank.substr(0, dot).c_str());
    position = std::atoi(rank.substr(dot + 1).c_str());
    return true;
}

bool parseCount(const std::string& cell, int& value)
{
    value = 0;
    if (cell.empty())
        return true;
    if (cell.size() > 4 || cell.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(cell.c_str());
    return true;
}

// A total row ("Einzel", "Doppel", "gesamt"): its label stands where no name does. Its value is
// the first balance after the label, whatever column it falls in.
bool readTotalRow(const CellRow& row, const Header& header, BalanceTable& table)
{
    for (size_t i = 0; i < row.size(); ++i) {
        const std::string label = comparableText(row[i]);
        if (label != "einzel" && label != "doppel" && label != "gesamt" && label != "ges.")
            continue;
        const bool nameEmpty = header.name >= static_cast<int>(row.size()) || row[header.name].empty();
        if (!nameEmpty && static_cast<int>(i) != header.name)
            return false;
        for (size_t k = i + 1; k < row.size() && label == "einzel"; ++k) {
            int won = 0, lost = 0;
            if (parseBalance(row[k], won, lost) == Parsed::Ok) {
                table.hasSinglesTotal = true;
                table.singlesWon = won;
                table.singlesLost = lost;
                break;
            }
        }
        return true;
    }
    return false;
}

// One player's row; false for a row that is none (doubles, blank, a line of other text).
bool readPlayerRow(const CellRow& row, const Header& header, BalanceRow& player)
{
    const auto cell = [&](int column) { return column >= 0 && column < static_cast<int>(row.size()) ? row[column] : std::string(); };
    player.name = cell(header.name);
    player.rank = cell(header.rank);
    if (player.name.empty() || (player.rank.empty() && player.name.find(" / ") != std::string::npos))
        return false;
    if (!player.rank.empty() && !parseRank(player.rank, player.team, player.position))
        return false;
    if (!parseCount(cell(header.matches), player.matches))
        return false;
    const auto add = [&](int column, int pk) {
        int won = 0, lost = 0;
        if (column >= 0 && parseBalance(cell(column), won, lost) == Parsed::Bad)
            player.readable = false;
        player.won[pk] += won;
        player.lost[pk] += lost;
    };
    for (int position = 0; position < 6; ++position)
        add(header.position[position], position / 2);
    for (int pk = 0; pk < 3; ++pk)
        add(header.pair[pk], pk);
    if (header.total >= 0) {
        const Parsed total = parseBalance(cell(header.total), player.totalWon, player.totalLost);
        player.hasTotal = total == Parsed::Ok;
        player.readable = player.readable && total != Parsed::Bad;
    }
    return true;
}

BalanceTable readRows(const CellTable& rows, size_t headerRow, const Header& header)
{
    BalanceTable table;
    table.layout = header.ours ? BalanceLayout::Overview
                   : std::any_of(header.position, header.position + 6, [](int c) { return c >= 0; })
                       ? BalanceLayout::Positions
                       : BalanceLayout::Paarkreuze;
    for (int position = 0; position < 6; ++position)
        if (header.position[position] >= 0)
            table.positions = position + 1;
    for (size_t r = headerRow + 1; r < rows.size(); ++r) {
        if (readHeader(rows[r]).recognised())
            break; // the next table of a copied page
        if (readTotalRow(rows[r], header, table))
            continue;
        BalanceRow player;
        if (readPlayerRow(rows[r], header, player))
            table.rows.push_back(player);
    }
    for (const BalanceRow& row : table.rows)
        if (row.team > 0 && (table.ownTeam == 0 || row.team < table.ownTeam))
            table.ownTeam = row.team;
    for (BalanceRow& row : table.rows)
        row.substitute = row.team > table.ownTeam;
    if (table.rows.empty())
        table.refusal = std::string(refused) + "die Tabelle hat eine Kopfzeile mit Name, Eins\xC3\xA4tze und "
                                               "Bilanzen, aber keine Zeile eines Spielers.";
    return table;
}

BalanceTable refusal(const std::string& why)
{
    BalanceTable table;
    table.refusal = refused + why;
    return table;
}

std::string games(int won, int lost) { return std::to_string(won) + ":" + std::to_string(lost); }

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

} // namespace

bool BalanceTable::singlesAgree() const
{
    int won = 0, lost = 0;
    for (const BalanceRow& row : rows) {
        won += row.singlesWon();
        lost += row.singlesLost();
    }
    return !hasSinglesTotal || (won == singlesWon && lost == singlesLost);
}

BalanceTable readBalances(const std::vector<CellTable>& tables)
{
    bool narrow = false, schedule = false, leagueTable = false;
    size_t rowCount = 0;
    for (const CellTable& rows : tables) {
        rowCount += rows.size();
        for (size_t r = 0; r < rows.size(); ++r) {
            const Header header = readHeader(rows[r]);
            if (header.recognised())
                return readRows(rows, r, header);
            narrow = narrow || (header.name >= 0 && header.matches >= 0);
            schedule = schedule || header.schedule;
            leagueTable = leagueTable || header.leagueTable;
        }
    }
    if (narrow)
        return refusal(std::string("die Tabelle hat Namen und Eins\xC3\xA4tze, aber keine Spalten der Bilanzen (") +
                       balanceColumns + "), wie die Seite sie in einem schmalen Fenster zeigt. Bitte die Tabelle "
                                        "aus einem breiteren Fenster kopieren.");
    if (schedule)
        return refusal("das ist ein Spielplan (Heimmannschaft, Gastmannschaft), keine Tabelle der Spieler.");
    if (leagueTable)
        return refusal("das ist die Tabelle der Staffel (Mannschaft, Punkte), keine Tabelle der Spieler. Bitte die "
                       "Spielerbilanzen auf der Seite der Mannschaft kopieren.");
    if (rowCount == 0)
        return refusal("keine Tabelle gefunden.");
    return refusal(std::to_string(rowCount) + (rowCount == 1 ? " Zeile" : " Zeilen") +
                   " gelesen, aber keine Kopfzeile mit Name, Eins\xC3\xA4tze und Bilanzen (" + balanceColumns + ").");
}

BalanceTable readBalancesFromClipboard(const std::string& htmlFormat, const std::string& unicodeText)
{
    if (htmlFormat.size() > maxImportBytes || unicodeText.size() > maxImportBytes)
        return refusal("der Inhalt der Zwischenablage ist gr\xC3\xB6\xC3\x9F" "er als 5 MB.");
    const std::string fragment = clipboardFragment(htmlFormat);
    // The text ends at its NUL; the window side hands it as UTF-8, checked here all the same.
    std::string text = iniTextToUtf8(unicodeText.substr(0, unicodeText.find('\0')));
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    if (isBlank(fragment) && isBlank(text))
        return refusal("die Zwischenablage ist leer.");
    BalanceTable fromHtml = readBalances(htmlTables(fragment));
    if (fromHtml.ok() || isBlank(text))
        return fromHtml;
    BalanceTable fromText = readBalances({delimitedTable(text)});
    // Of two refusals one that recognised what it was handed says more than "no header".
    const auto generic = [](const BalanceTable& table) {
        return table.refusal.find(" gelesen, aber keine Kopfzeile") != std::string::npos ||
               table.refusal.find("keine Tabelle gefunden") != std::string::npos;
    };
    return fromText.ok() || !generic(fromText) || generic(fromHtml) ? fromText : fromHtml;
}

BalanceTable readBalancesFromFile(const std::string& bytes)
{
    if (bytes.size() > maxImportBytes)
        return refusal("die Datei ist gr\xC3\xB6\xC3\x9F" "er als 5 MB.");
    const DecodedFile file = decodeFileBytes(bytes);
    if (file.binary)
        return refusal("die Datei ist weder Text noch HTML.");
    if (isBlank(file.text))
        return refusal("die Datei ist leer.");
    if (file.html)
        return readBalances(htmlTables(file.text));
    return readBalances({delimitedTable(file.text)});
}

std::string balancesSummary(const BalanceTable& table)
{
    if (!table.ok())
        return table.refusal;
    const size_t count = table.rows.size();
    std::string text = std::to_string(count) + (count == 1 ? " Spielerbilanz erkannt" : " Spielerbilanzen erkannt");
    if (table.layout == BalanceLayout::Positions)
        text += " (Positionen 1\xE2\x80\x93" + std::to_string(table.positions) + ")";
    else if (table.layout == BalanceLayout::Paarkreuze)
        text += " (Paarkreuze 1+2, 3+4, 5+6)";
    else
        text += " (Mannschafts\xC3\xBC" "bersicht)";
    if (table.hasSinglesTotal) {
        text += ", Einzel " + games(table.singlesWon, table.singlesLost);
        if (table.singlesAgree()) {
            text += " stimmt";
        } else {
            int won = 0, lost = 0;
            for (const BalanceRow& row : table.rows) {
                won += row.singlesWon();
                lost += row.singlesLost();
            }
            text += " stimmt nicht (Zeilen: " + games(won, lost) + ")";
        }
    }
    for (const BalanceRow& row : table.rows) {
        if (!row.readable)
            text += "; " + row.name + ": Bilanz nicht lesbar";
        else if (!row.agrees())
            text += "; " + row.name + ": " + games(row.singlesWon(), row.singlesLost()) + " gegen gesamt " +
                    games(row.totalWon, row.totalLost);
    }
    return text;
}
