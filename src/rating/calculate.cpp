#include "rating/calculate.h"

#include "app/notify.h"

#include <cmath>
#include <cstdio>

LkzView lkzView;
float currentLkz = 0;

void setMark(int kind, int value)
{
    PlayerRecord* player = currentPlayer();
    if (player && kind >= 0 && kind < InputKindCount)
        player->invalid[kind] = value;
}

int getMark(int kind)
{
    const PlayerRecord* player = currentPlayer();
    if (!player || kind < 0 || kind >= InputKindCount)
        return 0;
    return player->invalid[kind];
}

static bool hasMark(const PlayerRecord& record)
{
    for (int mark : record.invalid)
        if (mark)
            return true;
    return false;
}

bool anyMark()
{
    const PlayerRecord* player = currentPlayer();
    return player && hasMark(*player);
}

float playerLkz(const TeamState& state, const PlayerRecord& p)
{
    // A team count of 0 or 1 only comes from an edited INI file; its factor 11 / (n - 1) is no rating.
    if (hasMark(p) || state.teamCount <= 1)
        return 0;
    const double x = computeLkz(leagueBase(state.league), state.teamCount, p.matches, p.won1, p.lost1,
                                p.won2, p.lost2, p.won3, p.lost3);
    const float lkz = static_cast<float>(x);
    return std::isfinite(lkz) ? lkz : 0;
}

void recomputePlayerLkz(TeamState& state, int index)
{
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    PlayerRecord& record = state.players[index];
    record.lkz = playerLkz(state, record);
}

void showLkzText(const std::string& text)
{
    if (lkzView.showText)
        lkzView.showText(text);
    recomputePlayerLkz(activeState(), currentPlayerIndex());
}

void clearLkz()
{
    currentLkz = 0;
    showLkzText(activeState().decimal ? "0,0" : "0");
}

void toggleDecimalOutput()
{
    const int decimal = activeState().decimal ? 0 : 1;
    activeState().decimal = decimal;
    showLkzText(formatLkz(currentLkz, decimal));
    if (lkzView.decimalShown)
        lkzView.decimalShown(decimal);
}

static void call(void (*operation)())
{
    if (operation)
        operation();
}

static std::string singlesMessage(int singles, int matches)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  matches == 1 ? "Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n%d Einzel in %d Punktspiel."
                               : "Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n%d Einzel in %d Punktspielen.",
                  singles, matches);
    return buffer;
}

static std::string teamsMessage(int matches, int teamCount)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel:\n%d Punktspiele bei %d Mannschaften.",
                  matches, teamCount);
    return buffer;
}

int calculateFrom(const LkzInputs& in, int interactive)
{
    bool shown = false;

    const bool leagueSelected = in.league >= 0 && in.league < leagueCount;
    const int base = leagueBase(in.league);
    setMark(League, leagueSelected ? 0 : 1);
    if (!leagueSelected && interactive) {
        clearLkz();
        call(lkzView.paintInputMarks);
        showErrorMessage("Bitte eine Spielklasse auswählen.", "Fehler");
        call(lkzView.dropLeagueList);
        shown = true;
    }

    const int singles = in.singles();
    if ((singles < in.matches && singles != 0) || singles > 2 * in.matches) {
        setMark(Matches, 1);
        const int games[] = {in.won1, in.lost1, in.won2, in.lost2, in.won3, in.lost3};
        for (int i = 0; i < 6; ++i)
            setMark(Won1 + i, games[i] > 0 ? 1 : 0);
        if (interactive && !shown) {
            showErrorMessage(singlesMessage(singles, in.matches), "LKZ berechnen");
            shown = true;
        }
    } else {
        for (int kind = Matches; kind <= Lost3; ++kind)
            setMark(kind, 0);
    }

    if (in.matches < in.teamCount) {
        setMark(TeamCount, 0);
    } else {
        clearLkz();
        setMark(TeamCount, 1);
        setMark(Matches, 1);
        if (interactive && !shown)
            showErrorMessage(teamsMessage(in.matches, in.teamCount), "Fehler");
    }

    call(lkzView.clearInputMarks);
    if (anyMark()) {
        clearLkz();
        return 0;
    }

    const double x = computeLkz(base, in.teamCount, in.matches, in.won1, in.lost1, in.won2, in.lost2,
                                in.won3, in.lost3);
    currentLkz = static_cast<float>(x);
    const std::string text = activeState().decimal ? formatLkz(x, 1) : formatLkz(currentLkz, 0);
    showLkzText(text);
    return 1;
}

int valuesFormulaUnavailable(const LkzInputs& in)
{
    const int singles = in.singles();
    const bool available = in.league >= 0 && in.league < leagueCount && in.matches <= singles &&
                           singles <= 2 * in.matches && in.matches < in.teamCount && singles != 0;
    return available ? 0 : 1;
}
