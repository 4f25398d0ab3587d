#include "display/calculate.h"

#include "base/view.h"

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

bool anyMark()
{
    const PlayerRecord* player = currentPlayer();
    if (!player)
        return false;
    for (int mark : player->invalid)
        if (mark)
            return true;
    return false;
}

void showLkzText(const std::string& text)
{
    view().showLkzText(text);
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
    view().showDecimal(decimal);
}

int calculateFrom(const LkzInputs& in, int interactive)
{
    const CheckResult check = checkInputs(in);

    // A missing league is shown at once, framed, with the list dropped for the choice.
    setMark(League, check.marks[League]);
    if (check.leagueMissing && interactive) {
        clearLkz();
        view().paintInputMarks();
        showErrorMessage(check.message, check.title);
        view().dropLeagueList();
    }
    // Then the singles check and the team check, each with its marks and, as the first failure,
    // its message.
    for (int kind = Won1; kind <= Lost3; ++kind)
        setMark(kind, check.marks[kind]);
    setMark(Matches, check.singlesImplausible ? 1 : 0);
    const bool reported = check.leagueMissing;
    if (check.singlesImplausible && interactive && !reported)
        showErrorMessage(check.message, check.title);
    if (check.teamsImplausible)
        clearLkz();
    setMark(TeamCount, check.marks[TeamCount]);
    setMark(Matches, check.marks[Matches]);
    if (check.teamsImplausible && interactive && !reported && !check.singlesImplausible)
        showErrorMessage(check.message, check.title);

    view().clearInputMarks();
    if (anyMark()) {
        clearLkz();
        return 0;
    }

    const double x = computeLkz(in);
    currentLkz = static_cast<float>(x);
    const std::string text = activeState().decimal ? formatLkz(x, 1) : formatLkz(currentLkz, 0);
    showLkzText(text);
    return 1;
}
