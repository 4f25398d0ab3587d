#include "controls/frame_button.h"

FrameBorders bordersBetween(const Box& window, const Box& textArea)
{
    return {textArea.left - window.left, textArea.top - window.top, window.right - textArea.right,
            window.bottom - textArea.bottom};
}

Box frameButtonBox(const Box& window, const FrameBorders& borders, int width)
{
    Box button;
    button.right = window.right - borders.right;
    button.top = window.top + borders.top;
    button.bottom = window.bottom - borders.bottom;
    button.left = button.right - width;
    return button;
}

bool boxContains(const Box& box, int x, int y)
{
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}
