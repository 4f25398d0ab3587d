#pragma once
// What the numeric fields do with a typed character, a released key and the commit timer.
// Window-free: the fields report what they show, the rules answer the steps to take in order.
#include <optional>
#include <string>
#include <vector>

enum class NumericField { TeamCount, Matches, PlayerCount, Games };

// ---- Typed characters ----

enum class CharVerdict { Pass, Swallow, Beep };
// text is the field's text, [selStart, selEnd) its selection, the caret at selEnd.
CharVerdict filterChar(const std::string& text, int selStart, int selEnd, unsigned ch);

// ---- Released keys and the commit timer ----

enum class StepKind {
    SetText,     // the field's text becomes the number in value
    SetPartner,  // the partner field's text becomes the number in value
    SelectAll,
    StartTimer,  // the commit timer with value ms; 1250 ms also arms the deferral
    Compute,     // calculate without messages
    Commit,      // store the page into the current player
};
struct Step {
    StepKind kind;
    int value = 0;
    bool operator==(const Step& other) const { return kind == other.kind && value == other.value; }
};
using Steps = std::vector<Step>;

// Virtual-key codes the rules know.
constexpr unsigned keyBack = 0x08, keyLeft = 0x25, keyUp = 0x26, keyRight = 0x27, keyDown = 0x28,
                   keyDelete = 0x2E;
bool isDigitKey(unsigned key);
bool isEraseKey(unsigned key);

struct FieldState {
    NumericField field;
    std::string text;   // as the field shows it
    int partner = 0;    // the value of the other field of a Paarkreuz row
    int limit = 0;      // twice the matches, for the game counts
    bool autoCalc = false;
    bool commitPending = false;
};

// The steps after a key is released in a field.
Steps keyReleaseSteps(const FieldState& state, unsigned key);
// The steps when the commit timer fires, for the field that has the focus then.
Steps commitTimerSteps(const FieldState& focused);

// The pair limit on a typed game count v with partner p: the new v and the new partner, each
// only when it changes.
struct PairFix {
    std::optional<int> value, partner;
};
PairFix pairLimit(int value, int partner, int limit);
