#pragma once
// What the window-free code needs of the window: the LKZ display, the red frames, the league
// list, the decimal check box and message boxes. The program lends its dialogs, tests a recorder.
#include <string>
#include <vector>

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

// The view stays installed until replaced; nullptr uninstalls it.
void setView(View* view);
// The installed view. Using the core without one is a programming error: it stops the program
// with a message instead of losing what the user should have seen.
View& view();

// An error box with one OK button.
void showErrorMessage(const std::string& text, const std::string& title);

// While alive, message boxes wait and the other view calls go through: for work that holds a
// lock and must not wait for the user; a held message answers Ok. release() puts the previous
// view back and shows them.
class HeldMessages final : public View {
public:
    HeldMessages();
    ~HeldMessages() override;
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;
    void release();

    void showLkzText(const std::string& text) override { previous_->showLkzText(text); }
    void paintInputMarks() override { previous_->paintInputMarks(); }
    void clearInputMarks() override { previous_->clearInputMarks(); }
    void dropLeagueList() override { previous_->dropLeagueList(); }
    void showDecimal(int decimal) override { previous_->showDecimal(decimal); }
    BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                          BoxIcon icon) override;

private:
    struct Held {
        std::string text, title;
        BoxButtons buttons;
        BoxIcon icon;
    };
    View* previous_;
    std::vector<Held> held_;
    bool released_ = false;
};
