#pragma once
// The main dialog's record: the team model and the whole window state, made at WM_INITDIALOG and
// freed at WM_NCDESTROY, kept with the dialog (DWLP_USER). Only the main dialog's own files, in
// this folder, name it; the pieces below it (number fields, page, tab strip, secondary windows,
// the update's worker) get a window handle, a value or a small record of their own, and notify.
#include "app/rollup_win.h"
#include "app/status_win.h"
#include "base/handles_win.h"
#include "base/view.h"
#include "controls/input_fields_win.h"
#include "controls/tooltip_win.h"
#include "team/tabs_win.h"
#include "team/team.h"
#include "team/undo.h"

#include <memory>
#include <string>
#include <utility>

struct MainWindow;

// The main dialog as the core's view: its LKZ display, its frames, its league box and message
// boxes owned by it.
class DialogView final : public View {
public:
    explicit DialogView(MainWindow& window) : window_(window) {}
    void showLkzText(const std::string& text) override;
    void paintInputMarks() override;
    void clearInputMarks() override;
    void dropLeagueList() override;
    void showDecimal(int decimal) override;
    BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                          BoxIcon icon) override;

private:
    MainWindow& window_;
};

// The rename field over a tab (rename_win).
struct RenameState {
    bool renaming = false;        // the rename field is out, a name not yet committed
    bool starting = false;
    bool cancelled = false;       // Escape: the name goes back to original
    std::string original;
};

// The deferred commit of typed numbers, timer IDT_COMMIT (typing_win).
struct TypingState {
    bool commitPending = false;
    HWND timerField = nullptr;    // the field whose key release armed the commit timer
    bool active = true;           // false once the exit sequence runs
    bool repaintingFrames = false;
};

// A version check in progress, shared with its worker thread (ui/update).
struct VersionCheckJob;

struct MainWindow {
    explicit MainWindow(HWND main) : dialog(main) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The main dialog, its page and its bars.
    HWND dialog;
    HWND page = nullptr;
    HWND tabs = nullptr;
    HWND tabScroller = nullptr; // the strip's scroll arrows, once hooked
    InputSurfaces inputs() const { return {dialog, page}; }

    TeamModel model;
    DialogView view{*this};
    std::wstring iniPath;      // the settings file, read at start and written at exit
    std::wstring updateFolder; // where a new version is offered to go at first

    HWND lastFocused = nullptr; // gets the focus back after a button
    AutoBrush highlightBrush;   // the background of the focused field
    AutoFont lkzFont;           // the LKZ display and its label
    std::unique_ptr<Tooltip> controlTooltip;
    // Shows the tab tips; its window belongs to the tab strip, which destroys it when it goes.
    std::unique_ptr<Tooltip> tabStripTooltip;
    RenameState rename;
    TabTip tabTip;
    TypingState typing;
    // What "Rückgängig" and "Wiederholen" walk, one history a mode, for the run.
    UndoHistory teamUndo, singleUndo;
    UndoHistory& undoHistory() { return model.singleMode ? singleUndo : teamUndo; }
    const UndoHistory& undoHistory() const { return model.singleMode ? singleUndo : teamUndo; }
    // A change to the active mode's squad, made from before to what it is now: undo can take it back.
    void recordSquadChange(SquadChange change, const TeamState& before, Renumbering renumbering = {})
    {
        undoHistory().record(squadStep(change, before, model.active(), renumbering));
    }
    AutoHook undoKeys; // Ctrl+Z and Ctrl+Y wherever the focus is in the main dialog (commands_win)
    std::shared_ptr<VersionCheckJob> update;
    DownloadStatus downloadStatus;
    RollUp rollUp;

    int lastLeagueIndex = -1;
    HWND spunField = nullptr; // the field of the spin stepped last, whose steps make one step of undo
    bool closing = false;     // the exit sequence runs once, whatever asks for it
    SIZE historyWindowSize = {}; // "Verlauf" opens as large as it was last closed in this run
};
