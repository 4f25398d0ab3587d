#pragma once
// Where the "..." button sits inside an edit field's frame: at the right end of the frame's inner
// height, as wide as asked. Window-free, so the geometry is tested without a window.

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The widths of the field's own frame, as the window and its text area differ.
struct FrameBorders {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// From the window's rectangle before and the text area after the field computed its frame.
FrameBorders bordersBetween(const Box& window, const Box& textArea);

// The button for a window rectangle given in any coordinate frame.
Box frameButtonBox(const Box& window, const FrameBorders& borders, int width);

// Left and top edges inside, right and bottom outside, as the system counts.
bool boxContains(const Box& box, int x, int y);
