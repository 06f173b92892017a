// The next-step prompt window's texts and place, without the window.

#include "render/PromptWindow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

std::string Shown(bool builder, int index) { return PromptDisplayText(PromptTable(builder)[index]); }

TEST(PromptTexts, EachModeHasSixWithTheBuilderWordingInEntriesZeroTwoAndThree)
{
    const std::vector<std::string> editor = PromptTable(false), builder = PromptTable(true);
    ASSERT_EQ(editor.size(), 6u);
    ASSERT_EQ(builder.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(editor[i], "     " + NextStepPromptTexts()[i]) << i;
    EXPECT_EQ(builder[0], "Create a new device or open an existing .layer, \"New Column\" button to create or "
                          "\"Open\" button to open");
    EXPECT_EQ(builder[3], "Drag to move the device,or press two buttons to zoom in or out ");
    for (int i : {1, 4, 5}) EXPECT_EQ(builder[i], editor[i]) << i;
    EXPECT_EQ(NextStepPromptTexts()[3],
              "Drag to move the device,  rigth-click to choose a segment, or press two buttons to zoom in or out ");
}

TEST(PromptTexts, TheBuilderLayerPromptShowsOneParagraphPerItem)
{
    const std::string shown = Shown(true, 2);
    EXPECT_EQ(shown,
              "a)Right-click to modify, \r\n\r\n"
              "b) Drag and release a layer when the destination layer turns red to copy and paste a layer.\r\n\r\n"
              "c)Click \"save\" button to save if the device is finished\r\n\r\n"
              "d)Click buttons to operate : \"New/Cut/Copy/Paste Layer\", \"New/Cut/Copy/Paste Column\","
              "\"Undo/Redo\" or \r\n\r\ne)Press SHIFT and drag to move the device");
}

TEST(PromptTexts, TheEditorLayerPromptLosesItsLeadingBlanksAndTheFirstBreak)
{
    const std::string shown = Shown(false, 2);
    EXPECT_EQ(shown.rfind("a)Right-click to modify, \r\n\r\nb)Drag and release", 0), 0u);
    EXPECT_NE(shown.find("finished\r\n\r\nd)Click buttons to operate"), std::string::npos);
    EXPECT_NE(shown.find("\"Undo/Redo\"  or \r\n\r\ne)Press SHIFT"), std::string::npos);
}

TEST(PromptTexts, APromptWithoutItemsKeepsItsFiveBlanks)
{
    for (bool builder : {false, true}) {
        EXPECT_EQ(Shown(builder, 5), "     Please choose a layer to edit.");
        EXPECT_EQ(Shown(builder, 1), "         ");
    }
    EXPECT_EQ(Shown(true, 0), PromptTable(true)[0]);
}

TEST(PromptTexts, AnItemAtTheVeryEndIsNoParagraph)
{
    // The rest behind a character needs three characters for an item.
    EXPECT_EQ(PromptDisplayText("xa)"), "xa)");
    EXPECT_EQ(PromptDisplayText("xa)b"), "x\r\n\r\na)b");
    EXPECT_EQ(PromptDisplayText(""), "");
}

TEST(PromptTexts, ARequestOutsideTheTableShowsNothingAndWithoutZSegmentsPromptZero)
{
    EXPECT_EQ(PromptIndexToShow(-1, 6, 1), -1);
    EXPECT_EQ(PromptIndexToShow(6, 6, 1), -1);
    EXPECT_EQ(PromptIndexToShow(2, 6, 1), 2);
    EXPECT_EQ(PromptIndexToShow(2, 6, 0), 0);
    EXPECT_EQ(PromptIndexToShow(5, 6, 0), 0);
}

struct PlaceCase {
    const char* what;
    const char* leftTop;
    CScreenRect expected;
    bool restored;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.what; }

class PromptPlacement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PromptPlacement, FollowsTheStoredRectangleWithinTheScreen)
{
    const CScreenRect present{100, 50, 200, 120};
    bool restored = false;
    const CScreenRect r = PlacePromptWindow(GetParam().leftTop, present, 1280, 1024, restored);
    EXPECT_EQ(restored, GetParam().restored);
    EXPECT_EQ(r.x, GetParam().expected.x);
    EXPECT_EQ(r.y, GetParam().expected.y);
    EXPECT_EQ(r.width, GetParam().expected.width);
    EXPECT_EQ(r.height, GetParam().expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PromptPlacement,
    ::testing::Values(PlaceCase{"stored", "10, 20, 300, 150", {10, 20, 300, 150}, true},
                      PlaceCase{"beyond the right edge", "1200, 20, 300, 150", {980, 20, 300, 150}, true},
                      PlaceCase{"beyond the bottom edge", "10, 1000, 300, 150", {10, 874, 300, 150}, true},
                      PlaceCase{"negative position kept", "-40, -5, 300, 150", {-40, -5, 300, 150}, true},
                      PlaceCase{"missing values keep the present ones", "10, 20", {10, 20, 200, 120}, true},
                      PlaceCase{"not a number", "left", {100, 50, 200, 120}, true},
                      PlaceCase{"nothing stored: to the right edge", "", {1080, 50, 200, 120}, false}));

TEST(PromptPlacement, IsWrittenAsFourNumbers)
{
    EXPECT_EQ(FormatLeftTop({-3, 20, 300, 150}), "-3, 20, 300, 150");
    bool restored = false;
    const CScreenRect back = PlacePromptWindow(FormatLeftTop({5, 6, 7, 8}), {}, 1280, 1024, restored);
    EXPECT_EQ(FormatLeftTop(back), "5, 6, 7, 8");
}

} // namespace
