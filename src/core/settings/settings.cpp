#include "settings/settings.h"

#include "team/ordering.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char* const globalSection = "LKZ";

const char* flagText(int32_t flag) { return flag ? "1" : "0"; }

// Keeps the array at playerCount records; added ones are numbered by position.
void fitPlayers(TeamState& state)
{
    if (state.playerCount < 0)
        state.playerCount = 0;
    const size_t old = state.players.size();
    state.players.resize(static_cast<size_t>(state.playerCount));
    for (size_t i = old; i < state.players.size(); ++i)
        state.players[i].lineup = static_cast<int32_t>(i + 1);
}

std::string recordName(const PlayerRecord& record)
{
    const void* nul = std::memchr(record.name, '\0', sizeof record.name);
    std::string name(record.name, nul ? static_cast<const char*>(nul) - record.name : sizeof record.name);
    // A line break would split the INI line and turn the rest into a key of its own.
    for (char& c : name)
        if (c == '\r' || c == '\n')
            c = ' ';
    return name;
}

} // namespace

bool isOnText(const std::string& text) { return text == "1"; }

int saveSortOrderFromText(const std::string& text)
{
    return text.find('1') != std::string::npos && text.find('0') == std::string::npos ? 1 : 0;
}

uint32_t highlightColourFromText(const std::string& text)
{
    const int value = decimalValue(text);
    return text.empty() || value < 0 || value > 0xFFFFFF ? defaultHighlightColour : static_cast<uint32_t>(value);
}

const char* sectionOf(const TeamState& state) { return state.isSingle() ? "Einzelspieler" : "Mannschaft"; }

bool severalInstancesAllowed(const IniStore& ini) { return decimalValue(ini.read(globalSection, "MultiInst", "0")) == 1; }

std::string formatPlayerValues(const TeamState& state, const PlayerRecord& record)
{
    const LkzInputs in = inputsOf(state, record);
    std::string text;
    char field[16];
    for (int value : in.value) {
        std::snprintf(field, sizeof field, "%02d", value);
        text += field;
    }
    return text;
}

void parsePlayerValues(const std::string& text18, TeamState& state, int index)
{
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    LkzInputs in;
    for (int kind = 0; kind < InputKindCount; ++kind) {
        const size_t begin = std::min<size_t>(2 * kind, text18.size());
        const size_t end = std::min<size_t>(2 * kind + 2, text18.size());
        in[kind] = leadingNumber(text18.data() + begin, text18.data() + end);
    }
    storeInputs(state, index, in);
    state.players[index].lineup = index + 1;
}

void readGlobalSettings(TeamModel& model, const IniStore& ini)
{
    model.onTop = isOnText(ini.read(globalSection, "OnTop", "0")) ? 1 : 0;
    model.singleMode = isOnText(ini.read(globalSection, "ShowEinzel", "1")) ? 1 : 0;
    model.highlightColour =
        highlightColourFromText(ini.read(globalSection, "BKColor", std::to_string(defaultHighlightColour)));
}

void readStateSettings(TeamState& state, const IniStore& ini)
{
    const char* section = sectionOf(state);
    state.decimal = isOnText(ini.read(section, "Dezimal", "0")) ? 1 : 0;
    state.autoCalc = isOnText(ini.read(section, "AutoCalc", "0")) ? 1 : 0;
    state.saveData = isOnText(ini.read(section, "SaveData", "0")) ? 1 : 0;
    state.saveSortOrder = saveSortOrderFromText(ini.read(section, "SaveSortOrder", "0"));
    state.sortByLkz = state.saveSortOrder && decimalValue(ini.read(section, "SortOrder", "0")) == 1 ? 1 : 0;
    state.playerCount = state.isSingle() ? 1
                                         : clampTeamSize(decimalValue(
                                               ini.read(section, "Anzahlspieler", std::to_string(defaultTeamSize))));
    fitPlayers(state);
    state.currentLineup = decimalValue(ini.read(section, "AktSpieler", "1"));
    if (!state.isSingle()) {
        state.rules.regulars = regularsFromIni(ini.read(section, "Stammspieler", "0"));
        state.rules.teamTenths = toleranceFromIni(ini.read(section, "ToleranzMannschaft", "0"));
        state.rules.clubTenths = toleranceFromIni(ini.read(section, "ToleranzVerein", "0"));
    }
}

void saveStateSettings(const TeamModel& model, const TeamState& state, const IniStore& ini)
{
    const char* section = sectionOf(state);
    ini.write(globalSection, "OnTop", flagText(model.onTop));
    ini.write(globalSection, "ShowEinzel", flagText(model.singleMode));
    ini.write(globalSection, "BKColor", std::to_string(static_cast<int32_t>(model.highlightColour)));
    ini.write(section, "Dezimal", flagText(state.decimal));
    ini.write(section, "AutoCalc", flagText(state.autoCalc));
    ini.write(section, "SaveData", flagText(state.saveData));
    if (state.saveSortOrder) {
        ini.write(section, "SaveSortOrder", "1");
        ini.write(section, "SortOrder", std::to_string(state.sortByLkz));
    } else {
        ini.write(section, "SortOrder", "0");
        ini.write(section, "SaveSortOrder", "0");
    }
    ini.write(section, "AktSpieler", model.active().saveData ? std::to_string(state.currentLineup) : "1");
    ini.write(section, "Anzahlspieler", std::to_string(state.playerCount));
    if (!state.isSingle()) {
        ini.write(section, "Stammspieler", std::to_string(state.rules.regulars));
        ini.write(section, "ToleranzMannschaft", toleranceIniText(state.rules.teamTenths));
        ini.write(section, "ToleranzVerein", toleranceIniText(state.rules.clubTenths));
    }
}

void loadPlayers(TeamState& state, const IniStore& ini, std::vector<std::string>& faults)
{
    const char* section = sectionOf(state);
    fitPlayers(state);
    const int count = state.playerCount;
    if (!state.saveData) {
        for (int k = 0; k < count; ++k) {
            state.players[k] = PlayerRecord{};
            resetPlayerValues(state, k);
        }
        resetLeague(state);
    } else {
        // The league and the number of teams come with each saved player; a player whose data
        // is missing or faulty starts fresh without taking them from the others.
        bool anyValid = false;
        for (int n = 1; n <= count; ++n) {
            PlayerRecord& record = state.players[n - 1];
            record.lineup = n; // the name's customName is judged against this number
            std::string name = iniTextToUtf8(ini.read(section, playerNameKey(n), ""));
            if (name.empty())
                name = startingName(state, n);
            setPlayerName(state, n - 1, name);

            const std::string values = ini.read(section, playerValuesKey(n), "");
            if (values.size() == 18) {
                parsePlayerValues(values, state, n - 1);
                anyValid = true;
            } else {
                if (!values.empty()) {
                    char text[128];
                    std::snprintf(text, sizeof text,
                                  "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler %d sind fehlerhaft!", n);
                    faults.push_back(text);
                }
                resetPlayerValues(state, n - 1);
            }
            record.history = historyFromIni(ini.read(section, playerHistoryKey(n), ""));
            std::memset(record.invalid, 0, sizeof record.invalid);
        }
        if (!anyValid)
            resetLeague(state);
    }
    // Every value is in: each player's LKZ, and today's point, with the league the file ends on.
    recomputeAllLkz(state);
}

void savePlayers(const TeamState& state, const IniStore& ini)
{
    const char* section = sectionOf(state);
    for (const PlayerRecord& record : state.players) {
        ini.write(section, playerValuesKey(record.lineup), formatPlayerValues(state, record));
        ini.write(section, playerNameKey(record.lineup), utf8ToIniText(recordName(record)));
        ini.write(section, playerHistoryKey(record.lineup), historyIniText(record.history));
    }
}

TeamModel loadModel(const IniStore& ini, std::vector<std::string>& faults)
{
    TeamModel model;
    readGlobalSettings(model, ini);
    readStateSettings(model.single, ini);
    readStateSettings(model.team, ini);
    loadPlayers(model.single, ini, faults);
    loadPlayers(model.team, ini, faults);
    // A saved LKZ order is the team's order from the start; started as a single player, it
    // waits in the array for team mode.
    if (model.team.sortByLkz)
        sortByLkzValue(model.team);
    keepCurrentValid(model.single);
    keepCurrentValid(model.team);
    return model;
}

void saveAll(const TeamModel& model, const IniStore& ini)
{
    saveStateSettings(model, model.single, ini);
    saveStateSettings(model, model.team, ini);
    if (model.single.saveData)
        savePlayers(model.single, ini);
    if (model.team.saveData)
        savePlayers(model.team, ini);
}
