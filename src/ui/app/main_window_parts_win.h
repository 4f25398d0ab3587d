#pragma once
// The main dialog's work, one concern a file: set-up, typing and spins, the options and their
// menu, the status bar of the download, rolling up, the secondary windows and the exit.
#include "app/rollup_win.h"
#include "app/status_win.h"
#include "base/handles_win.h"
#include "controls/main_window_win.h"
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
// The options pop-up menu with its check marks.
AutoMenu loadOptionsMenu(const MainWindow& window);
// Ctrl+Z and Ctrl+Y reach the main dialog wherever the focus is in it (the rename field keeps them).
void catchUndoKeys(MainWindow& window);
void releaseUndoKeys(MainWindow& window);
void showOptionsMenu(MainWindow& window);

// ---- Secondary windows, each handed what it shows (secondary_win) ----
void openFormulaWindow(MainWindow& window);
void openForecast(MainWindow& window);
void openTeamOverview(MainWindow& window);
// "Aufstellungsregeln..." of the team; true when they changed.
bool editRules(MainWindow& window);
void openHistory(MainWindow& window);

// ---- The exit sequence (exit_win) ----
void closeMainDialog(MainWindow& window);
