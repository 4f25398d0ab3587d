// The formula, forecast, overview and chart windows, each handed what it shows when it opens.
#include "app/main_window_parts_win.h"

#include "controls/input_fields_win.h"
#include "display/forecast_win.h"
#include "display/formula_win.h"
#include "display/history_win.h"
#include "team/lineup_rules_win.h"
#include "team/overview_win.h"

void openFormulaWindow(MainWindow& window)
{
    completePendingCommit(window);
    showFormulaWindow(window.dialog, formulaSnapshot(readInputs(window.inputs()), window.model.active().decimal));
}

void openForecast(MainWindow& window)
{
    completePendingCommit(window);
    const TeamState& state = window.model.active();
    const LkzInputs today = readInputs(window.inputs());
    ForecastSnapshot snapshot;
    snapshot.forecast = forecastNextMatch(today, state.decimal);
    snapshot.summary = forecastSummary(snapshot.forecast, tabLabel(state, currentIndex(state)), today[Matches]);
    if (!state.isSingle()) {
        const PlayerRecord* current = currentPlayer(state);
        snapshot.notes = lineupForecast(squadInLineupOrder(state), current ? current->lineup - 1 : 0, today, state.rules);
    }
    showForecast(window.dialog, snapshot);
}

void openTeamOverview(MainWindow& window)
{
    completePendingCommit(window);
    // The page's values count; the team itself stays as it is. Asked for the rules, the overview
    // comes back with them.
    for (;;) {
        TeamState team = window.model.team;
        storeInputs(team, currentIndex(team), readInputs(window.inputs()));
        if (showTeamOverview(window.dialog, teamOverview(team)) != OverviewEnd::RulesWanted || !editRules(window))
            return;
    }
}

bool editRules(MainWindow& window)
{
    const TeamState before = window.model.team;
    if (!editLineupRules(window.dialog, window.model.team.rules))
        return false;
    keepBlockMarksTrue(window.model.team);
    window.recordSquadChange(SquadChange::Rules, before);
    return true;
}

void openHistory(MainWindow& window)
{
    completePendingCommit(window);
    // As the overview: the page's values count (today's point with them); the team stays as it is.
    TeamState state = window.model.active();
    storeInputs(state, currentIndex(state), readInputs(window.inputs()));
    HistorySnapshot snapshot{seasonChart(state), window.historyWindowSize};
    showHistory(window.dialog, snapshot);
    window.historyWindowSize = snapshot.size;
}
