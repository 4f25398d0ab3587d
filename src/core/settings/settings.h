#pragma once
// Meaning of the INI texts: settings of both modes and the saved players. Window-free; the
// program reads and writes through an IniStore backed by the private-profile functions.
#include "base/numbers.h"
#include "base/text.h"
#include "team/team.h"

#include <cstdint>
#include <functional>
#include <string>

struct IniStore {
    // Returns the value of key in section as the file holds it (bytes), or fallback when absent.
    std::function<std::string(const std::string& section, const std::string& key, const std::string& fallback)> read;
    std::function<void(const std::string& section, const std::string& key, const std::string& value)> write;
};

// The colour of the focused input field (red in the low byte), kept as "BKColor".
constexpr uint32_t defaultHighlightColour = 10551295; // light yellow 0x00A0FFFF
extern uint32_t highlightColour;

// Flags read as on only for the exact text "1".
bool isOnText(const std::string& text);
// "SaveSortOrder": on when the text holds a '1' and no '0'.
int saveSortOrderFromText(const std::string& text);

// A player's "Spieler%d" text: nine "%02d" fields, 18 characters for values in -9..99.
std::string formatPlayerValues(const TeamState& state, const PlayerRecord& record);
// Reads the nine two-character fields into state.league, state.teamCount and the record at
// index, whose lineup becomes index + 1. Missing characters count as no digits.
void parsePlayerValues(const std::string& text18, TeamState& state, int index);


// "Mannschaft"/"Anzahlspieler" limited to the team sizes.
int readTeamSize(const IniStore& ini);

// "OnTop", "ShowEinzel" (into both states) and "BKColor" of section "LKZ".
void readGlobalSettings(const IniStore& ini);
void readStateSettings(TeamState& state, const std::string& section, const IniStore& ini);
// "AktSpieler" keeps the current player only when the mode active at exit saves its data.
void saveStateSettings(const TeamState& state, const std::string& section, const IniStore& ini);

// Fills every record of state from section, or with defaults when state.saveData is off;
// faulty values are reported through showErrorMessage.
void loadPlayers(TeamState& state, const std::string& section, const IniStore& ini);
// Writes "Spieler%d" and "SpielerName%d" for every record under its line-up number.
void savePlayers(const TeamState& state, const std::string& section, const IniStore& ini);

// Start-up: creates both states and reads the settings and the saved players of both modes.
void loadSettingsAndPlayers(const IniStore& ini);
// Exit: writes the settings of both modes, the players of modes that keep them, and frees
// the player arrays.
void saveAll(const IniStore& ini);
