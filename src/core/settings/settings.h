#pragma once
// Meaning of the INI texts: every key of the file in one table, with its section, its value when
// absent, its range and how it is read and written; the players' keys alike. Window-free; the
// program reads and writes through an IniStore backed by the private-profile functions.
#include "base/numbers.h"
#include "base/text.h"
#include "team/team.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct IniStore {
    // Returns the value of key in section as the file holds it (bytes), or fallback when absent.
    std::function<std::string(const std::string& section, const std::string& key, const std::string& fallback)> read;
    std::function<void(const std::string& section, const std::string& key, const std::string& value)> write;
};

// Where a key lives: section "LKZ" for the whole program, or the section of each mode
// ("Mannschaft", "Einzelspieler"), or the team's only.
enum class IniPlace { Program, EachMode, TeamOnly };

// One key. A whole number read from it is held within low..high: outside, its read rule gives
// the fallback or the nearer end. A key is added by adding its entry to iniKeys.
struct IniKey {
    IniPlace place;
    const char* name;
    int fallback; // its value when the file does not hold it
    int low, high;
    // Reads the key's text into the model (program keys) or the mode's state.
    void (*read)(const IniKey& key, const std::string& text, TeamModel& model, TeamState& state);
    // Its text from the model and the mode's state; a key without one is only read.
    std::string (*write)(const TeamModel& model, const TeamState& state);
    // A file written anew lists a key in the order of the table, this one before the entry above
    // it when this holds (the layout of the file earlier versions wrote).
    bool (*aheadOfPrevious)(const TeamState& state);
};

// The keys of the settings, in the order a save writes them.
extern const IniKey iniKeys[];
// "MultiInst": whether a start may run beside a running instance; read by the start alone.
extern const IniKey severalInstancesKey;

// Flags read as on only for the exact text "1".
bool isOnText(const std::string& text);
// "SaveSortOrder": on when the text holds a '1' and no '0'.
int saveSortOrderFromText(const std::string& text);

// The section of a mode: "Mannschaft" or "Einzelspieler".
const char* sectionOf(const TeamState& state);

// Whether a second instance may start: only for "MultiInst" 1.
bool severalInstancesAllowed(const IniStore& ini);

// One of a player's keys: its name is the pattern's prefix followed by his line-up number.
struct PlayerLoad;
struct PlayerIniKey {
    const char* prefix;
    // Reads the text into the record at index (whose line-up number is index + 1).
    void (*read)(const std::string& text, TeamState& state, int index, PlayerLoad& load);
    std::string (*write)(const TeamState& state, const PlayerRecord& record);
    // A text written only where the file holds the key already; null when every text is written.
    const char* onlyWhereHeld;
};
// What reading the players gathers beside their records: whether any player brought his values
// (and with them the league), and the message for each faulty one.
struct PlayerLoad {
    bool anyValues = false;
    std::vector<std::string>& faults;
};
// "Spieler%d", "SpielerName%d", "Verlauf%d" and "Sperrvermerk%d", in the order a save writes them.
extern const PlayerIniKey playerIniKeys[4];
// The key of a player: the line-up number is his identity in the file.
std::string playerKey(const PlayerIniKey& key, int lineup);

// A player's "Spieler%d" text: nine "%02d" fields, 18 characters for values in -9..99.
std::string formatPlayerValues(const TeamState& state, const PlayerRecord& record);
// Reads the nine two-character fields into state.league, state.teamCount and the record at
// index, whose lineup becomes index + 1. Missing characters count as no digits.
void parsePlayerValues(const std::string& text18, TeamState& state, int index);

// The program's keys of section "LKZ".
void readGlobalSettings(TeamModel& model, const IniStore& ini);
// The mode's keys, its number of players (the team's held to the team sizes) and "AktSpieler".
void readStateSettings(TeamModel& model, TeamState& state, const IniStore& ini);
// Every key of the table, each once: the program's, then each mode's.
void saveSettings(const TeamModel& model, const IniStore& ini);

// Fills every record of state from its section, or with defaults when state.saveData is off.
// Faulty values give the player defaults; the message for each is added to faults.
void loadPlayers(TeamState& state, const IniStore& ini, std::vector<std::string>& faults);
// Writes the player keys of every record under its line-up number.
void savePlayers(const TeamState& state, const IniStore& ini);

// Start-up: both modes with their settings and saved players, a saved LKZ order applied. The
// messages for faulty players go to faults, for the caller to show once the file is free.
TeamModel loadModel(const IniStore& ini, std::vector<std::string>& faults);
// Exit: writes the settings of both modes and the players of modes that keep them.
void saveAll(const TeamModel& model, const IniStore& ini);
