#pragma once
// Meaning of the INI texts: settings of both modes and the saved players. Window-free; the
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

// Flags read as on only for the exact text "1".
bool isOnText(const std::string& text);
// "SaveSortOrder": on when the text holds a '1' and no '0'.
int saveSortOrderFromText(const std::string& text);
// "BKColor": a colour (0 to 0xFFFFFF); anything else is the default.
uint32_t highlightColourFromText(const std::string& text);

// The section of a mode: "Mannschaft" or "Einzelspieler".
const char* sectionOf(const TeamState& state);

// "MultiInst": whether a start may run beside a running instance.
bool severalInstancesAllowed(const IniStore& ini);

// A player's "Spieler%d" text: nine "%02d" fields, 18 characters for values in -9..99.
std::string formatPlayerValues(const TeamState& state, const PlayerRecord& record);
// Reads the nine two-character fields into state.league, state.teamCount and the record at
// index, whose lineup becomes index + 1. Missing characters count as no digits.
void parsePlayerValues(const std::string& text18, TeamState& state, int index);

// "OnTop", "ShowEinzel" and "BKColor" of section "LKZ".
void readGlobalSettings(TeamModel& model, const IniStore& ini);
// The mode's options, its number of players (the team's held to the team sizes) and "AktSpieler".
void readStateSettings(TeamState& state, const IniStore& ini);
// "AktSpieler" keeps the current player only when the mode active at exit saves its data.
void saveStateSettings(const TeamModel& model, const TeamState& state, const IniStore& ini);

// Fills every record of state from its section, or with defaults when state.saveData is off.
// Faulty values give the player defaults; the message for each is added to faults.
void loadPlayers(TeamState& state, const IniStore& ini, std::vector<std::string>& faults);
// Writes "Spieler%d", "SpielerName%d" and "Verlauf%d" for every record under its line-up number.
void savePlayers(const TeamState& state, const IniStore& ini);

// Start-up: both modes with their settings and saved players, a saved LKZ order applied. The
// messages for faulty players go to faults, for the caller to show once the file is free.
TeamModel loadModel(const IniStore& ini, std::vector<std::string>& faults);
// Exit: writes the settings of both modes and the players of modes that keep them.
void saveAll(const TeamModel& model, const IniStore& ini);
