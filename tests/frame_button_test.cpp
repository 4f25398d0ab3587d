// The "..." button's place inside an edit field's frame.
#include "controls/frame_button.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameButton, SitsAtTheRightEndOfTheFramesInnerHeight)
{
    // A field at 100,50 of 170 x 21 pixels with a 2-pixel sunken frame.
    const Box window = {100, 50, 270, 71};
    const FrameBorders borders = bordersBetween(window, {102, 52, 268, 69});
    EXPECT_EQ(borders.left, 2);
    EXPECT_EQ(borders.bottom, 2);
    const Box button = frameButtonBox(window, borders, 18);
    EXPECT_EQ(button.left, 250);
    EXPECT_EQ(button.right, 268);
    EXPECT_EQ(button.top, 52);
    EXPECT_EQ(button.bottom, 69);

    // Moved to the origin, as the frame is drawn in window coordinates.
    const Box local = frameButtonBox({0, 0, 170, 21}, borders, 18);
    EXPECT_EQ(local.left, 150);
    EXPECT_EQ(local.right, 168);

    const struct {
        int x, y;
        bool inside;
    } points[] = {{250, 52, true}, {267, 68, true}, {249, 60, false}, {268, 60, false}, {260, 69, false}, {260, 51, false}};
    for (const auto& p : points)
        EXPECT_EQ(boxContains(button, p.x, p.y), p.inside) << p.x << "," << p.y;
}

} // namespace
