#pragma once
// The main dialog: window-level state and the operations other parts of the program call.
#include <windows.h>

extern HINSTANCE appInstance;
extern const wchar_t* const windowTitle; // how a second start finds the running one

// Window-level state, alive as long as the process.
extern HWND mainDialog;
extern HWND pageDialog;
extern HWND tabControl;
extern HWND statusBar;
extern HWND progressBar;
extern RECT fullWindowRect;
extern bool rolledUp;
extern int lastLeagueIndex;
extern HBRUSH highlightBrush;
extern HFONT lkzFont;

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void closeMainDialog();
void toggleOnTop();
void toggleAutoCalc();
void toggleSaveData();
int isAutoCalc();
int isSaveData();
int isDecimal();
void setCheck(int id, int on);
// calculate(0) with automatic calculation on, else clearLkz().
void recalculate();
// storePageValues for the current player of the active mode.
void storePage();
// Colours the focused field: a fresh highlightBrush of highlightColour.
HBRUSH renewHighlightBrush(HDC dc);
// The options pop-up menu with its check marks; the caller destroys it.
HMENU loadOptionsMenu();

// Set-up of the dialog's controls, run once at initialisation.
void setFocusOrder();
void setUpSpins();
void subclassInputs();
void setUpSystemMenu();
void setUpLkzDisplay();
void fillLeagueBox();
int isSystemVersion40();
int isSystemVersion51();
// The red frames around the marked inputs of the current player.
void paintInputMarks();
void clearInputMarks();
// WM_PAINT of the main dialog and of the page: the frames are drawn anew on every paint.
void paintWithInputMarks(HWND window);
// The rectangle, in the coordinates of the window it is drawn on, inside which the frame of
// an input lies; also tells that window.
RECT inputFrameRect(int kind, HWND* surface);

// Value of a field as the rating reads it: the leading number of its first two characters.
int fieldValue(HWND parent, int id);
void setFieldValue(HWND parent, int id, int value);
