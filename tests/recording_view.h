#pragma once
// A view for tests of the window-free code: records what the user would have seen, in order.
#include "base/view.h"

#include <string>
#include <utility>
#include <vector>

class RecordingView : public View {
public:
    // "display 207", "paint", "clear marks", "drop list", "decimal 1", "box Fehler: text"
    std::vector<std::string> events;
    std::vector<std::pair<std::string, std::string>> boxes; // text, title

    void showLkzText(const std::string& text) override { events.push_back("display " + text); }
    void paintInputMarks() override { events.push_back("paint"); }
    void clearInputMarks() override { events.push_back("clear marks"); }
    void dropLeagueList() override { events.push_back("drop list"); }
    void showDecimal(int decimal) override { events.push_back("decimal " + std::to_string(decimal)); }
    BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons, BoxIcon) override
    {
        events.push_back("box " + title + ": " + text);
        boxes.emplace_back(text, title);
        return BoxAnswer::Ok;
    }

    void clear()
    {
        events.clear();
        boxes.clear();
    }
    std::string lastDisplay() const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->rfind("display ", 0) == 0)
                return it->substr(8);
        return "";
    }
};
