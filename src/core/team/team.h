#pragma once
// The players of both modes and the operations on their records. Window-free; the model is one
// value, owned by the main dialog and handed by reference to whatever works on it.
#include "rating/lkz.h"
#include "team/lineup.h"
#include "team/history.h"

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

// The colour of the focused input field (red in the low byte), kept as "BKColor".
constexpr uint32_t defaultHighlightColour = 10551295; // light yellow 0x00A0FFFF

struct PlayerRecord {
    int32_t lineup = 0;           // 1-based line-up number, the player's identity
    char name[nameCapacity] = {}; // UTF-8, NUL-terminated
    int32_t matches = 0;
    int32_t won1 = 0, lost1 = 0, won2 = 0, lost2 = 0, won3 = 0, lost3 = 0;
    float lkz = 0;                // last computed LKZ, the key of the LKZ order
    int32_t invalid[InputKindCount] = {}; // one plausibility mark per InputKind
    int32_t customName = 0;       // name differs from "Nr. <lineup>"
    int32_t blockMark = 0;        // "Sperrvermerk": he may not play in a higher team of the club
    SeasonHistory history;        // his LKZ after each match, kept true by the stored values
};

// What a mode's record is: the team ("Mannschaft") or the one single player ("Einzelspieler").
enum class Mode { Team, Single };

struct TeamState {
    TeamState() = default;
    explicit TeamState(Mode kind) : mode(kind) {}
    Mode mode = Mode::Team;
    int32_t playerCount = 0;
    int32_t currentLineup = 0;
    int32_t league = 0;        // index into LeagueTable, -1 = none
    int32_t teamCount = 0;
    std::vector<PlayerRecord> players; // always playerCount records, in display order
    int32_t autoCalc = 0;
    int32_t decimal = 0;
    int32_t saveData = 0;
    int32_t tabTooltip = 0;
    int32_t saveSortOrder = 0;
    int32_t sortByLkz = 0;
    LineupRules rules; // what the league's order of strength allows; the team's only
    bool isSingle() const { return mode == Mode::Single; }
};

// Everything the program knows: both modes, which one is shown, the options of the whole program
// and the LKZ in the display.
struct TeamModel {
    TeamState team{Mode::Team};
    TeamState single{Mode::Single};
    int32_t singleMode = 0;
    int32_t onTop = 0;
    uint32_t highlightColour = defaultHighlightColour;
    float currentLkz = 0; // the LKZ last shown

    TeamState& active() { return singleMode ? single : team; }
    const TeamState& active() const { return singleMode ? single : team; }
};

// The nine inputs of the player at index: the state's league and team count, the record's games.
LkzInputs inputsOf(const TeamState& state, int index);
LkzInputs inputsOf(const TeamState& state, const PlayerRecord& record);
// Stores the nine inputs into the state and the record at index, and keeps the stored LKZ true:
// his, and every player's when the league or the team count changed.
void storeInputs(TeamState& state, int index, const LkzInputs& inputs);

// The stored LKZ of the record at index and today's point of his season follow his stored values
// (keepHistory). Wherever stored values change, this or storeInputs runs.
void recomputePlayerLkz(TeamState& state, int index);
void recomputeAllLkz(TeamState& state);

// Array index of the current player; 0 when currentLineup matches no one. Changes nothing.
int currentIndex(const TeamState& state);
PlayerRecord* currentPlayer(TeamState& state);
const PlayerRecord* currentPlayer(const TeamState& state);
// Makes a current player that matches no one the first of the array.
void keepCurrentValid(TeamState& state);

// Both modes as a first start finds them: a team of n players and the single player.
TeamModel newModel(int teamSize);

// A player's default name, "Nr. <lineup>": the line-up number is his identity, here as in the
// INI file's keys.
std::string defaultPlayerName(int lineup);
extern const char* const singlePlayerName; // "Einzelspieler"
// The name a record of this state starts with: the default name, or "Einzelspieler".
std::string startingName(const TeamState& state, int lineup);

// Gives the record a new line-up number; a default name follows it, a custom name stays.
void renumber(PlayerRecord& record, int lineup);
// A new player at this line-up number: his starting name and values, no marks.
PlayerRecord newPlayer(const TeamState& state, int lineup);
// The record at index back to its starting values; its name stays unless it has none. The
// league and the number of teams, which all the state's players share, stay too.
void resetPlayerValues(TeamState& state, int index);
// The league and the number of teams as a first start has them: none and 12.
void resetLeague(TeamState& state);
// Cuts text to maxNameLength characters, never inside one, and derives customName.
void setPlayerName(TeamState& state, int index, const std::string& text);

// The label of the tab of the player at index: the name, or "Nr. <lineup>" for a default name.
std::string tabLabel(const TeamState& state, int index);
// The tab's tip: "Nr. <lineup>: <name>", on a line of its own the order of the team, then
// "Sperrvermerk" for a marked player and for one who stands where the rules say he must not, his
// deviation.
std::string tabTipText(const TeamState& state, int index);
// What a rename stores: the text, or the starting name when the text is empty.
std::string renamedName(const TeamState& state, int index, const std::string& text);

// Removes the player at index and closes the gap in the line-up numbers; default names follow
// their new number, the marks are kept true. A team keeps at least minTeamSize players: false, and
// nothing changes.
bool removePlayer(TeamState& state, int index);

// Gives the player at index line-up number target; the players between move one place towards
// his old one (a step of one place is a swap). Default names follow their numbers, the marks are
// kept true, the current player stays current, and while the tabs show the line-up the array
// follows it. False, and
// nothing changes, when there is no such place.
bool movePlayer(TeamState& team, int index, int target);

// The squad in line-up order with the LKZ each player's values give, and the check of that
// line-up against the state's rules.
std::vector<SquadEntry> squadInLineupOrder(const TeamState& state);
LineupCheck lineupCheckOf(const TeamState& state);

// Whether the player at index can get or lose a "Sperrvermerk": the squad has several teams and
// he stands outside the first.
bool canChangeBlockMark(const TeamState& team, int index);
// Sets the mark on the player at index and every player above him in his team, or clears it from
// him and every player below him in his team. False, and nothing changes, where it cannot change.
bool setBlockMark(TeamState& team, int index, bool on);
// The marks true again after the line-up, the team size or the rules changed: each mark stays with
// its player; the first team has none (nor has a squad of one team), and in every other team each
// player above its lowest marked one has one.
void keepBlockMarksTrue(TeamState& team);

enum class CountChange { Ignored, Unchanged, Changed };
// The record part of a new team size: keeps the players whose line-up fits, drops the rest,
// appends new ones, picks the current player by position and keeps the marks true.
CountChange changePlayerCount(TeamState& team, int n);
