#include "controls/tab_drag.h"

#include <cstdlib>

bool movedBeyondDragDistance(int dx, int dy, int dragWidth, int dragHeight)
{
    return std::abs(dx) > dragWidth || std::abs(dy) > dragHeight;
}

DropEdge dropEdge(int from, int target)
{
    if (from < 0 || target < 0 || target == from)
        return DropEdge::None;
    return target < from ? DropEdge::Left : DropEdge::Right;
}
