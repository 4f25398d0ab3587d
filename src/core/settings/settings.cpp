#include "settings/settings.h"

#include "base/view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

uint32_t highlightColour = defaultHighlightColour;

namespace {

const char* const globalSection = "LKZ";
const char* const singleSection = "Einzelspieler";
const char* const teamSection = "Mannschaft";

const char* flagText(int32_t flag) { return flag ? "1" : "0"; }

// Keeps the array at playerCount records; added ones are numbered by position.
void fitPlayers(TeamState& state)
{
    if (state.playerCount < 0)
        state.playerCount = 0;
    const size_t old = state.players.size();
    state.players.resize(static_cast<size_t>(state.playerCount), blankRecord());
    for (size_t i = old; i < state.players.size(); ++i)
        state.players[i].lineup = static_cast<int32_t>(i + 1);
}

std::string keyOf(const char* base, int number) { return base + std::to_string(number); }

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

int readTeamSize(const IniStore& ini)
{
    return clampTeamSize(decimalValue(ini.read(teamSection, "Anzahlspieler", std::to_string(defaultTeamSize))));
}

void readGlobalSettings(const IniStore& ini)
{
    const int32_t onTop = isOnText(ini.read(globalSection, "OnTop", "0")) ? 1 : 0;
    setOnTop(onTop);
    const int32_t singleMode = isOnText(ini.read(globalSection, "ShowEinzel", "1")) ? 1 : 0;
    setSingleMode(singleMode);
    const std::string colour = ini.read(globalSection, "BKColor", std::to_string(defaultHighlightColour));
    if (!colour.empty())
        highlightColour = static_cast<uint32_t>(decimalValue(colour));
}

void readStateSettings(TeamState& state, const std::string& section, const IniStore& ini)
{
    state.decimal = isOnText(ini.read(section, "Dezimal", "0")) ? 1 : 0;
    state.autoCalc = isOnText(ini.read(section, "AutoCalc", "0")) ? 1 : 0;
    state.saveData = isOnText(ini.read(section, "SaveData", "0")) ? 1 : 0;
    state.saveSortOrder = saveSortOrderFromText(ini.read(section, "SaveSortOrder", "0"));
    state.sortByLkz = state.saveSortOrder && decimalValue(ini.read(section, "SortOrder", "0")) == 1 ? 1 : 0;
    if (section == singleSection) {
        state.playerCount = 1;
    } else {
        state.playerCount =
            clampTeamSize(decimalValue(ini.read(section, "Anzahlspieler", std::to_string(defaultTeamSize))));
    }
    fitPlayers(state);
    state.currentLineup = decimalValue(ini.read(section, "AktSpieler", "1"));
}

void saveStateSettings(const TeamState& state, const std::string& section, const IniStore& ini)
{
    ini.write(globalSection, "OnTop", flagText(state.onTop));
    ini.write(globalSection, "ShowEinzel", flagText(state.singleMode));
    ini.write(globalSection, "BKColor", std::to_string(static_cast<int32_t>(highlightColour)));
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
    ini.write(section, "AktSpieler", activeState().saveData ? std::to_string(state.currentLineup) : "1");
    ini.write(section, "Anzahlspieler", std::to_string(state.playerCount));
}

void loadPlayers(TeamState& state, const std::string& section, const IniStore& ini)
{
    fitPlayers(state);
    const int count = state.playerCount;
    if (!state.saveData) {
        for (int k = 0; k < count; ++k) {
            state.players[k] = blankRecord();
            resetPlayerValues(state, k);
        }
    } else {
        for (int n = 1; n <= count; ++n) {
            PlayerRecord& record = state.players[n - 1];
            record.lineup = n; // the name's customName is judged against this number
            std::string name = iniTextToUtf8(ini.read(section, keyOf("SpielerName", n), ""));
            if (name.empty())
                name = section == singleSection ? std::string(singlePlayerName) : defaultPlayerName(n);
            setPlayerName(state, n - 1, name);

            const std::string values = ini.read(section, keyOf("Spieler", n), "");
            if (values.size() == 18) {
                parsePlayerValues(values, state, n - 1);
            } else {
                if (!values.empty()) {
                    char text[128];
                    std::snprintf(text, sizeof text,
                                  "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler %d sind fehlerhaft!", n);
                    showErrorMessage(text, "Fehler");
                }
                resetPlayerValues(state, n - 1);
            }
            std::memset(record.invalid, 0, sizeof record.invalid);
        }
    }
    for (int k = 0; k < count; ++k)
        recomputePlayerLkz(state, k);
}

void savePlayers(const TeamState& state, const std::string& section, const IniStore& ini)
{
    for (const PlayerRecord& record : state.players) {
        ini.write(section, keyOf("Spieler", record.lineup), formatPlayerValues(state, record));
        ini.write(section, keyOf("SpielerName", record.lineup), utf8ToIniText(recordName(record)));
    }
}

void loadSettingsAndPlayers(const IniStore& ini)
{
    teamState = TeamState{};
    singleState = TeamState{};
    highlightColour = defaultHighlightColour;
    createStates(readTeamSize(ini));
    readGlobalSettings(ini);
    readStateSettings(singleState, singleSection, ini);
    readStateSettings(teamState, teamSection, ini);
    loadPlayers(singleState, singleSection, ini);
    loadPlayers(teamState, teamSection, ini);
}

void saveAll(const IniStore& ini)
{
    saveStateSettings(singleState, singleSection, ini);
    saveStateSettings(teamState, teamSection, ini);
    if (singleState.saveData)
        savePlayers(singleState, singleSection, ini);
    if (teamState.saveData)
        savePlayers(teamState, teamSection, ini);
    releaseStates();
}
