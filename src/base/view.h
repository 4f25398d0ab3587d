#pragma once
// What the window-free code needs of the window: the LKZ display, the red frames, the league
// list, the decimal check box and message boxes. The program lends its dialogs, tests a recorder.
#include <string>

enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxIcon { Error, Information };
enum class BoxAnswer { Ok, Yes, No, Cancel };

class View {
public:
    virtual ~View() = default;
    virtual void showLkzText(const std::string& text) = 0; // UTF-8
    virtual void paintInputMarks() = 0;
    virtual void clearInputMarks() = 0;
    virtual void dropLeagueList() = 0;
    virtual void showDecimal(int decimal) = 0; // redraw the display, set the check box
    // Modal, owned by the main window; safe to call from any thread.
    virtual BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                                  BoxIcon icon) = 0;
};

// The view stays installed until replaced; nullptr uninstalls it.
void setView(View* view);
// The installed view. Using the core without one is a programming error: it stops the program
// with a message instead of losing what the user should have seen.
View& view();

// An error box with one OK button.
void showErrorMessage(const std::string& text, const std::string& title);
