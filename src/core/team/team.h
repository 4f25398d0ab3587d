#pragma once
// The players of both modes and the operations on their records. Window-free.
#include "rating/lkz.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int minTeamSize = 4;
constexpr int maxTeamSize = 20;
constexpr int defaultTeamSize = 6;
// n held within minTeamSize..maxTeamSize.
constexpr int clampTeamSize(int n) { return n < minTeamSize ? minTeamSize : n > maxTeamSize ? maxTeamSize : n; }
constexpr int maxNameLength = 63; // characters, whatever their encoding
// Bytes including the terminating NUL: 63 characters of up to four UTF-8 bytes each.
constexpr int nameCapacity = 4 * maxNameLength + 1;

struct PlayerRecord {
    int32_t lineup;            // 1-based line-up number, the player's identity
    char name[nameCapacity];   // UTF-8, NUL-terminated
    int32_t matches;
    int32_t won1, lost1, won2, lost2, won3, lost3;
    float lkz;                 // last computed LKZ, the key of the LKZ order
    int32_t invalid[InputKindCount]; // one plausibility mark per InputKind
    int32_t customName;        // name differs from "Nr. <lineup>"
};

struct TeamState {
    int32_t playerCount = 0;
    int32_t currentLineup = 0;
    int32_t league = 0;        // index into LeagueTable, -1 = none
    int32_t teamCount = 0;
    std::vector<PlayerRecord> players; // always playerCount records, in display order
    int32_t onTop = 0;
    int32_t autoCalc = 0;
    int32_t decimal = 0;
    int32_t saveData = 0;
    int32_t singleMode = 0;
    int32_t tabTooltip = 0;
    int32_t saveSortOrder = 0;
    int32_t sortByLkz = 0;
};

// The nine inputs of the player at index: the state's league and team count, the record's games.
LkzInputs inputsOf(const TeamState& state, int index);
LkzInputs inputsOf(const TeamState& state, const PlayerRecord& record);
// Stores the nine inputs into the state and the record at index.
void storeInputs(TeamState& state, int index, const LkzInputs& inputs);

// The LKZ of one record from its own values and the state's league and team count; 0 when it has
// none (meaningfulLkz), so that such a player sorts last in the LKZ order.
float playerLkz(const TeamState& state, const PlayerRecord& record);
void recomputePlayerLkz(TeamState& state, int index);

// Program-wide: team mode ("Mannschaft") and single-player mode ("Einzelspieler").
extern TeamState teamState;
extern TeamState singleState;

TeamState& activeState();
// The two settings that belong to the program rather than to a mode, kept alike in both states.
void setSingleMode(int32_t on);
void setOnTop(int32_t on);
// Array index of the current player of the active mode; 0 when currentLineup matches no one.
int currentPlayerIndex();
int playerIndexOf(TeamState& state);
PlayerRecord* currentPlayer();

// A record with every byte zero: no name, no values, no marks.
PlayerRecord blankRecord();

void createStates(int n);
void releaseStates();

std::string defaultPlayerName(int lineup); // "Nr. %d"
extern const char* const singlePlayerName;  // "Einzelspieler"

void initPlayer(PlayerRecord& record, int index);
void resetPlayerValues(TeamState& state, int index);
// Cuts text to maxNameLength characters, never inside one, and derives customName.
void setPlayerName(TeamState& state, int index, const std::string& text);

// The label of the tab of the player at index: the name, or "Nr. <lineup>" for a default name.
std::string tabLabel(const TeamState& state, int index);
// The tab's tip: "Nr. <lineup>: <name>" and, on a line of its own, the order of the team.
std::string tabTipText(const TeamState& state, int index);
// What a rename stores: the text, or the default name when the text is empty.
std::string renamedName(const TeamState& state, int index, const std::string& text);

// Removes the player at index and closes the gap in the line-up numbers; default names follow
// their new number. A team keeps at least minTeamSize players: false, and nothing changes.
bool removePlayer(TeamState& state, int index);

enum class CountChange { Ignored, Unchanged, Changed };
// The record part of a new team size: keeps the players whose line-up fits, drops the rest,
// appends new ones, and picks the current player by position.
CountChange changePlayerCount(int n);
