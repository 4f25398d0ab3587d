#pragma once
// When a press on a tab becomes a drag, and where the bar that shows the drop goes. Window-free.

// The pointer has moved further from the press than the system's drag distance, on either axis.
// A strip that scrolls under a still pointer moves nothing.
bool movedBeyondDragDistance(int dx, int dy, int dragWidth, int dragHeight);

enum class DropEdge { None, Left, Right };
// The bar at the target tab: at its left edge when the player moves forward (to a tab before his),
// at its right edge when he moves back; none over his own tab or no tab.
DropEdge dropEdge(int from, int target);
