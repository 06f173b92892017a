// Cell text in and out of the grid without a window: the exchange text read and written, copy,
// cut, paste (what does not fit is reported, read-only cells are never written) and drag and drop.

#include "GridFixture.h"

#include "sheets/GridExchangeText.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using Lines = std::vector<std::vector<std::string>>;

struct ReadCase {
    const char* what;
    std::string data;
    Lines lines;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class GridExchangeRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GridExchangeRead, SplitsLinesAndCells) { EXPECT_EQ(CGridExchangeText::Read(GetParam().data), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Grid, GridExchangeRead,
    ::testing::Values(ReadCase{"tabs and commas separate cells", "1,2\t3\n4", {{"1", "2", "3"}, {"4"}}},
                      ReadCase{"an empty field between two tabs collapses", "a\t\tb", {{"a", "b"}}},
                      ReadCase{"CR LF ends lines; the empty rest writes nothing", "x\r\ny\r\n", {{"x"}, {"y"}, {}}},
                      ReadCase{"white space is trimmed", "  a \t b\r", {{"a", "b"}}},
                      ReadCase{"an empty line is one empty cell", "x\n\ny", {{"x"}, {""}, {"y"}}},
                      ReadCase{"an empty CR LF line is one empty cell", "x\r\n\r\ny", {{"x"}, {""}, {"y"}}},
                      ReadCase{"the text ends at an embedded NUL", std::string("a\tb\0c\td", 7), {{"a", "b"}}},
                      ReadCase{"nothing at all", "", {{}}}));

TEST(GridExchangeRead, ReadsNoFurtherThanTheDataWithoutATerminatingNul)
{
    // A large text in a buffer with no NUL after it: the reader stops at the data's length.
    const std::string big(100000, 'x');
    const std::string data(big.data(), big.size());
    const Lines lines = CGridExchangeText::Read(data);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::vector<std::string>{big});
}

// --- Copy and cut ------------------------------------------------------------------------------------

class GridCopy : public ::testing::Test {
protected:
    GridFixture f{5, 5};
    ScriptedPrompts prompts;
};

TEST_F(GridCopy, WritesTheSelectedRangeWithASpaceForAnEmptyCell)
{
    f.grid.SetItemText(1, 1, "a");
    f.grid.SetItemText(1, 3, "c");
    f.grid.SetItemText(2, 1, "d");
    f.grid.SetItemText(2, 2, "e");
    f.grid.SetItemText(2, 3, "f");
    f.Click({1, 1});
    f.Click({2, 3}, true);
    f.grid.OnKeyDown('C', false, true);
    EXPECT_EQ(f.window.clipboard, "a\t \tc\nd\te\tf");
}

TEST_F(GridCopy, ANonRectangularSelectionWritesItsBoundingRectangle)
{
    f.grid.SetItemText(1, 1, "a");
    f.grid.SetItemText(2, 3, "z");
    f.grid.SetItemText(1, 2, "not selected");
    f.Click({1, 1});
    f.Click({2, 3}, false, true);
    f.grid.CopySelectedText();
    EXPECT_EQ(f.window.clipboard, "a\t\t\n\t\tz");
}

TEST_F(GridCopy, NothingSelectedLeavesTheClipboardAlone)
{
    f.window.clipboard = "before";
    f.grid.CopySelectedText();
    f.grid.CutSelectedText();
    EXPECT_EQ(f.window.clipboard, "before");
    EXPECT_FALSE(f.grid.CanCopy());
}

TEST_F(GridCopy, CutCopiesAndEmptiesTheEditableCellsOnly)
{
    f.Fill();
    f.grid.SetItemState(1, 2, GVIS_READONLY);
    f.Click({1, 1});
    f.Click({1, 2}, true);
    f.grid.OnKeyDown('X', false, true);
    EXPECT_EQ(f.window.clipboard, "r1c1\tr1c2");
    EXPECT_EQ(f.grid.GetItemText(1, 1), "");
    EXPECT_EQ(f.grid.GetItemText(1, 2), "r1c2");
}

// --- Paste -------------------------------------------------------------------------------------------

class GridPaste : public ::testing::Test {
protected:
    GridFixture f{9, 4};   // 8 normal rows, 3 normal columns
    ScriptedPrompts prompts;
    void PasteAt(CCellId cell, const std::string& text)
    {
        f.Click(cell);
        f.window.SetClipboardText(text);
        f.grid.OnKeyDown('V', false, true);
    }
};

TEST_F(GridPaste, WritesRowsAndColumnsFromTheFocusCell)
{
    PasteAt({1, 1}, "1,2\t3\n4");
    EXPECT_EQ(f.grid.GetItemText(1, 1), "1");
    EXPECT_EQ(f.grid.GetItemText(1, 2), "2");
    EXPECT_EQ(f.grid.GetItemText(1, 3), "3");
    EXPECT_EQ(f.grid.GetItemText(2, 1), "4");
    EXPECT_TRUE(f.grid.GetItemState(1, 3) & GVIS_MODIFIED);
    EXPECT_FALSE(f.grid.GetItemState(1, 1) & GVIS_SELECTED) << "pasted cells lose their selection";
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(GridPaste, TenRowsIntoRoomForEightPasteWhatFitsAndSayHowManyCouldNotBePlaced)
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += std::to_string(i) + "\r\n";
    prompts.AnswerNext(IDOK);
    PasteAt({1, 3}, text);
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(f.grid.GetItemText(r, 3), std::to_string(r));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "2 of the pasted cells could not be placed: they fall outside the grid or on "
                                   "read-only cells."});
}

TEST_F(GridPaste, ReadOnlyTargetsAreSkippedAndCountedAndAReadOnlyFocusCellTakesNothing)
{
    f.grid.SetItemState(2, 2, GVIS_READONLY);
    prompts.AnswerNext(IDOK);
    PasteAt({1, 2}, "a\tb\tc\nd\te");
    EXPECT_EQ(f.grid.GetItemText(1, 2), "a");
    EXPECT_EQ(f.grid.GetItemText(1, 3), "b");
    EXPECT_EQ(f.grid.GetItemText(2, 2), "") << "read-only";
    EXPECT_EQ(f.grid.GetItemText(2, 3), "e");
    // c falls outside, d on the read-only cell.
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "2 of the pasted cells could not be placed: they fall outside the grid or on "
                                   "read-only cells."});
    PasteAt({2, 2}, "x");
    EXPECT_EQ(f.grid.GetItemText(2, 2), "");
    EXPECT_FALSE(f.grid.CanPaste());
    f.grid.m_bEditEnabled = false;
    PasteAt({3, 1}, "x");
    EXPECT_EQ(f.grid.GetItemText(3, 1), "") << "a grid that is not editable takes no paste";
}

TEST_F(GridPaste, EachCellIsAnnouncedAndReported)
{
    f.Click({1, 1});
    f.window.notes.clear();
    f.grid.PasteFromText({1, 1}, "p\tq");
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{1, 1, GVN_BEGINLABELEDIT},
                                                                {1, 1, GVN_ENDLABELEDIT},
                                                                {1, 2, GVN_BEGINLABELEDIT},
                                                                {1, 2, GVN_ENDLABELEDIT}}));
}

// --- Drag and drop -----------------------------------------------------------------------------------

class GridDragDrop : public ::testing::Test {
protected:
    GridFixture f{9, 4};
    ScriptedPrompts prompts;
    void SetUp() override
    {
        f.grid.m_bDragDropEnabled = true;
        f.grid.SetItemText(1, 1, "a");
        f.grid.SetItemText(2, 1, "b");
        f.Click({1, 1});
        f.Click({2, 1}, true);
    }
    // Presses on the selection and moves: the drag runs `drop` and ends with its effect.
    void Drag(std::function<int(const std::string&)> drop)
    {
        f.window.onDrag = std::move(drop);
        f.Press({1, 1});
        ASSERT_EQ(f.grid.GetMouseMode(), EGridMouseMode::PrepareDrag);
        f.DragTo({1, 2});
        f.Release({1, 2});
    }
    // A drop onto a cell of this grid as the drop target reports it.
    int DropAt(CCellId cell, const std::string& text, bool ctrl)
    {
        const CGridPoint p = GridFixture::Middle(cell.row, cell.col);
        if (f.grid.OnDragEnter(true, ctrl, p) == DROPEFFECT_NONE)
            return DROPEFFECT_NONE;
        const int effect = f.grid.OnDragOver(true, ctrl, p);
        EXPECT_TRUE(f.grid.GetItemState(cell.row, cell.col) & GVIS_DROPHILITED);
        return f.grid.OnDrop(text) ? effect : DROPEFFECT_NONE;
    }
    std::string Column(int col)
    {
        std::string s;
        for (int r = 1; r <= 4; ++r)
            s += f.grid.GetItemText(r, col) + "|";
        return s;
    }
};

TEST_F(GridDragDrop, AMoveOntoAnOverlappingTargetKeepsEveryPastedCell)
{
    Drag([&](const std::string& text) { return DropAt({2, 1}, text, false); });
    ASSERT_EQ(f.window.dragged, std::vector<std::string>{"a\nb"});
    EXPECT_EQ(Column(1), "|a|b||");
    EXPECT_FALSE(f.grid.GetItemState(2, 1) & GVIS_DROPHILITED);
    EXPECT_EQ(f.grid.GetMouseMode(), EGridMouseMode::Nothing);
}

TEST_F(GridDragDrop, AMoveElsewhereEmptiesTheSourceAndACopyKeepsIt)
{
    Drag([&](const std::string& text) { return DropAt({1, 3}, text, false); });
    EXPECT_EQ(Column(1), "||||");
    EXPECT_EQ(Column(3), "a|b|||");
    f.Click({1, 3});
    f.Click({2, 3}, true);
    f.window.onDrag = [&](const std::string& text) { return DropAt({3, 2}, text, true); };
    f.Press({1, 3});
    f.DragTo({1, 2});
    EXPECT_EQ(Column(3), "a|b|||");
    EXPECT_EQ(Column(2), "||a|b|");
}

TEST_F(GridDragDrop, TheDragIsAnnouncedWithTheSelectionsFirstCell)
{
    f.window.notes.clear();
    Drag([](const std::string&) { return DROPEFFECT_NONE; });
    const std::vector<FakeGridWindow::Note> begins = {{1, 1, GVN_BEGINDRAG}};
    std::vector<FakeGridWindow::Note> drags;
    for (const FakeGridWindow::Note& note : f.window.notes)
        if (note.code == GVN_BEGINDRAG)
            drags.push_back(note);
    EXPECT_EQ(drags, begins);
    EXPECT_EQ(Column(1), "a|b|||") << "a drag that ends without a drop changes nothing";
}

TEST_F(GridDragDrop, ReadOnlyCellsAndTextlessDataRefuseTheDrop)
{
    f.grid.SetItemState(3, 3, GVIS_READONLY);
    EXPECT_EQ(f.grid.OnDragEnter(true, false, GridFixture::Middle(3, 3)), DROPEFFECT_NONE);
    EXPECT_FALSE(f.grid.OnDrop("x"));
    EXPECT_EQ(f.grid.OnDragEnter(false, false, GridFixture::Middle(3, 2)), DROPEFFECT_NONE);
    EXPECT_EQ(f.grid.OnDragEnter(true, true, GridFixture::Middle(3, 2)), DROPEFFECT_COPY);
    EXPECT_EQ(f.grid.OnDragOver(true, false, GridFixture::Middle(3, 3)), DROPEFFECT_NONE);
    EXPECT_TRUE(f.grid.GetItemState(3, 2) & GVIS_DROPHILITED) << "the highlight stays where it was";
    f.grid.OnDragLeave();
    EXPECT_FALSE(f.grid.GetItemState(3, 2) & GVIS_DROPHILITED);
}

TEST_F(GridDragDrop, AReleaseOnTheSelectionWithoutADragClearsIt)
{
    f.Press({1, 1});
    f.Release({1, 1});
    EXPECT_TRUE(f.grid.GetSelectedCells().empty());
    EXPECT_TRUE(f.window.dragged.empty());
}
