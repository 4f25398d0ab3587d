#include "settings/settings.h"

#include "team/ordering.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

const char* const globalSection = "LKZ";

std::string flagText(int32_t flag) { return flag ? "1" : "0"; }

// The whole number a text holds (saturated at the int range), held to the key's range: outside
// it the key's fallback, or the nearer end.
int wholeOrFallback(const IniKey& key, const std::string& text)
{
    const int value = decimalValue(text);
    return value < key.low || value > key.high ? key.fallback : value;
}
int wholeClamped(const IniKey& key, const std::string& text)
{
    return std::clamp(decimalValue(text), key.low, key.high);
}

// The read rules the keys share; each stores into the field its key names.
template <int32_t TeamModel::*field>
void readProgramFlag(const IniKey&, const std::string& text, TeamModel& model, TeamState&)
{
    model.*field = isOnText(text) ? 1 : 0;
}
template <int32_t TeamModel::*field>
std::string writeProgramFlag(const TeamModel& model, const TeamState&)
{
    return flagText(model.*field);
}
template <int32_t TeamState::*field>
void readFlag(const IniKey&, const std::string& text, TeamModel&, TeamState& state)
{
    state.*field = isOnText(text) ? 1 : 0;
}
template <int32_t TeamState::*field>
std::string writeFlag(const TeamModel&, const TeamState& state)
{
    return flagText(state.*field);
}

bool sortOrderOn(const TeamState& state) { return state.saveSortOrder != 0; }

} // namespace

// A whole number's range runs low..high; flags and texts read by rules of their own name none.
const IniKey iniKeys[] = {
    {IniPlace::Program, "OnTop", 0, 0, 0, readProgramFlag<&TeamModel::onTop>, writeProgramFlag<&TeamModel::onTop>,
     nullptr},
    {IniPlace::Program, "ShowEinzel", 1, 0, 0, readProgramFlag<&TeamModel::singleMode>,
     writeProgramFlag<&TeamModel::singleMode>, nullptr},
    // The colour of the focused field; an empty text or one outside the colours is the default.
    {IniPlace::Program, "BKColor", static_cast<int>(defaultHighlightColour), 0, 0xFFFFFF,
     [](const IniKey& key, const std::string& text, TeamModel& model, TeamState&) {
         model.highlightColour = static_cast<uint32_t>(text.empty() ? key.fallback : wholeOrFallback(key, text));
     },
     [](const TeamModel& model, const TeamState&) {
         return std::to_string(static_cast<int32_t>(model.highlightColour));
     },
     nullptr},
    {IniPlace::EachMode, "Dezimal", 0, 0, 0, readFlag<&TeamState::decimal>, writeFlag<&TeamState::decimal>, nullptr},
    {IniPlace::EachMode, "AutoCalc", 0, 0, 0, readFlag<&TeamState::autoCalc>, writeFlag<&TeamState::autoCalc>,
     nullptr},
    {IniPlace::EachMode, "SaveData", 0, 0, 0, readFlag<&TeamState::saveData>, writeFlag<&TeamState::saveData>,
     nullptr},
    // The LKZ order counts only where the mode saves it ("SaveSortOrder", read after it).
    {IniPlace::EachMode, "SortOrder", 0, 0, 0,
     [](const IniKey&, const std::string& text, TeamModel&, TeamState& state) {
         state.sortByLkz = decimalValue(text) == 1 ? 1 : 0;
     },
     [](const TeamModel&, const TeamState& state) { return std::to_string(state.saveSortOrder ? state.sortByLkz : 0); },
     nullptr},
    {IniPlace::EachMode, "SaveSortOrder", 0, 0, 0,
     [](const IniKey&, const std::string& text, TeamModel&, TeamState& state) {
         state.saveSortOrder = saveSortOrderFromText(text);
         state.sortByLkz = state.saveSortOrder ? state.sortByLkz : 0;
     },
     [](const TeamModel&, const TeamState& state) { return flagText(state.saveSortOrder); }, sortOrderOn},
    // Kept only when the mode active at exit saves its data; one that matches no one is mended later.
    {IniPlace::EachMode, "AktSpieler", 1, INT_MIN, INT_MAX,
     [](const IniKey& key, const std::string& text, TeamModel&, TeamState& state) {
         state.currentLineup = wholeClamped(key, text);
     },
     [](const TeamModel& model, const TeamState& state) {
         return std::to_string(model.active().saveData ? state.currentLineup : 1);
     },
     nullptr},
    // The single player's mode has one, whatever the file says.
    {IniPlace::EachMode, "Anzahlspieler", defaultTeamSize, minTeamSize, maxTeamSize,
     [](const IniKey& key, const std::string& text, TeamModel&, TeamState& state) {
         state.playerCount = state.isSingle() ? 1 : wholeClamped(key, text);
     },
     [](const TeamModel&, const TeamState& state) { return std::to_string(state.playerCount); }, nullptr},
    // The line-up rules hold their values to their own ranges.
    {IniPlace::TeamOnly, "Stammspieler", 0, 0, 0,
     [](const IniKey&, const std::string& text, TeamModel&, TeamState& state) {
         state.rules.regulars = regularsFromIni(text);
     },
     [](const TeamModel&, const TeamState& state) { return std::to_string(state.rules.regulars); }, nullptr},
    {IniPlace::TeamOnly, "ToleranzMannschaft", 0, 0, 0,
     [](const IniKey&, const std::string& text, TeamModel&, TeamState& state) {
         state.rules.teamTenths = toleranceFromIni(text);
     },
     [](const TeamModel&, const TeamState& state) { return toleranceIniText(state.rules.teamTenths); }, nullptr},
    {IniPlace::TeamOnly, "ToleranzVerein", 0, 0, 0,
     [](const IniKey&, const std::string& text, TeamModel&, TeamState& state) {
         state.rules.clubTenths = toleranceFromIni(text);
     },
     [](const TeamModel&, const TeamState& state) { return toleranceIniText(state.rules.clubTenths); }, nullptr},
};

const IniKey severalInstancesKey = {IniPlace::Program, "MultiInst", 0, 0, 0, nullptr, nullptr, nullptr};

namespace {

const char* sectionFor(const IniKey& key, const TeamState& state)
{
    return key.place == IniPlace::Program ? globalSection : sectionOf(state);
}

bool belongsTo(const IniKey& key, const TeamState& state)
{
    return key.place != IniPlace::TeamOnly || !state.isSingle();
}

std::string readText(const IniKey& key, const char* section, const IniStore& ini)
{
    return ini.read(section, key.name, std::to_string(key.fallback));
}

void readKeys(bool program, TeamModel& model, TeamState& state, const IniStore& ini)
{
    for (const IniKey& key : iniKeys)
        if ((key.place == IniPlace::Program) == program && belongsTo(key, state))
            key.read(key, readText(key, sectionFor(key, state), ini), model, state);
}

// Writes the keys of one place, each once, in the table's order.
void writeKeys(bool program, const TeamModel& model, const TeamState& state, const IniStore& ini)
{
    std::vector<const IniKey*> keys;
    for (const IniKey& key : iniKeys)
        if ((key.place == IniPlace::Program) == program && belongsTo(key, state) && key.write) {
            if (!keys.empty() && key.aheadOfPrevious && key.aheadOfPrevious(state))
                keys.insert(keys.end() - 1, &key);
            else
                keys.push_back(&key);
        }
    for (const IniKey* key : keys)
        ini.write(sectionFor(*key, state), key->name, key->write(model, state));
}

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

const char* sectionOf(const TeamState& state) { return state.isSingle() ? "Einzelspieler" : "Mannschaft"; }

bool severalInstancesAllowed(const IniStore& ini)
{
    return decimalValue(readText(severalInstancesKey, globalSection, ini)) == 1;
}

// A player's values come as 18 characters; any other length is a fault that costs him his
// values, not the league and the number of teams the others brought.
const PlayerIniKey playerIniKeys[4] = {
    {"Spieler",
     [](const std::string& text, TeamState& state, int index, PlayerLoad& load) {
         if (text.size() == 18) {
             parsePlayerValues(text, state, index);
             load.anyValues = true;
             return;
         }
         if (!text.empty()) {
             char message[128];
             std::snprintf(message, sizeof message,
                           "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler %d sind fehlerhaft!", index + 1);
             load.faults.push_back(message);
         }
         resetPlayerValues(state, index);
     },
     formatPlayerValues, nullptr},
    // Bytes of the Windows code page or UTF-8; an empty name is the starting one.
    {"SpielerName",
     [](const std::string& text, TeamState& state, int index, PlayerLoad&) {
         const std::string name = iniTextToUtf8(text);
         setPlayerName(state, index, name.empty() ? startingName(state, index + 1) : name);
     },
     [](const TeamState&, const PlayerRecord& record) { return utf8ToIniText(recordName(record)); }, nullptr},
    {"Verlauf",
     [](const std::string& text, TeamState& state, int index, PlayerLoad&) {
         state.players[index].history = historyFromIni(text);
     },
     [](const TeamState&, const PlayerRecord& record) { return historyIniText(record.history); }, nullptr},
    // A file without marks stays without the key; one that holds it gets "0", so that a stale "1"
    // under his number never marks a player again.
    {"Sperrvermerk",
     [](const std::string& text, TeamState& state, int index, PlayerLoad&) {
         state.players[index].blockMark = isOnText(text) ? 1 : 0;
     },
     [](const TeamState&, const PlayerRecord& record) { return std::string(record.blockMark ? "1" : "0"); }, "0"},
};

std::string playerKey(const PlayerIniKey& key, int lineup) { return key.prefix + std::to_string(lineup); }

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

void readGlobalSettings(TeamModel& model, const IniStore& ini) { readKeys(true, model, model.active(), ini); }

void readStateSettings(TeamModel& model, TeamState& state, const IniStore& ini)
{
    readKeys(false, model, state, ini);
    fitPlayers(state);
}

void saveSettings(const TeamModel& model, const IniStore& ini)
{
    writeKeys(true, model, model.active(), ini);
    for (const TeamState* state : {&model.single, &model.team})
        writeKeys(false, model, *state, ini);
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
        PlayerLoad load{false, faults};
        for (int n = 1; n <= count; ++n) {
            state.players[n - 1].lineup = n; // the name's customName is judged against this number
            for (const PlayerIniKey& key : playerIniKeys)
                key.read(ini.read(section, playerKey(key, n), ""), state, n - 1, load);
            std::memset(state.players[n - 1].invalid, 0, sizeof state.players[n - 1].invalid);
        }
        if (!load.anyValues)
            resetLeague(state);
    }
    // Every value is in: each player's LKZ, and today's point, with the league the file ends on.
    recomputeAllLkz(state);
    keepBlockMarksTrue(state);
}

void savePlayers(const TeamState& state, const IniStore& ini)
{
    const char* section = sectionOf(state);
    for (const PlayerRecord& record : state.players)
        for (const PlayerIniKey& key : playerIniKeys) {
            const std::string name = playerKey(key, record.lineup), text = key.write(state, record);
            // Absent, the key reads as either fallback; held, as its own text for both.
            if (key.onlyWhereHeld && text == key.onlyWhereHeld && ini.read(section, name, "0") == "0" &&
                ini.read(section, name, "1") == "1")
                continue;
            ini.write(section, name, text);
        }
}

TeamModel loadModel(const IniStore& ini, std::vector<std::string>& faults)
{
    TeamModel model;
    readGlobalSettings(model, ini);
    readStateSettings(model, model.single, ini);
    readStateSettings(model, model.team, ini);
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
    saveSettings(model, ini);
    if (model.single.saveData)
        savePlayers(model.single, ini);
    if (model.team.saveData)
        savePlayers(model.team, ini);
}
