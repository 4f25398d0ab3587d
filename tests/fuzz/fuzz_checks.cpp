#include "fuzz_checks.h"

#include "core_test_support.h"
#include "import/balance_match.h"
#include "rating/lkz.h"
#include "rating/shown_lkz.h"
#include "settings/settings.h"
#include "team/history.h"
#include "update/update_rules.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

const FuzzTarget fuzzTargets[] = {
    {"ini_file", checkIniFile},
    {"name", checkName},
    {"player_text", checkPlayerText},
    {"lkz_text", checkLkzText},
    {"version_answer", checkVersionAnswer},
    {"balances", checkBalances},
};
const int fuzzTargetCount = static_cast<int>(sizeof fuzzTargets / sizeof fuzzTargets[0]);

namespace {

std::vector<std::pair<std::string, std::string>> allKeys()
{
    std::vector<std::pair<std::string, std::string>> keys = {
        {"LKZ", "OnTop"}, {"LKZ", "ShowEinzel"}, {"LKZ", "BKColor"}, {"Mannschaft", "Anzahlspieler"}};
    for (const char* section : {"Einzelspieler", "Mannschaft"}) {
        for (const char* key : {"Dezimal", "AutoCalc", "SaveData", "SaveSortOrder", "SortOrder", "AktSpieler"})
            keys.emplace_back(section, key);
        for (int n = 1; n <= 21; ++n) {
            keys.emplace_back(section, "Spieler" + std::to_string(n));
            keys.emplace_back(section, "SpielerName" + std::to_string(n));
        }
    }
    // Last, so that the inputs kept before them still give the keys above the same values.
    for (const char* section : {"Einzelspieler", "Mannschaft"})
        for (int n = 1; n <= 21; ++n)
            keys.emplace_back(section, "Verlauf" + std::to_string(n));
    return keys;
}

// A season's text of any characters: read, every point in 1..13, ascending, finite; written and
// read again, nothing is lost and the text stays the same.
std::string checkHistory(const std::string& text)
{
    const SeasonHistory history = historyFromIni(text);
    for (size_t i = 0; i < history.size(); ++i)
        if (history[i].matches < 1 || history[i].matches > 13 || !std::isfinite(history[i].lkz) ||
            (i > 0 && history[i - 1].matches >= history[i].matches))
            return "history point " + std::to_string(i) + " of " + text;
    const std::string written = historyIniText(history);
    const SeasonHistory again = historyFromIni(written);
    if (again.size() != history.size() || historyIniText(again) != written)
        return "history changes when written again: " + written;
    return {};
}

bool validUtf8(const std::string& text, size_t& characters)
{
    characters = 0;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
        ++characters;
    }
    return true;
}

std::string checkState(const TeamState& state, int low, int high)
{
    if (state.playerCount < low || state.playerCount > high || state.players.size() != size_t(state.playerCount))
        return "player count " + std::to_string(state.playerCount);
    for (int32_t flag : {state.autoCalc, state.decimal, state.saveData, state.tabTooltip, state.saveSortOrder,
                         state.sortByLkz})
        if (flag != 0 && flag != 1)
            return "a flag of " + std::to_string(flag);
    // A saved LKZ order may leave the team out of line-up order, but every number once.
    std::vector<int> lineups;
    for (const PlayerRecord& p : state.players)
        lineups.push_back(p.lineup);
    std::sort(lineups.begin(), lineups.end());
    for (size_t i = 0; i < lineups.size(); ++i)
        if (lineups[i] != int(i) + 1)
            return "line-up " + std::to_string(lineups[i]) + " missing or twice";
    if (std::find(lineups.begin(), lineups.end(), state.currentLineup) == lineups.end())
        return "current player " + std::to_string(state.currentLineup) + " is no one";
    for (size_t i = 0; i < state.players.size(); ++i) {
        const PlayerRecord& p = state.players[i];
        const void* nul = std::memchr(p.name, '\0', sizeof p.name);
        size_t characters = 0;
        if (!nul || !validUtf8(p.name, characters) || characters == 0 || characters > size_t(maxNameLength))
            return "name of player " + std::to_string(i + 1);
        for (int mark : p.invalid)
            if (mark)
                return "a mark after loading";
        if (!std::isfinite(p.lkz))
            return "LKZ not finite";
        // The season kept true to the values: nothing beyond today's count, and today's point
        // only with an LKZ.
        if (!p.history.empty() && p.history.back().matches > p.matches)
            return "a season point beyond today's count";
        if (!p.history.empty() && p.history.back().matches == p.matches &&
            std::fabs(p.history.back().lkz - p.lkz) > 0.001 * std::max(1.0f, std::fabs(p.lkz)))
            return "today's season point is not today's LKZ";
    }
    return {};
}

} // namespace

std::string checkIniFile(const uint8_t* data, size_t size)
{
    // The input gives the values of every key in turn, one per line; a line "-" leaves the key out.
    FakeIni file;
    const std::string input(reinterpret_cast<const char*>(data), size);
    size_t pos = 0;
    for (const auto& key : allKeys()) {
        if (pos > input.size())
            break;
        size_t end = input.find('\n', pos);
        if (end == std::string::npos)
            end = input.size();
        std::string value = input.substr(pos, end - pos);
        pos = end + 1;
        value = value.substr(0, value.find('\0'));
        value.erase(std::remove(value.begin(), value.end(), '\r'), value.end());
        if (value != "-")
            file.values[key] = value;
    }

    for (const auto& value : file.values)
        if (value.first.second.rfind("Verlauf", 0) == 0)
            if (std::string fault = checkHistory(value.second); !fault.empty())
                return fault;

    std::vector<std::string> faults;
    const TeamModel model = loadModel(file.store(), faults);
    std::string fault = checkState(model.team, minTeamSize, maxTeamSize);
    if (fault.empty())
        fault = checkState(model.single, 1, 1);
    if (fault.empty() && ((model.onTop | model.singleMode) & ~1))
        fault = "a program-wide flag that is neither 0 nor 1";
    if (fault.empty() && model.highlightColour > 0xFFFFFF)
        fault = "highlight colour " + std::to_string(model.highlightColour);
    if (!fault.empty())
        return fault;
    FakeIni first = file;
    first.writes.clear();
    saveAll(model, first.store());
    FakeIni second = first;
    second.writes.clear();
    saveAll(loadModel(second.store(), faults), second.store());
    if (second.writes != first.writes)
        return "the second save differs:\n" + first.writtenText() + "--\n" + second.writtenText();
    return {};
}

std::string checkName(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // What the profile functions can hand over: one line, up to a NUL.
    bytes = bytes.substr(0, bytes.find('\0'));
    for (char& c : bytes)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string decoded = iniTextToUtf8(bytes);
    size_t characters = 0;
    if (!validUtf8(decoded, characters))
        return "decoded name is no UTF-8";
    TeamModel model = newModel(minTeamSize);
    setPlayerName(model.team, 0, decoded);
    const std::string name = model.team.players[0].name;
    if (!validUtf8(name, characters) || characters > size_t(maxNameLength))
        return "stored name is no UTF-8 or too long";
    if (decoded.compare(0, name.size(), name) != 0)
        return "stored name is no prefix of the decoded one";
    if (characters < size_t(maxNameLength) && name != decoded)
        return "a short name was cut";
    if (iniTextToUtf8(profileReadBack(utf8ToIniText(name))) != name)
        return "the name changes after a restart";
    return {};
}

std::string checkPlayerText(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TeamState team = newModel(minTeamSize).team;
    parsePlayerValues(text, team, 1);
    const std::string formatted = formatPlayerValues(team, team.players[1]);
    const LkzInputs first = inputsOf(team, 1);
    parsePlayerValues(formatted, team, 1);
    const LkzInputs second = inputsOf(team, 1);
    if (formatted.size() != 18)
        return "formatted to " + std::to_string(formatted.size()) + " characters: " + formatted;
    for (int kind = 0; kind < InputKindCount; ++kind)
        if (first[kind] != second[kind] || first[kind] < -9 || first[kind] > 99)
            return "field " + std::to_string(kind) + " does not come back";
    return {};
}

std::string checkLkzText(const uint8_t* data, size_t size)
{
    double value = 0;
    if (size > 0)
        std::memcpy(&value, data, std::min(size, sizeof value));
    for (int decimal : {0, 1}) {
        const std::string text = shownLkzText(value, decimal);
        if (text.empty() || text.size() > 63)
            return "LKZ text of " + std::to_string(text.size()) + " characters";
        if (text.find('.') != std::string::npos)
            return "a decimal point instead of a comma: " + text;
    }
    return {};
}

std::string checkVersionAnswer(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const VersionAnswer answer = readVersionAnswer(text, "0.92.1");
    if (answer.verdict == UpdateVerdict::Unusable)
        return {};
    if (answer.version.empty() || !isSafeDownloadName(answer.fileName))
        return "an offer without a version or with an unsafe name: " + answer.fileName;
    if (answer.fileName.find_first_of("\\/:") != std::string::npos || answer.fileName == "..")
        return "a name that leaves the folder: " + answer.fileName;
    if ((answer.verdict == UpdateVerdict::Newer) != isNewerVersion(answer.version, "0.92.1"))
        return "the verdict contradicts the comparison";
    if (!answer.sha256.empty() &&
        (answer.sha256.size() != 64 || answer.sha256.find_first_not_of("0123456789abcdef") != std::string::npos))
        return "a checksum that is no SHA-256 in hexadecimal: " + answer.sha256;
    // The signed text is the version, the name and the checksum as they stand, and nothing else.
    if (!answer.signedText.empty()) {
        const size_t prefix = answer.version.size() + answer.fileName.size() + 2;
        if (answer.signedText.size() < prefix)
            return "a signed text shorter than its first two lines";
        const std::string checksum = answer.signedText.substr(prefix, 64);
        std::string lower = checksum;
        for (char& c : lower)
            if (c >= 'A' && c <= 'F')
                c = static_cast<char>(c - 'A' + 'a');
        if (answer.signedText != answer.version + "\n" + answer.fileName + "\n" + checksum + "\n" ||
            lower != answer.sha256)
            return "a signed text that is not the first three lines";
    } else if (!answer.sha256.empty()) {
        return "a checksum without a signed text";
    }
    if (!answer.signature.empty() && (answer.signature.size() != 64 || answer.signedText.empty()))
        return "a signature of " + std::to_string(answer.signature.size()) + " bytes or without a signed text";
    // With a key only a signature that verifies counts; without one everything does.
    const std::string key(128, '1');
    const auto yes = [](const std::vector<uint8_t>&, const std::string&, const std::vector<uint8_t>&) { return true; };
    const auto no = [](const std::vector<uint8_t>&, const std::string&, const std::vector<uint8_t>&) { return false; };
    if (!isFromMaker(answer, "", no) || isFromMaker(answer, key, no))
        return "a verdict on provenance that ignores the key or the verification";
    if (isFromMaker(answer, key, yes) != !answer.signature.empty())
        return "a signature that counts without being there, or is not asked about";
    return {};
}

std::string checkBalances(const uint8_t* data, size_t size)
{
    const std::string block(reinterpret_cast<const char*>(data), size);
    // The same bytes as the clipboard's HTML block, as the text beside it and as a file.
    for (const BalanceTable& table : {readBalancesFromClipboard(block, block), readBalancesFromFile(block)}) {
        if (table.ok() == table.rows.empty())
            return "balances and a refusal together, or neither";
        if (!table.ok() && table.refusal.rfind("Keine Spielerbilanzen erkannt: ", 0) != 0)
            return "a refusal that does not begin as it should: " + table.refusal;
        size_t characters = 0;
        for (const BalanceRow& row : table.rows)
            if (row.name.empty() || !validUtf8(row.name, characters))
                return "a row without a name or with one that is no UTF-8";
        // Taken into a squad, which stays whole; taken once more, nothing changes.
        TeamState team = newModel(minTeamSize).team;
        for (int i = 0; i < minTeamSize; ++i)
            team.players[i] = newPlayer(team, i + 1);
        team.league = 3;
        team.teamCount = 10;
        team.currentLineup = 2;
        applyBalances(team, matchBalances(table, team));
        if (std::string fault = checkState(team, minTeamSize, maxTeamSize); !fault.empty())
            return "after the import: " + fault;
        const BalancePreview again = matchBalances(table, team);
        if ((again.canApply() && !again.changesNothing) || applyBalances(team, again))
            return "a second import of the same table changes the squad";
    }
    return {};
}
