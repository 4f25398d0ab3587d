#include "team/team_win.h"

#include "base/text_win.h"
#include "base/view.h"
#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "controls/focus_win.h"
#include "display/calculate_win.h"
#include "resource.h"
#include "settings/settings.h"
#include "team/ordering.h"
#include "team/tabs_win.h"

#include <commctrl.h>
#include <initializer_list>

namespace {

bool validIndex(const TeamState& state, int index)
{
    return index >= 0 && index < static_cast<int>(state.players.size());
}

void repaintPage() { RedrawWindow(pageDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

// The tabs again from the array, and the current player selected and shown.
void showTeamAgain()
{
    rebuildTabs();
    const int current = currentPlayerIndex();
    TabCtrl_SetCurSel(tabControl, current);
    showPlayer(teamState, current);
    repaintPage();
}

} // namespace

// The stored LKZ follows the stored values, so that the LKZ order never sorts by values the
// player no longer has.
void storePageValues(TeamState& state, int index)
{
    storeInputs(state, index, readInputs());
    recomputePlayerLkz(state, index);
}

void storePage()
{
    if (teamState.singleMode)
        storePageValues(singleState, 0);
    else
        storePageValues(teamState, currentPlayerIndex());
}

void showPlayer(TeamState& state, int index)
{
    if (!validIndex(state, index))
        return;
    const bool onTop = teamState.onTop == 1 && singleState.onTop == 1;
    placeOnTop(onTop);
    showInputs(inputsOf(state, index));
    setCheck(IDC_DECIMAL_CHECK, activeState().decimal);
    setCheck(IDC_AUTO_CALC_CHECK, activeState().autoCalc);
    setCheck(IDC_SAVE_DATA_CHECK, activeState().saveData);
    setCheck(IDC_ON_TOP_CHECK, onTop);
    setWindowTextIfChanged(GetDlgItem(mainDialog, IDC_MODE_BUTTON), teamState.singleMode ? L"Mannschaft" : L"Einzelspieler");
}

void selectPlayerLeaving(int oldIndex)
{
    hideRenameEdit();
    if (!teamState.singleMode)
        storePageValues(teamState, oldIndex);
}

namespace {

void showArrivingPlayer(int newIndex)
{
    if (!teamState.singleMode && validIndex(teamState, newIndex)) {
        showPlayer(teamState, newIndex);
        teamState.currentLineup = teamState.players[newIndex].lineup;
    }
    clearInputMarks(); // the frames of the player left behind
    recalculate();
}

} // namespace

void selectPlayerArriving(int newIndex)
{
    showArrivingPlayer(newIndex);
    lastFocused = tabControl;
}

void switchToPlayer(int index)
{
    const int selected = TabCtrl_GetCurSel(tabControl);
    if (index == selected || !validIndex(activeState(), index))
        return;
    if (!teamState.singleMode)
        storePageValues(teamState, selected);
    TabCtrl_SetCurSel(tabControl, index);
    showArrivingPlayer(index);
    RedrawWindow(GetDlgItem(mainDialog, IDC_LKZ_DISPLAY), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void setPlayerCount()
{
    switch (changePlayerCount(readPlayerCountField())) {
    case CountChange::Ignored:
        return;
    case CountChange::Unchanged:
        restoreFocus();
        return;
    case CountChange::Changed:
        break;
    }
    clearInputMarks();
    showTeamAgain();
    hookTabScroller();
    if (activeState().autoCalc)
        calculate(0);
    keepLkzOrder();
    restoreFocus();
}

void sortTeam(int order)
{
    if (teamState.singleMode)
        return;
    switch (order) {
    case SortByLineup:
        sortByLineup(teamState);
        break;
    case SortByLkz:
        sortByLkzValue(teamState);
        break;
    default:
        showErrorMessage("Unbekannte Sortierung", "Sortieren");
        return;
    }
    // Only the order changed: the tabs get their new labels in place, and the current player
    // keeps the page as it stands, with its values, its LKZ and its marks.
    relabelTabs();
    const int current = currentPlayerIndex();
    if (TabCtrl_GetCurSel(tabControl) != current)
        TabCtrl_SetCurSel(tabControl, current);
}

void keepLkzOrder()
{
    if (activeState().sortByLkz == 1)
        sortTeam(SortByLkz);
}

void deletePlayer(int index)
{
    if (teamState.singleMode || !removePlayer(teamState, index))
        return;
    clearInputMarks();
    showTeamAgain();
    recalculate(); // the display must not keep the LKZ of the player removed
    writePlayerCountField(teamState.playerCount);
    restoreFocus();
}

void switchMode()
{
    if (teamState.singleMode) {
        storePageValues(singleState, 0);
        setSingleMode(0);
        showPlayer(teamState, currentPlayerIndex());
        showPlayerCountControls(true);
    } else {
        storePageValues(teamState, currentPlayerIndex());
        setSingleMode(1);
        showPlayer(singleState, 0);
        showPlayerCountControls(false);
    }
    rebuildTabs();
    repaintPage();
    TabCtrl_SetCurSel(tabControl, currentPlayerIndex());
    setCheck(IDC_DECIMAL_CHECK, activeState().decimal);
    setCheck(IDC_AUTO_CALC_CHECK, activeState().autoCalc);
    setCheck(IDC_SAVE_DATA_CHECK, activeState().saveData);
    if (activeState().autoCalc) {
        calculate(0);
    } else {
        clearLkz();
        clearInputMarks();
    }
    redrawPlayerCountFields();
    restoreFocus();
}

void showPlayerCountControls(bool show)
{
    for (int id : {IDC_PLAYER_COUNT_LABEL, IDC_PLAYER_COUNT_FIELD, IDC_PLAYER_COUNT_SPIN, IDC_APPLY_COUNT_BUTTON})
        ShowWindow(GetDlgItem(mainDialog, id), show ? SW_SHOW : SW_HIDE);
}

int readPlayerCountField()
{
    return decimalValue(narrow(windowText(GetDlgItem(mainDialog, IDC_PLAYER_COUNT_FIELD))));
}

void writePlayerCountField(int n) { setFieldValue(mainDialog, IDC_PLAYER_COUNT_FIELD, n); }
