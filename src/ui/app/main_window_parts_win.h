#pragma once
// The main dialog's work, one concern a file: set-up, the inputs and their LKZ, the squad and its
// tabs, renaming, typing and spins, the commands and their menus, the options, the status bar of
// the download, rolling up, the secondary windows and the exit.
#include "app/main_window_win.h"
#include "base/handles_win.h"
#include "team/ordering.h"
#include "update/update_check_win.h"

#include <commctrl.h>

// ---- Set-up (main_setup_win) ----
void setUpSpins(MainWindow& window);
void subclassInputs(MainWindow& window);
void setUpSystemMenu(MainWindow& window);
// The LKZ display and its label in their large font; and the font taken back from them.
void setUpLkzDisplay(MainWindow& window);
void releaseLkzDisplay(MainWindow& window);
// The tooltips of the tab strip (its window belongs to the strip) and of the main dialog's
// controls, made in this order; and their end.
void createTooltips(MainWindow& window);
void destroyTooltips(MainWindow& window);
void fillLeagueBox(MainWindow& window);

// ---- The inputs on the screen and the LKZ they give (calculate_win) ----
HWND inputWindow(const MainWindow& window, int kind);
// calculate on the values the controls show; 1 when an LKZ was shown.
int calculate(MainWindow& window, int interactive);
// calculate(0) with automatic calculation on, else clearLkz.
void recalculate(MainWindow& window);
// "Berechnen": calculate(1), which reports the first failing check.
void onCalculateButton(MainWindow& window);
// The red frames of the current player, and their removal.
void paintInputMarks(const MainWindow& window);
void clearInputMarks(const MainWindow& window);
// Gives the focus back to the control that had it before a button.
void restoreFocus(MainWindow& window);

// ---- The squad: records and page, tabs, order, size and mode (squad_win) ----
// The page's values into the record at index of state, and its LKZ after them.
void storePageValues(MainWindow& window, TeamState& state, int index);
// storePageValues for the current player of the active mode.
void storePage(MainWindow& window);
// storePage as a step of "Rückgängig" named after field (a spin's steps of one field merge).
void commitPage(MainWindow& window, HWND field, bool spun);
void showPlayer(MainWindow& window, const TeamState& state, int index);
void selectPlayerLeaving(MainWindow& window, int oldIndex);  // the tab strip is about to change
void selectPlayerArriving(MainWindow& window, int newIndex); // the tab strip has changed
// Selects the tab at index without the strip's notifications, storing the player left.
void switchToPlayer(MainWindow& window, int index);
void setPlayerCount(MainWindow& window);
// SortByLineup or SortByLkz; the current player stays current, on its new tab.
void sortTeam(MainWindow& window, SortOrder order);
// sortTeam(SortByLkz) when the active mode keeps the LKZ order: after a change of values.
void keepLkzOrder(MainWindow& window);
void deletePlayer(MainWindow& window, int index);
// The current player takes line-up number target (team mode); the page stays his.
void moveCurrentPlayer(MainWindow& window, int target);
// Sets or clears the "Sperrvermerk" of the current player (team mode), with those it takes along.
void toggleBlockMark(MainWindow& window);
// What is being typed becomes the squad's now, as a step of its own: before undo, redo or an
// import reads the squad.
void commitTyping(MainWindow& window);
// "Rückgängig" and "Wiederholen": the squad as it was before the last change, or after the last
// change undone, with its tabs, page, LKZ display and marks.
void undoSquadChange(MainWindow& window);
// The active mode again after its squad changed as a whole (undo, redo, an import): tabs, order,
// page, player count, LKZ display and marks.
void showSquad(MainWindow& window);
void redoSquadChange(MainWindow& window);
void switchMode(MainWindow& window);
void showPlayerCountControls(const MainWindow& window, bool show);
// The team as the INI file left it: tabs, the current player, the mode's controls.
void showLoadedTeam(MainWindow& window);
// The page and its fields drawn again, after the strip: whenever the selected tab changes or the
// strip scrolls, the strip may have painted over the page.
void redrawPage(const MainWindow& window);
// The tab strip's scroll arrows, hooked once they exist.
void hookTabScroller(MainWindow& window);

// ---- Renaming a player over his tab (rename_win) ----
bool isRenameEditVisible(const MainWindow& window);
void startRename(MainWindow& window);
// Ends a rename in progress, keeping the typed name (or, after Escape, the old one).
void hideRenameEdit(MainWindow& window);
void cancelRename(MainWindow& window);
// The rename field has lost the focus to gettingFocus: the name is stored and labels the tab.
void finishRename(MainWindow& window, HWND gettingFocus);

// ---- Typing into the number fields (typing_win) ----
void onFieldKeyReleased(MainWindow& window, HWND field, UINT key);
void onFieldFocusGained(MainWindow& window, HWND field);
void onFieldFocusLost(MainWindow& window, HWND field);
void onFieldFramePainted(MainWindow& window);
// Timer IDT_COMMIT: works on the field that has the focus when it fires.
void onCommitTimer(MainWindow& window);
// A commit the timer still defers is carried out now, so what is read next is what the fields show.
void completePendingCommit(MainWindow& window);
// The exit sequence has begun: a deferred commit is carried out now; then nothing is committed.
void stopTyping(MainWindow& window);

// ---- Spins and clear buttons (spins_win) ----
// A step of the team-count or match-count spin, or of a game spin of the page, before the spin
// changes its field; true to refuse the step.
bool onSpinStep(MainWindow& window, const NMUPDOWN& step);
// A spin of the main dialog or the page finished its steps.
void onSpinEnded(MainWindow& window);
// A clear button of the page emptied its row: the player keeps the cleared values.
void onRowCleared(MainWindow& window, int button);
void onLeagueChange(MainWindow& window);

// ---- Options (options_win) ----
void toggleOnTop(MainWindow& window);
void toggleAutoCalc(MainWindow& window);
void toggleSaveData(MainWindow& window);
void chooseHighlightColour(MainWindow& window);

// ---- The commands and their menus (commands_win) ----
// A command of a button, a menu or a key: carried out when the active mode has it and it is enabled.
// False for an id that is no command.
bool runCommand(MainWindow& window, int id);
// The options menu and the tab strip's context menu as the active mode shows them: trimmed,
// checked, enabled and named as the command table says.
AutoMenu loadOptionsMenu(const MainWindow& window);
AutoMenu loadTabMenu(const MainWindow& window);
void showOptionsMenu(MainWindow& window);
// The tab menu at screen (-1, -1 for the keyboard): a click on another tab first selects its player.
void showTabContextMenu(MainWindow& window, POINT screen);
// The tab menu for the current player, at the pointer.
void showTabMenu(MainWindow& window);
// Ctrl+Z and Ctrl+Y reach the main dialog wherever the focus is in it (the rename field keeps them).
void catchUndoKeys(MainWindow& window);
void releaseUndoKeys(MainWindow& window);

// ---- Secondary windows, each handed what it shows (secondary_win) ----
void openFormulaWindow(MainWindow& window);
void openForecast(MainWindow& window);
void openTeamOverview(MainWindow& window);
// "Aufstellungsregeln..." of the team; true when they changed.
bool editRules(MainWindow& window);
void openHistory(MainWindow& window);

// ---- A result portal's player balances, pasted or opened (balances_import_win) ----
// "Bilanzen einfügen..." and "Bilanzen aus Datei...": read, shown in the preview, taken as one
// step of undo; a refusal is told in a box.
void pasteBalances(MainWindow& window);
void openBalancesFile(MainWindow& window);

// ---- The exit sequence (exit_win) ----
void closeMainDialog(MainWindow& window);
