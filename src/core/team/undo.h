#pragma once
// The history of changes to a squad that undo ("Rückgängig") and redo ("Wiederholen") walk, one
// per mode and for the run only. The squad is whatever record the caller keeps: a change stores it
// whole as it was before and after. Window-free.
#include <cstddef>
#include <deque>
#include <string>
#include <utility>

// The changes that remove or rearrange data; typing into a number field is none of them.
enum class SquadChange { DeletePlayer, PlayerCount, ClearPaarkreuz, Rename, Move };
// "Spieler löschen", "Anzahl der Spieler", "Paarkreuz löschen", "Umbenennen", "Aufstellung ändern".
const char* squadChangeLabel(SquadChange change);
// "Rückgängig: Spieler löschen", or "Rückgängig" when there is nothing to undo (label null).
std::string undoMenuText(const char* label);
// "Wiederholen: Anzahl der Spieler", or "Wiederholen".
std::string redoMenuText(const char* label);

constexpr size_t undoLimit = 20;

template <typename Squad>
class UndoHistory {
public:
    explicit UndoHistory(size_t limit = undoLimit) : limit_(limit) {}

    // A change made: what could be redone is gone, and beyond the limit the oldest change goes.
    void record(SquadChange change, Squad before, Squad after)
    {
        changes_.erase(changes_.begin() + done_, changes_.end());
        changes_.push_back({change, std::move(before), std::move(after)});
        if (changes_.size() > limit_)
            changes_.pop_front();
        done_ = changes_.size();
    }
    // The squad as it was before the newest change not undone yet; null when there is none.
    const Squad* undo()
    {
        if (done_ == 0)
            return nullptr;
        return &changes_[--done_].before;
    }
    // The squad as it was after the change undone last; null when there is none.
    const Squad* redo()
    {
        if (done_ == changes_.size())
            return nullptr;
        return &changes_[done_++].after;
    }
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < changes_.size(); }
    std::string undoText() const { return undoMenuText(canUndo() ? squadChangeLabel(changes_[done_ - 1].change) : nullptr); }
    std::string redoText() const { return redoMenuText(canRedo() ? squadChangeLabel(changes_[done_].change) : nullptr); }
    void clear()
    {
        changes_.clear();
        done_ = 0;
    }

private:
    struct Change {
        SquadChange change;
        Squad before, after;
    };
    size_t limit_;
    std::deque<Change> changes_;
    size_t done_ = 0; // the changes before this index are in effect
};
