// The INI texts: settings of both modes, the saved players and the name encoding.
#include "settings/settings.h"

#include "core_test_support.h"
#include "rating/checks.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

class Settings : public ::testing::Test {
protected:
    void load(FakeIni& file) { model = loadModel(file.store(), faults); }
    FakeIni ini;
    std::vector<std::string> faults; // what the start would show once the file is free
    TeamModel model = newModel(4);
    TeamState& team = model.team;
    TeamState& single = model.single;
};

using Values = std::array<int, 7>; // matches, won1, lost1, won2, lost2, won3, lost3
Values valuesOf(const PlayerRecord& r) { return {r.matches, r.won1, r.lost1, r.won2, r.lost2, r.won3, r.lost3}; }
const Values defaults{1, 0, 0, 0, 0, 0, 0};

std::string valuesKey(int lineup) { return playerKey(playerIniKeys[0], lineup); } // "Spieler<lineup>"

std::string repeat(const std::string& text, int times)
{
    std::string result;
    while (times-- > 0)
        result += text;
    return result;
}

// Beyond the int range a number gives its nearer end, whatever its digits would wrap to.
TEST(SettingsText, DecimalValue)
{
    const std::pair<const char*, int> cases[] = {
        {"", 0},         {"abc", 0},    {"12", 12},          {"  -7x", -7},           {"\t+3", 3},
        {"+-3", 0},      {"- 5", 0},    {"01", 1},           {" 1 2", 1},             {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},       {"99999999999999999999", INT_MAX},            {"-99999999999999999999", INT_MIN},
        {"2147483648", INT_MAX},        {"-2147483649", INT_MIN},                     {"4294967296", INT_MAX},
        {"-4294967295", INT_MIN},       {"-4294967296", INT_MIN},                     {"-4294967297x", INT_MIN},
        {"21474836470", INT_MAX},       {"-18446744073709551616", INT_MIN},           {"000000000000000000042", 42},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(decimalValue(text), expected) << '"' << text << '"';
}

TEST(SettingsText, FlagsAndSaveSortOrder)
{
    const struct {
        const char* text;
        bool on;
        int saveSortOrder;
    } cases[] = {
        {"1", true, 1},   {"11", false, 1},  {"x1", false, 1}, {"01", false, 0}, {"10", false, 0},
        {"1 ", false, 1}, {" 1", false, 1},  {"0", false, 0},  {"", false, 0},   {"yes", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isOnText(c.text), c.on) << '"' << c.text << '"';
        EXPECT_EQ(saveSortOrderFromText(c.text), c.saveSortOrder) << '"' << c.text << '"';
    }
}

// Each key's own rule, after the number is held to the int range: a colour outside the colours
// is the default, the regulars are held to 0 or 2..10, "MultiInst" allows only 1.
TEST(SettingsText, NumbersMeetTheirKeysRule)
{
    const struct {
        const char *section, *key, *text;
        int expected;
    } cases[] = {
        {"LKZ", "BKColor", "-4294967296", static_cast<int>(defaultHighlightColour)},
        {"LKZ", "BKColor", "-1", static_cast<int>(defaultHighlightColour)},
        {"LKZ", "BKColor", "16777216", static_cast<int>(defaultHighlightColour)},
        {"LKZ", "BKColor", "", static_cast<int>(defaultHighlightColour)},
        {"LKZ", "BKColor", "abc", 0},
        {"LKZ", "BKColor", "16777215", 0xFFFFFF},
        {"Mannschaft", "Stammspieler", "-2147483649", 0},
        {"Mannschaft", "Stammspieler", "4294967299", 10},
        {"LKZ", "MultiInst", "-4294967295", 0},
        {"LKZ", "MultiInst", "4294967297", 0},
        {"Mannschaft", "Anzahlspieler", "-4294967276", minTeamSize},
    };
    for (const auto& c : cases) {
        FakeIni file;
        file.set(c.section, c.key, c.text);
        std::vector<std::string> faults;
        const TeamModel model = loadModel(file.store(), faults);
        const std::string key = c.key;
        const int value = key == "BKColor"        ? static_cast<int>(model.highlightColour)
                          : key == "Stammspieler" ? model.team.rules.regulars
                          : key == "MultiInst"    ? severalInstancesAllowed(file.store())
                                                  : model.team.playerCount;
        EXPECT_EQ(value, c.expected) << c.key << "=" << c.text;
    }
}

TEST(SettingsText, SeveralInstancesOnlyForMultiInstOne)
{
    const std::pair<const char*, bool> cases[] = {
        {nullptr, false}, {"1", true}, {"01", true}, {" 1x", true}, {"0", false}, {"2", false}, {"", false}, {"ja", false},
    };
    for (const auto& [text, allowed] : cases) {
        FakeIni file;
        if (text)
            file.set("LKZ", "MultiInst", text);
        EXPECT_EQ(severalInstancesAllowed(file.store()), allowed) << (text ? text : "absent");
    }
}

TEST_F(Settings, ParsePlayerValues)
{
    const struct {
        const char* text;
        int league, teamCount;
        Values values;
        bool formatsBack; // the program itself writes this text for these values
    } cases[] = {
        {"071014050308060202", 7, 10, {14, 5, 3, 8, 6, 2, 2}, true},
        {"-11200000000000000", -1, 12, {0, 0, 0, 0, 0, 0, 0}, true},
        {"+1-2ab3  4-x5+0--9", 1, -2, {0, 3, 0, 0, 5, 0, -9}, false},
        {"abcdefghijklmnopqr", 0, 0, {0, 0, 0, 0, 0, 0, 0}, false},
        {"0710", 7, 10, {0, 0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        parsePlayerValues(c.text, team, 2);
        EXPECT_EQ(team.league, c.league) << c.text;
        EXPECT_EQ(team.teamCount, c.teamCount) << c.text;
        EXPECT_EQ(valuesOf(team.players[2]), c.values) << c.text;
        EXPECT_EQ(team.players[2].lineup, 3);
        if (c.formatsBack) {
            EXPECT_EQ(formatPlayerValues(team, team.players[2]), c.text);
        }
    }
    team.players[2].matches = 100; // wider than its field: rejected when read back
    EXPECT_EQ(formatPlayerValues(team, team.players[2]).size(), 19u);
}

TEST_F(Settings, FirstStartDefaults)
{
    load(ini);
    EXPECT_TRUE(ini.writes.empty());
    EXPECT_TRUE(faults.empty());
    EXPECT_EQ(model.highlightColour, defaultHighlightColour);
    EXPECT_EQ(model.onTop, 0);
    EXPECT_EQ(&model.active(), &single);
    for (const TeamState* st : {&team, &single}) {
        const std::array<int, 7> options{st->decimal, st->autoCalc, st->saveData,     st->sortByLkz,
                                         st->league,  st->teamCount, st->currentLineup};
        EXPECT_EQ(options, (std::array<int, 7>{0, 0, 0, 0, -1, 12, 1}));
    }
    ASSERT_EQ(team.playerCount, 6);
    ASSERT_EQ(team.players.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(team.players[i].lineup, i + 1);
        EXPECT_STREQ(team.players[i].name, ("Nr. " + std::to_string(i + 1)).c_str());
        EXPECT_EQ(team.players[i].customName, 0);
        EXPECT_EQ(valuesOf(team.players[i]), defaults);
    }
    ASSERT_EQ(single.players.size(), 1u);
    EXPECT_STREQ(single.players[0].name, "Einzelspieler");
}

TEST_F(Settings, GlobalSettings)
{
    const struct {
        const char *onTop, *showEinzel, *bkColor; // nullptr: key absent
        int expectOnTop, expectSingle;
        uint32_t expectColour;
    } cases[] = {
        {"1", "0", nullptr, 1, 0, defaultHighlightColour},
        {"01", "yes", "", 0, 0, defaultHighlightColour},
        {"0", "1", "255", 0, 1, 255u},
        {nullptr, nullptr, "-1", 0, 1, defaultHighlightColour},
        {nullptr, nullptr, "blau", 0, 1, 0u},
    };
    for (const auto& c : cases) {
        FakeIni file;
        for (auto [key, value] : {std::pair{"OnTop", c.onTop}, {"ShowEinzel", c.showEinzel}, {"BKColor", c.bkColor}})
            if (value)
                file.set("LKZ", key, value);
        load(file);
        EXPECT_EQ(model.onTop, c.expectOnTop);
        EXPECT_EQ(model.singleMode, c.expectSingle);
        EXPECT_EQ(model.highlightColour, c.expectColour);

        // The colour goes back as text and reads as the same value.
        saveAll(model, file.store());
        load(file);
        EXPECT_EQ(model.highlightColour, c.expectColour);
    }
}

TEST_F(Settings, StateSettings)
{
    const struct {
        const char *section, *saveSortOrder, *sortOrder, *count;
        int expectSaveSort, expectSort, expectCount;
    } cases[] = {
        {"Mannschaft", "1", "1", "12", 1, 1, 12},   {"Mannschaft", "10", "1", "2", 0, 0, 4},
        {"Mannschaft", "0", "1", "50", 0, 0, 20},  {"Mannschaft", "1", "2", "x", 1, 0, 4},
        {"Einzelspieler", "1", "1", "8", 1, 1, 1},
    };
    for (const auto& c : cases) {
        FakeIni file;
        file.set(c.section, "SaveSortOrder", c.saveSortOrder);
        file.set(c.section, "SortOrder", c.sortOrder);
        file.set(c.section, "Anzahlspieler", c.count);
        file.set(c.section, "AktSpieler", "3");
        file.set(c.section, "Dezimal", "1");
        model = newModel(6);
        TeamState& state = std::string(c.section) == "Einzelspieler" ? single : team;
        readStateSettings(model, state, file.store());
        EXPECT_EQ(state.saveSortOrder, c.expectSaveSort) << c.saveSortOrder;
        EXPECT_EQ(state.sortByLkz, c.expectSort) << c.saveSortOrder << "/" << c.sortOrder;
        EXPECT_EQ(state.playerCount, c.expectCount) << c.count;
        EXPECT_EQ(state.players.size(), static_cast<size_t>(c.expectCount));
        EXPECT_EQ(state.players.back().lineup, c.expectCount);
        EXPECT_EQ(state.currentLineup, 3);
        EXPECT_EQ(state.decimal, 1);
    }
}

TEST_F(Settings, SaveAllWritesEveryKeyInOrder)
{
    load(ini);
    model.highlightColour = 255;
    model.singleMode = 0;
    model.onTop = 1;
    single.decimal = 1;
    team.autoCalc = 1;
    team.saveSortOrder = 1;
    team.sortByLkz = 1;
    single.sortByLkz = 1; // not kept: its mode does not save the order
    team.rules = {4, 25, 0};
    ini.writes.clear();
    saveAll(model, ini.store());
    const std::vector<std::string> expected = {
        "LKZ/OnTop=1", "LKZ/ShowEinzel=0", "LKZ/BKColor=255",
        "Einzelspieler/Dezimal=1", "Einzelspieler/AutoCalc=0", "Einzelspieler/SaveData=0",
        "Einzelspieler/SortOrder=0", "Einzelspieler/SaveSortOrder=0",
        "Einzelspieler/AktSpieler=1", "Einzelspieler/Anzahlspieler=1",
        "Mannschaft/Dezimal=0", "Mannschaft/AutoCalc=1", "Mannschaft/SaveData=0",
        "Mannschaft/SaveSortOrder=1", "Mannschaft/SortOrder=1",
        "Mannschaft/AktSpieler=1", "Mannschaft/Anzahlspieler=6",
        "Mannschaft/Stammspieler=4", "Mannschaft/ToleranzMannschaft=2.5", "Mannschaft/ToleranzVerein=0.0",
    };
    EXPECT_EQ(ini.writes, expected);
}

// The line-up rules from a hostile file: held within their ranges, without a message, and the
// rest of the file as it was.
TEST_F(Settings, LineupRulesLoadClampedAndNothingElseIsLost)
{
    const struct {
        const char *regulars, *inTeam, *between;
        LineupRules expected;
    } cases[] = {
        {"99", "abc", "-5", {10, 0, 0}},
        {"1", "1e9", "4,25", {0, 999, 43}},
        {"4", "2.5", "", {4, 25, 0}},
    };
    for (const auto& c : cases) {
        FakeIni file;
        file.set("Mannschaft", "SaveData", "1");
        file.set("Mannschaft", "Anzahlspieler", "4");
        for (int n = 1; n <= 4; ++n)
            file.set("Mannschaft", valuesKey(n), "031005020400000000");
        file.set("Mannschaft", "Stammspieler", c.regulars);
        file.set("Mannschaft", "ToleranzMannschaft", c.inTeam);
        file.set("Mannschaft", "ToleranzVerein", c.between);
        load(file);
        EXPECT_EQ(team.rules.regulars, c.expected.regulars) << c.regulars;
        EXPECT_EQ(team.rules.teamTenths, c.expected.teamTenths) << c.inTeam;
        EXPECT_EQ(team.rules.clubTenths, c.expected.clubTenths) << c.between;
        EXPECT_TRUE(faults.empty());
        EXPECT_EQ(team.league, 3);
        EXPECT_EQ(team.players[0].won1, 2);
    }
}

TEST_F(Settings, CurrentPlayerKeptOnlyWhenActiveModeSavesData)
{
    const struct {
        int singleMode, singleSave, teamSave;
        const char* expected;
    } cases[] = {
        {0, 0, 1, "3"}, {0, 1, 0, "1"}, {1, 1, 0, "3"}, {1, 0, 1, "1"},
    };
    for (const auto& c : cases) {
        FakeIni file;
        load(file);
        model.singleMode = c.singleMode;
        single.saveData = c.singleSave;
        team.saveData = c.teamSave;
        team.currentLineup = 3;
        saveAll(model, file.store());
        EXPECT_EQ(file.get("Mannschaft", "AktSpieler"), c.expected)
            << c.singleMode << c.singleSave << c.teamSave;
    }
}

// The faults of both modes come back in the order of loading; the rest of the file loads.
TEST_F(Settings, LoadModelReturnsFaultyPlayersAndLoadsTheOthers)
{
    ini.set("LKZ", "ShowEinzel", "0");
    ini.set("LKZ", "OnTop", "1");
    ini.set("Einzelspieler", "SaveData", "1");
    ini.set("Einzelspieler", "Spieler1", "0710");
    ini.set("Einzelspieler", "SpielerName1", "Eva");
    ini.set("Mannschaft", "SaveData", "1");
    const char* saved[] = {"071014050308060202", "07101405030806020", "061009040102030405",
                           "0710140503080602021", "050811010101010101", nullptr};
    for (int n = 1; n <= 6; ++n)
        if (saved[n - 1])
            ini.set("Mannschaft", "Spieler" + std::to_string(n), saved[n - 1]);
    ini.set("Mannschaft", "SpielerName1", "Anna");

    load(ini);

    const std::vector<std::string> expectedFaults = {
        "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler 1 sind fehlerhaft!",
        "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler 2 sind fehlerhaft!",
        "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler 4 sind fehlerhaft!",
    };
    EXPECT_EQ(faults, expectedFaults);
    EXPECT_EQ(model.onTop, 1);
    EXPECT_STREQ(single.players[0].name, "Eva");
    EXPECT_EQ(valuesOf(single.players[0]), defaults);
    const Values expected[] = {{14, 5, 3, 8, 6, 2, 2}, defaults, {9, 4, 1, 2, 3, 4, 5},
                               defaults, {11, 1, 1, 1, 1, 1, 1}, defaults};
    for (int i = 0; i < 6; ++i) {
        const PlayerRecord& p = team.players[i];
        EXPECT_EQ(p.lineup, i + 1);
        EXPECT_EQ(valuesOf(p), expected[i]) << "player " << i + 1;
        EXPECT_FLOAT_EQ(p.lkz, static_cast<float>(meaningfulLkz(inputsOf(team, p)).value_or(0)));
    }
    EXPECT_STREQ(team.players[0].name, "Anna");
    EXPECT_EQ(team.players[0].customName, 1);
    EXPECT_STREQ(team.players[5].name, "Nr. 6");
    EXPECT_EQ(team.players[5].customName, 0);
    EXPECT_EQ(team.players[0].lkz, 0.0f) << "14 matches with 10 teams: no LKZ, so last in the LKZ order";
    // Player 6 has no values; the league and team count the others brought stay.
    EXPECT_EQ(team.league, 5);
    EXPECT_EQ(team.teamCount, 8);
}

// A last player whose data is missing, short or padded costs only his own values: the league and
// the number of teams of the others stay, and are written back unchanged.
TEST_F(Settings, AFaultyLastPlayerKeepsTheOthersLeague)
{
    for (const char* last : {static_cast<const char*>(nullptr), "0310", "\"031005030200000000 \""}) {
        FakeIni file;
        file.set("Mannschaft", "SaveData", "1");
        file.set("Mannschaft", "Anzahlspieler", "4");
        for (int n = 1; n <= 3; ++n)
            file.set("Mannschaft", valuesKey(n), "031005030200000000");
        if (last)
            file.set("Mannschaft", valuesKey(4), last);
        load(file);
        EXPECT_EQ(team.league, 3) << (last ? last : "missing");
        EXPECT_EQ(team.teamCount, 10);
        file.writes.clear();
        saveAll(model, file.store());
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(file.get("Mannschaft", valuesKey(n)), "031005030200000000") << n;
        EXPECT_EQ(file.get("Mannschaft", valuesKey(4)), "031001000000000000") << "only he starts fresh";
    }
}

TEST_F(Settings, LoadPlayersClearsMarksAndIgnoresKeysWithoutSaveData)
{
    for (int saveData : {0, 1}) {
        model = newModel(4);
        team.saveData = saveData;
        for (auto& p : team.players) {
            p.invalid[3] = 1;
            p.won1 = 9;
        }
        ini.set("Mannschaft", "Spieler1", "071014050308060202");
        ini.set("Mannschaft", "SpielerName1", "Anna");
        loadPlayers(team, ini.store(), faults);
        EXPECT_STREQ(team.players[0].name, saveData ? "Anna" : "Nr. 1");
        EXPECT_EQ(team.players[0].won1, saveData ? 5 : 0);
        for (const auto& p : team.players)
            EXPECT_EQ(p.invalid[3], 0);
        EXPECT_EQ(team.players[3].won1, 0);
    }
    EXPECT_TRUE(faults.empty());
}

TEST_F(Settings, TeamSavedInLkzOrderReturnsUnderItsLineups)
{
    ini.set("LKZ", "ShowEinzel", "0");
    ini.set("Mannschaft", "SaveData", "1");
    ini.set("Mannschaft", "Anzahlspieler", "4");
    load(ini);
    const int order[] = {3, 1, 2, 4};
    std::vector<PlayerRecord> sorted;
    for (int lineup : order) {
        PlayerRecord p = team.players[lineup - 1];
        p.won1 = lineup;
        sorted.push_back(p);
    }
    team.players = sorted;
    setPlayerName(team, 0, "Dritte");
    ini.writes.clear();
    saveAll(model, ini.store());

    const std::vector<std::string> playerWrites(ini.writes.end() - 12, ini.writes.end());
    EXPECT_EQ(playerWrites[0], "Mannschaft/Spieler3=-11201030000000000");
    EXPECT_EQ(playerWrites[1], "Mannschaft/SpielerName3=Dritte");
    EXPECT_EQ(playerWrites[2], "Mannschaft/Verlauf3=");
    EXPECT_EQ(playerWrites[3], "Mannschaft/Spieler1=-11201010000000000");
    EXPECT_EQ(playerWrites[4], "Mannschaft/SpielerName1=Nr. 1");

    load(ini);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(team.players[i].lineup, i + 1);
        EXPECT_EQ(team.players[i].won1, i + 1);
    }
    EXPECT_STREQ(team.players[2].name, "Dritte");
    EXPECT_TRUE(faults.empty());
}

// Started in team mode, the tabs come up in the saved order with a current player among them.
TEST_F(Settings, LoadModelRestoresTheLkzOrderAndAValidCurrentPlayer)
{
    const std::pair<const char*, int> cases[] = {{"3", 3}, {"9", 2}, {"0", 2}}; // AktSpieler, current after
    for (const auto& [saved, current] : cases) {
        FakeIni file;
        for (const auto& [key, value] : {std::pair{"SaveData", "1"}, {"SaveSortOrder", "1"}, {"SortOrder", "1"},
                                         {"Anzahlspieler", "4"}, {"AktSpieler", saved}})
            file.set("Mannschaft", key, value);
        const int lost[] = {3, 0, 2, 1}; // Oberliga, 10 teams, 5 matches, 5 won in the 1. Paarkreuz
        for (int n = 1; n <= 4; ++n)
            file.set("Mannschaft", "Spieler" + std::to_string(n), "031005050" + std::to_string(lost[n - 1]) + std::string(8, '0'));
        load(file);
        std::vector<int> lineups;
        for (const PlayerRecord& p : team.players)
            lineups.push_back(p.lineup);
        EXPECT_EQ(lineups, (std::vector<int>{2, 4, 3, 1})) << saved;
        EXPECT_EQ(team.currentLineup, current) << saved;
    }
}

TEST_F(Settings, NamesRoundTripThroughTheFile)
{
    const struct {
        std::string stored;  // bytes in the file
        std::string loaded;  // UTF-8 name after loading
        std::string written; // bytes after saving
    } cases[] = {
        {"J\xFCrgen", "J\xC3\xBCrgen", "J\xFCrgen"},
        {"\xC5\x81ukasz \xE2\x82\xAC", "\xC5\x81ukasz \xE2\x82\xAC", "\xC5\x81ukasz \xE2\x82\xAC"},
        {std::string(300, 'x'), std::string(63, 'x'), std::string(63, 'x')},
        {std::string(300, '\xE4'), repeat("\xC3\xA4", 63), std::string(63, '\xE4')}, // 63 characters, not bytes
        {repeat("\xE2\x82\xAC\xC5\x81", 100), repeat("\xE2\x82\xAC\xC5\x81", 31) + "\xE2\x82\xAC",
         repeat("\xE2\x82\xAC\xC5\x81", 31) + "\xE2\x82\xAC"},
    };
    for (const auto& c : cases) {
        FakeIni file;
        file.set("Einzelspieler", "SaveData", "1");
        file.set("Einzelspieler", "SpielerName1", c.stored);
        load(file);
        EXPECT_EQ(std::string(single.players[0].name), c.loaded);
        saveAll(model, file.store());
        EXPECT_EQ(file.get("Einzelspieler", "SpielerName1"), c.written);
    }
}

TEST_F(Settings, LineBreakInNameStaysOnOneLine)
{
    setPlayerName(team, 1, "Max\r\nMultiInst=1");
    savePlayers(team, ini.store());
    EXPECT_EQ(ini.get("Mannschaft", "SpielerName2"), "Max  MultiInst=1");
}

TEST_F(Settings, SixtyThreeCharacterNamesSurviveTwoRuns)
{
    const std::string umlauts = repeat("M\xFC", 31) + "\xDF"; // 63 characters of 1252, ten and more umlauts
    FakeIni file;
    file.set("Einzelspieler", "SaveData", "1");
    file.set("Einzelspieler", "SpielerName1", umlauts);
    for (int run = 0; run < 3; ++run) {
        load(file);
        saveAll(model, file.store());
        EXPECT_EQ(file.get("Einzelspieler", "SpielerName1"), umlauts) << run;
    }
}

} // namespace
