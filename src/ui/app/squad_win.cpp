// The squad of the active mode: its records and the page, the tabs, order, size and mode.
#include "app/main_window_parts_win.h"

#include "base/dialogs_win.h"
#include "base/numbers.h"
#include "base/text_win.h"
#include "controls/input_fields_win.h"
#include "display/calculate.h"
#include "resource.h"
#include "team/ordering.h"
#include "team/tabs_win.h"

#include <commctrl.h>
#include <initializer_list>
#include <utility>

namespace {

int readPlayerCountField(const MainWindow& window)
{
    return decimalValue(narrow(windowText(GetDlgItem(window.dialog, IDC_PLAYER_COUNT_FIELD))));
}

void writePlayerCountField(const MainWindow& window, int n) { setFieldValue(window.dialog, IDC_PLAYER_COUNT_FIELD, n); }

bool validIndex(const TeamState& state, int index)
{
    return index >= 0 && index < static_cast<int>(state.players.size());
}

// The tab of index selected; a strip that scrolls to show it has painted before the page does.
void selectTab(const MainWindow& window, int index)
{
    TabCtrl_SetCurSel(window.tabs, index);
    redrawPage(window);
}

// The tabs again from the array, and the current player selected and shown.
void showTeamAgain(MainWindow& window)
{
    const TeamState& state = window.model.active();
    rebuildTabs(window.tabs, window.model.active());
    const int current = currentIndex(state);
    selectTab(window, current);
    showPlayer(window, state, current);
    redrawPage(window);
}

// The check boxes of the options the active mode keeps.
void showModeOptions(const MainWindow& window)
{
    const TeamState& state = window.model.active();
    setCheck(window.dialog, IDC_DECIMAL_CHECK, state.decimal);
    setCheck(window.dialog, IDC_AUTO_CALC_CHECK, state.autoCalc);
    setCheck(window.dialog, IDC_SAVE_DATA_CHECK, state.saveData);
}

void showArrivingPlayer(MainWindow& window, int newIndex)
{
    TeamState& team = window.model.team;
    if (!window.model.singleMode && validIndex(team, newIndex)) {
        showPlayer(window, team, newIndex);
        team.currentLineup = team.players[newIndex].lineup;
    }
    clearInputMarks(window); // the frames of the player left behind
    recalculate(window);
}

} // namespace

// storeInputs keeps the stored LKZ and the season true to the stored values, so that the LKZ
// order never sorts by values the player no longer has.
void storePageValues(MainWindow& window, TeamState& state, int index)
{
    storeInputs(state, index, readInputs(window.inputs()));
}

void commitPage(MainWindow& window, HWND field, bool spun)
{
    int kind = -1;
    for (const InputControl& input : inputControls)
        if (field && inputWindow(window, input.kind) == field)
            kind = input.kind;
    const TeamState before = window.model.active();
    storePage(window);
    const TeamState& after = window.model.active();
    window.undoHistory().record(kind >= 0 ? inputStep(static_cast<InputKind>(kind), before, after, spun)
                                          : squadStep(SquadChange::Entry, before, after));
}

void storePage(MainWindow& window)
{
    TeamState& state = window.model.active();
    storePageValues(window, state, currentIndex(state));
}

void showPlayer(MainWindow& window, const TeamState& state, int index)
{
    if (!validIndex(state, index))
        return;
    const bool onTop = window.model.onTop == 1;
    placeOnTop(window.dialog, onTop);
    showInputs(window.inputs(), inputsOf(state, index));
    showModeOptions(window);
    setCheck(window.dialog, IDC_ON_TOP_CHECK, onTop);
    setWindowTextIfChanged(GetDlgItem(window.dialog, IDC_MODE_BUTTON),
                           window.model.singleMode ? L"Mannschaft" : L"Einzelspieler");
}

void selectPlayerLeaving(MainWindow& window, int oldIndex)
{
    hideRenameEdit(window);
    window.undoHistory().closeStep();
    if (!window.model.singleMode)
        storePageValues(window, window.model.team, oldIndex);
}

void selectPlayerArriving(MainWindow& window, int newIndex)
{
    showArrivingPlayer(window, newIndex);
    window.lastFocused = window.tabs;
}

void switchToPlayer(MainWindow& window, int index)
{
    const int selected = TabCtrl_GetCurSel(window.tabs);
    if (index == selected || !validIndex(window.model.active(), index))
        return;
    window.undoHistory().closeStep();
    if (!window.model.singleMode)
        storePageValues(window, window.model.team, selected);
    selectTab(window, index);
    showArrivingPlayer(window, index);
    RedrawWindow(GetDlgItem(window.dialog, IDC_LKZ_DISPLAY), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void setPlayerCount(MainWindow& window)
{
    storePage(window);
    const TeamState before = window.model.team;
    switch (changePlayerCount(window.model.team, readPlayerCountField(window))) {
    case CountChange::Ignored:
        return;
    case CountChange::Unchanged:
        restoreFocus(window);
        return;
    case CountChange::Changed:
        break;
    }
    window.recordSquadChange(SquadChange::PlayerCount, before);
    clearInputMarks(window);
    showTeamAgain(window);
    hookTabScroller(window);
    if (window.model.active().autoCalc)
        calculate(window, 0);
    keepLkzOrder(window);
    restoreFocus(window);
}

void sortTeam(MainWindow& window, SortOrder order)
{
    TeamState& team = window.model.team;
    if (order == SortByLkz)
        sortByLkzValue(team);
    else
        sortByLineup(team);
    // Only the order changed: the tabs get their new labels in place, and the current player
    // keeps the page as it stands, with its values, its LKZ and its marks.
    relabelTabs(window.tabs, window.model.active());
    const int current = currentIndex(team);
    if (TabCtrl_GetCurSel(window.tabs) != current)
        selectTab(window, current);
}

void keepLkzOrder(MainWindow& window)
{
    if (!window.model.singleMode && window.model.team.sortByLkz == 1)
        sortTeam(window, SortByLkz);
}

void deletePlayer(MainWindow& window, int index)
{
    storePage(window);
    const TeamState before = window.model.team;
    if (!removePlayer(window.model.team, index))
        return;
    window.recordSquadChange(SquadChange::DeletePlayer, before, {before.players[index].lineup, 0});
    clearInputMarks(window);
    showTeamAgain(window);
    recalculate(window); // the display must not keep the LKZ of the player removed
    writePlayerCountField(window, window.model.team.playerCount);
    restoreFocus(window);
}

void moveCurrentPlayer(MainWindow& window, int target)
{
    TeamState& team = window.model.team;
    hideRenameEdit(window);
    storePage(window);
    const TeamState before = team;
    if (!movePlayer(team, currentIndex(team), target))
        return;
    window.recordSquadChange(SquadChange::Move, before, {before.players[currentIndex(before)].lineup, target});
    // Only numbers and the order of the tabs changed; the page is the same player's.
    relabelTabs(window.tabs, window.model.active());
    selectTab(window, currentIndex(team));
    restoreFocus(window);
}

void showSquad(MainWindow& window)
{
    hideRenameEdit(window);
    const TeamState& state = window.model.active();
    clearInputMarks(window);
    if (!state.isSingle())
        writePlayerCountField(window, state.playerCount);
    showTeamAgain(window);
    hookTabScroller(window);
    recalculate(window);
    paintInputMarks(window);
}

void toggleBlockMark(MainWindow& window)
{
    TeamState& team = window.model.team;
    storePage(window);
    const TeamState before = team;
    const int current = currentIndex(team);
    if (!setBlockMark(team, current, !team.players[current].blockMark))
        return;
    window.recordSquadChange(SquadChange::BlockMark, before);
    restoreFocus(window);
}

void commitTyping(MainWindow& window)
{
    completePendingCommit(window);
    commitPage(window, GetFocus(), false);
}

void undoSquadChange(MainWindow& window)
{
    commitTyping(window);
    if (window.undoHistory().undo(window.model.active()))
        showSquad(window);
}

void redoSquadChange(MainWindow& window)
{
    commitTyping(window);
    if (window.undoHistory().redo(window.model.active()))
        showSquad(window);
}

void switchMode(MainWindow& window)
{
    TeamModel& model = window.model;
    storePage(window);
    model.singleMode = model.singleMode ? 0 : 1;
    showPlayer(window, model.active(), currentIndex(model.active()));
    showPlayerCountControls(window, !model.singleMode);
    rebuildTabs(window.tabs, window.model.active());
    redrawPage(window);
    selectTab(window, currentIndex(model.active()));
    if (model.active().autoCalc) {
        calculate(window, 0);
    } else {
        clearLkz(model, window.view);
        clearInputMarks(window);
    }
    redrawPlayerCountFields(window.dialog);
    restoreFocus(window);
}

void showPlayerCountControls(const MainWindow& window, bool show)
{
    for (int id : {IDC_PLAYER_COUNT_LABEL, IDC_PLAYER_COUNT_FIELD, IDC_PLAYER_COUNT_SPIN, IDC_APPLY_COUNT_BUTTON})
        ShowWindow(GetDlgItem(window.dialog, id), show ? SW_SHOW : SW_HIDE);
}

void redrawPage(const MainWindow& window)
{
    UpdateWindow(window.tabs);
    RedrawWindow(window.page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void hookTabScroller(MainWindow& window) { hookTabScroller(window.tabs, window.tabScroller); }

void showLoadedTeam(MainWindow& window)
{
    TeamModel& model = window.model;
    writePlayerCountField(window, model.team.playerCount);
    relabelTabs(window.tabs, window.model.active()); // a single player keeps the first tab; a team gets its own
    TeamState& state = model.active();
    if (!model.singleMode)
        selectTab(window, currentIndex(state));
    showPlayer(window, state, currentIndex(state));
    if (model.singleMode)
        showPlayerCountControls(window, false);
}
