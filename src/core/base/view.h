#pragma once
// What the window-free code needs of the window: the LKZ display, the red frames, the league
// list, the decimal check box and message boxes. The main dialog lends itself, tests a recorder;
// whoever calls the core hands it the view to work on.
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
    // Modal, owned by the main window.
    virtual BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                                  BoxIcon icon) = 0;
};

// Shows nothing and answers Ok: the core alone, for benchmarks and fuzzing.
class SilentView final : public View {
public:
    void showLkzText(const std::string&) override {}
    void paintInputMarks() override {}
    void clearInputMarks() override {}
    void dropLeagueList() override {}
    void showDecimal(int) override {}
    BoxAnswer showMessage(const std::string&, const std::string&, BoxButtons, BoxIcon) override { return BoxAnswer::Ok; }
};

// An error box with one OK button.
void showErrorMessage(View& view, const std::string& text, const std::string& title);
