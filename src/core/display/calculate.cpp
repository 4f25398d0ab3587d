#include "display/calculate.h"

#include "rating/shown_lkz.h"

void setMark(TeamModel& model, int kind, int value)
{
    PlayerRecord* player = currentPlayer(model.active());
    if (player && kind >= 0 && kind < InputKindCount)
        player->invalid[kind] = value;
}

int getMark(const TeamModel& model, int kind)
{
    const PlayerRecord* player = currentPlayer(model.active());
    if (!player || kind < 0 || kind >= InputKindCount)
        return 0;
    return player->invalid[kind];
}

bool anyMark(const TeamModel& model)
{
    const PlayerRecord* player = currentPlayer(model.active());
    if (!player)
        return false;
    for (int mark : player->invalid)
        if (mark)
            return true;
    return false;
}

void clearMarks(TeamModel& model)
{
    if (PlayerRecord* player = currentPlayer(model.active()))
        for (int32_t& mark : player->invalid)
            mark = 0;
}

void showLkzText(TeamModel& model, View& view, const std::string& text)
{
    view.showLkzText(text);
    TeamState& state = model.active();
    recomputePlayerLkz(state, currentIndex(state));
}

void clearLkz(TeamModel& model, View& view)
{
    model.currentLkz = 0;
    showLkzText(model, view, shownLkzText(0, model.active().decimal));
}

void toggleDecimalOutput(TeamModel& model, View& view)
{
    const int decimal = model.active().decimal ? 0 : 1;
    model.active().decimal = decimal;
    showLkzText(model, view, shownLkzText(model.currentLkz, decimal));
    view.showDecimal(decimal);
}

int calculateFrom(TeamModel& model, View& view, const LkzInputs& in, int interactive)
{
    const CheckResult check = checkInputs(in);
    const auto reportIf = [&](CheckFailure failure) {
        if (interactive && check.firstFailure == failure)
            showErrorMessage(view, check.message, check.title);
    };

    // A missing league is shown at once, framed, with the list dropped for the choice.
    setMark(model, League, check.marks[League]);
    if (check.leagueMissing && interactive) {
        clearLkz(model, view);
        view.paintInputMarks();
        reportIf(CheckFailure::League);
        view.dropLeagueList();
    }
    // Then the singles check and the team check, each with its marks and, as the first failure,
    // its message.
    for (int kind = Won1; kind <= Lost3; ++kind)
        setMark(model, kind, check.marks[kind]);
    setMark(model, Matches, check.singlesImplausible ? 1 : 0);
    reportIf(CheckFailure::Singles);
    if (check.teamsImplausible)
        clearLkz(model, view);
    setMark(model, TeamCount, check.marks[TeamCount]);
    setMark(model, Matches, check.marks[Matches]);
    reportIf(CheckFailure::Teams);

    view.clearInputMarks();
    if (anyMark(model)) {
        clearLkz(model, view);
        return 0;
    }

    const double x = computeLkz(in);
    model.currentLkz = static_cast<float>(x);
    const std::string text = model.active().decimal ? shownLkzText(x, 1) : shownLkzText(model.currentLkz, 0);
    showLkzText(model, view, text);
    return 1;
}
