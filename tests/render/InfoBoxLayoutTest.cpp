// The size of the hover box from measurements in its font.

#include "render/InfoBoxLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(InfoBoxLayout, IsTheSampleWidthByTheLinesPlusMargins)
{
    EXPECT_EQ(InfoBoxSampleLength(10), 27);
    EXPECT_EQ(InfoBoxSampleLength(31), 31);
    CInfoBoxLayout box;
    MeasureInfoBox(box, 189, 13, 18, 26, 600, {40, 50});
    EXPECT_EQ(box.width, 199);
    EXPECT_EQ(box.height, 13 * 18 + 8);
    EXPECT_TRUE(box.widthChanged);
    EXPECT_EQ(box.lastPoint.x, 40);
    MeasureInfoBox(box, 189, 13, 19, 27, 600, {41, 50});
    EXPECT_FALSE(box.widthChanged);
    EXPECT_EQ(box.height, 13 * 19 + 8);
}

TEST(InfoBoxLayout, ABoxTallerThanTheViewIsEstimatedSmaller)
{
    CInfoBoxLayout box;
    box.sizeEstimate = 8; // the font's point size, as the settings set it
    MeasureInfoBox(box, 189, 13, 18, 26, 200, {0, 0});
    EXPECT_EQ(box.height, 7 * 18 + 12);
    EXPECT_EQ(box.width, 7 * 26 + 10);
    // Erasing a box taller than the view leaves the estimate at 12, any other at 14.
    EraseInfoBox(box, 100);
    EXPECT_EQ(box.width, 0);
    EXPECT_EQ(box.height, 0);
    EXPECT_EQ(box.sizeEstimate, 12);
    MeasureInfoBox(box, 189, 13, 18, 26, 600, {0, 0});
    EraseInfoBox(box, 600);
    EXPECT_EQ(box.sizeEstimate, 14);
}

TEST(InfoBoxLayout, AnotherWidthErasesThePreviousBoxFirst)
{
    CInfoBoxLayout box;
    box.sizeEstimate = 8;
    MeasureInfoBox(box, 189, 13, 18, 26, 600, {0, 0});
    EXPECT_EQ(box.sizeEstimate, 8) << "nothing to erase before the first box";
    MeasureInfoBox(box, 250, 13, 18, 35, 600, {0, 0});
    EXPECT_TRUE(box.widthChanged);
    EXPECT_EQ(box.sizeEstimate, 14);
    EXPECT_EQ(box.width, 260);
}

} // namespace
