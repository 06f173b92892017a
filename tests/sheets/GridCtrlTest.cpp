// The grid control without a window: counts and sizes, fixed rows and columns, selection by the
// mouse and the keys, scrolling at the edges, header clicks and sorting, the series offer of a
// right click.

#include "GridFixture.h"

#include "model/ProcessState.h"
#include "model/SeriesGridCell.h"
#include "sheets/GridPrintLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <vector>

namespace {

std::set<CCellId> CellsOf(const std::vector<CCellRange>& ranges)
{
    std::set<CCellId> cells;
    for (const CCellRange& r : ranges)
        for (int row = r.minRow; row <= r.maxRow; ++row)
            for (int col = r.minCol; col <= r.maxCol; ++col)
                cells.insert({row, col});
    return cells;
}

}  // namespace

// --- Counts and sizes -----------------------------------------------------------------------------

TEST(GridCounts, FixedCountsAndRowCountsKeepEachOtherInBounds)
{
    CGridCtrl grid(5, 4, 2, 1);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.GetFixedRowCount(), 1) << "fewer rows than fixed rows lowers the fixed rows";
    grid.SetFixedRowCount(3);
    EXPECT_EQ(grid.GetRowCount(), 3) << "more fixed rows than rows raises the rows";
    grid.SetColumnCount(0);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    grid.SetFixedColumnCount(2);
    EXPECT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetItemText(2, 1), "");
    EXPECT_TRUE(grid.SetItemText(2, 1, "x"));
    EXPECT_FALSE(grid.SetItemText(3, 1, "x"));
}

TEST(GridCounts, ANewCellTakesTheFormatOfTheCellAboveAndInsertRowAppendsOnlyAtMinusOne)
{
    GridFixture f(2, 3);
    GRID_ITEM item;
    item.row = 1;
    item.col = 2;
    item.mask = GVIF_FORMAT | GVIF_TEXT;
    item.nFormat = DT_WORDBREAK | DT_RIGHT;
    item.szText = "w";
    ASSERT_TRUE(f.grid.SetItem(item));
    f.grid.SetRowCount(4);
    EXPECT_EQ(f.grid.GetItemFormat(3, 2), DT_WORDBREAK | DT_RIGHT);
    EXPECT_EQ(f.grid.GetItemFormat(3, 1), 0u);
    EXPECT_EQ(f.grid.InsertRow("x", 4), -1) << "an index equal to the row count";
    EXPECT_EQ(f.grid.InsertRow("Head", -1), 4);
    EXPECT_EQ(f.grid.GetItemText(4, 0), "Head");
    EXPECT_EQ(f.grid.GetRowHeight(4), 13 + 2 * 3) << "the heading's height in semibold plus the margins";
    EXPECT_EQ(f.grid.InsertRow("Mid", 1), 1);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "w");
    EXPECT_TRUE(f.grid.DeleteRow(0));
    EXPECT_EQ(f.grid.GetFixedRowCount(), 0) << "deleting the fixed row lowers the fixed count";
    EXPECT_EQ(f.grid.GetRowCount(), 5);
}

struct SizeCase {
    const char* what;
    int result;   // what the call returned
    int expected;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.what; }

class GridSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(GridSizes, AreWhatTheCallsReturn) { EXPECT_EQ(GetParam().result, GetParam().expected); }

namespace {

std::vector<SizeCase> SizeCases()
{
    GridFixture f(6, 5, 2, 1);
    f.grid.SetRowHeight(0, 30);
    f.grid.SetColumnWidth(4, 70);
    CGridCtrl empty;
    CGridRect rect;
    f.grid.GetCellRect(2, 1, rect);
    return {
        {"fixed row height sums the fixed rows", f.grid.GetFixedRowHeight(), 30 + 20},
        {"fixed column width", f.grid.GetFixedColumnWidth(), 50},
        {"total height", f.grid.GetTotalHeight(), 30 + 5 * 20},
        {"total width", f.grid.GetTotalWidth(), 4 * 50 + 70},
        {"an empty grid's total height", empty.GetTotalHeight(), 0},
        {"a row out of range", f.grid.GetRowHeight(6), -1},
        {"a column out of range", f.grid.GetColumnWidth(-1), -1},
        {"a negative height is refused", f.grid.SetRowHeight(1, -1), 0},
        {"and changes nothing", f.grid.GetRowHeight(1), 20},
        {"the default row height: line height and two margins", f.grid.GetDefaultRowHeight(), 14 + 2 * 3},
        {"the default column width: 12 characters and two margins", f.grid.GetDefaultColumnWidth(), 12 * 6 + 2 * 3},
        {"a cell's left", rect.left, 50},
        {"a cell's top", rect.top, 50},
        {"a cell's right pixel", rect.right, 99},
        {"a cell's bottom pixel", rect.bottom, 69},
        {"the image of a cell out of range", f.grid.GetItemImage(9, 9), -1},
        {"the state of a cell out of range", int(f.grid.GetItemState(9, 9)), 0},
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Grid, GridSizes, ::testing::ValuesIn(SizeCases()));

TEST(GridCounts, AutoSizeFitsColumnsAndRowsToTheirWidestAndTallestText)
{
    GridFixture f(3, 3);
    f.grid.SetItemText(1, 1, "abcdef");
    f.grid.SetItemText(2, 1, "ab");
    f.grid.AutoSize();
    EXPECT_EQ(f.grid.GetColumnWidth(1), 6 * 7 + 4 * 3);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 4 * 3) << "empty texts: the margins only";
    EXPECT_EQ(f.grid.GetRowHeight(1), 13 + 2 * 3);
}

TEST(GridCounts, MarkModifiedSetsACellsBitOnlyAboveRowAndColumnZero)
{
    GridFixture f(4, 4);
    f.grid.MarkModified(true, 2, 2);
    EXPECT_TRUE(f.grid.GetItemState(2, 2) & GVIS_MODIFIED);
    EXPECT_TRUE(f.grid.m_bUserChanged);
    f.grid.MarkModified(true, 0, 3);
    EXPECT_FALSE(f.grid.GetItemState(0, 3) & GVIS_MODIFIED) << "row 0: only the grid's flag";
    f.grid.MarkModified(false);
    EXPECT_FALSE(f.grid.m_bUserChanged);
    EXPECT_FALSE(f.grid.GetItemState(2, 2) & GVIS_MODIFIED) << "clearing the flag clears every cell's bit";
}

TEST(GridCounts, OwnerColoursSurviveASystemColourChange)
{
    CGridCtrl grid;
    grid.OnSysColorChange(GridRgb(1, 1, 1), GridRgb(250, 250, 250), GridRgb(200, 200, 200), GridRgb(100, 100, 100));
    EXPECT_EQ(grid.m_crCellBack, GridRgb(250, 250, 250));
    grid.m_crCellBack = GridRgb(255, 255, 240);
    grid.OnSysColorChange(GridRgb(2, 2, 2), GridRgb(240, 240, 240), GridRgb(210, 210, 210), GridRgb(90, 90, 90));
    EXPECT_EQ(grid.m_crCellBack, GridRgb(255, 255, 240));
    EXPECT_EQ(grid.m_crFixedBack, GridRgb(210, 210, 210));
    EXPECT_EQ(grid.m_crCellText, GridRgb(2, 2, 2));
}

// --- Selection by the mouse -----------------------------------------------------------------------

struct MouseCase {
    const char* what;
    std::vector<CCellId> presses;   // each a click; a second entry flagged below
    bool shift, ctrl;               // held for the second press
    bool drag;                      // the second cell is reached by moving with the button held
    CCellId focus;
    std::vector<CCellRange> selected;
};

void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.what; }

class GridMouseSelection : public ::testing::TestWithParam<MouseCase> {};

TEST_P(GridMouseSelection, SelectsAndFocuses)
{
    const MouseCase& c = GetParam();
    GridFixture f(8, 6);
    if (!c.drag)
        f.Click(c.presses[0]);
    if (c.presses.size() > 1) {
        if (c.drag) {
            f.Press(c.presses[0]);
            f.DragTo(c.presses[1]);
            f.Release(c.presses[1]);
        } else {
            f.Click(c.presses[1], c.shift, c.ctrl);
        }
    }
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_EQ(f.grid.GetSelectedCells(), CellsOf(c.selected));
    for (const CCellId& cell : f.grid.GetSelectedCells())
        EXPECT_TRUE(f.grid.GetItemState(cell.row, cell.col) & GVIS_SELECTED);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridMouseSelection,
    ::testing::Values(
        MouseCase{"a click selects its cell", {{3, 2}}, false, false, false, {3, 2}, {{3, 2, 3, 2}}},
        MouseCase{"another click moves there", {{3, 2}, {5, 4}}, false, false, false, {5, 4}, {{5, 4, 5, 4}}},
        MouseCase{"shift-click spans from the focus", {{3, 2}, {5, 4}}, true, false, false, {5, 4}, {{3, 2, 5, 4}}},
        MouseCase{"shift-click upwards", {{5, 4}, {2, 1}}, true, false, false, {2, 1}, {{2, 1, 5, 4}}},
        MouseCase{"ctrl-click adds to the selection", {{2, 2}, {5, 5}}, false, true, false, {5, 5},
                  {{2, 2, 2, 2}, {5, 5, 5, 5}}},
        MouseCase{"a drag spans a rectangle", {{2, 2}, {4, 3}}, false, false, true, {4, 3}, {{2, 2, 4, 3}}},
        MouseCase{"a column heading selects the column", {{0, 3}}, false, false, false, {1, 3}, {{1, 3, 7, 3}}},
        MouseCase{"a row heading selects the row", {{4, 0}}, false, false, false, {4, 1}, {{4, 1, 4, 5}}},
        MouseCase{"the corner selects every normal cell", {{0, 0}}, false, false, false, {1, 1}, {{1, 1, 7, 5}}},
        MouseCase{"a drag across headings selects columns", {{0, 2}, {0, 4}}, false, false, true, {1, 2},
                  {{1, 2, 7, 4}}}));

TEST(GridMouse, APressOnTheFocusCellAndAReleaseStartAnEdit)
{
    GridFixture f(4, 4);
    f.Click({2, 2});
    EXPECT_TRUE(f.window.editors.empty());
    f.Press({2, 2});
    EXPECT_EQ(f.grid.GetMouseMode(), EGridMouseMode::PrepareEdit);
    f.Release({2, 2});
    ASSERT_EQ(f.window.editors.size(), 1u);
    EXPECT_EQ(f.window.editors[0].firstChar, VK_LBUTTON);
    EXPECT_EQ(f.grid.GetMouseMode(), EGridMouseMode::Nothing);
    EXPECT_EQ(f.window.commands, 2) << "every release over a cell tells the owner";
}

TEST(GridMouse, APressOutsideAllCellsDoesNothing)
{
    GridFixture f(3, 3);
    f.grid.OnLButtonDown({{380, 280}, false, false, true});
    EXPECT_FALSE(f.grid.IsValid(f.grid.GetFocusCell()));
    EXPECT_FALSE(f.window.capture);
}

struct DividerCase {
    const char* what;
    int pressX;     // in the heading row
    int releaseX;
    int column;     // the column resized
    int width;
};

void PrintTo(const DividerCase& c, std::ostream* os) { *os << c.what; }

class GridColumnResize : public ::testing::TestWithParam<DividerCase> {};

TEST_P(GridColumnResize, ByDraggingTheDivider)
{
    const DividerCase& c = GetParam();
    GridFixture f(4, 4);
    const int y = 10;
    f.grid.OnMouseMove({{c.pressX, y}, false, false, false});
    ASSERT_EQ(f.grid.GetMouseMode(), EGridMouseMode::OverColDivide);
    EXPECT_EQ(f.window.cursor, EGridCursor::SizeWE);
    f.grid.OnLButtonDown({{c.pressX, y}, false, false, true});
    EXPECT_EQ(f.grid.GetMouseMode(), EGridMouseMode::SizingCol);
    f.grid.OnMouseMove({{c.releaseX, y}, false, false, true});
    f.grid.OnLButtonUp({{c.releaseX, y}, false, false, false});
    EXPECT_EQ(f.grid.GetColumnWidth(c.column), c.width);
    EXPECT_EQ(f.grid.GetMouseMode(), EGridMouseMode::Nothing);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridColumnResize,
    ::testing::Values(DividerCase{"2 pixels right of column 2's left border resizes column 1", 102, 130, 1, 80},
                      DividerCase{"2 pixels left of column 2's right border resizes column 2", 148, 170, 2, 70},
                      DividerCase{"a release at the press point changes nothing", 102, 102, 1, 50},
                      DividerCase{"dragging to the border itself gives width 0", 102, 50, 1, 0}));

// --- Keys ------------------------------------------------------------------------------------------

struct KeyCase {
    const char* what;
    CCellId from;
    int key;
    bool shift;
    CCellId focus;
    CCellRange selected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class GridKeys : public ::testing::TestWithParam<KeyCase> {};

// A grid of 31 rows and 21 columns (one fixed each): the client area shows 14 normal rows and 7
// normal columns.
TEST_P(GridKeys, MoveTheFocusAndTheSelection)
{
    const KeyCase& c = GetParam();
    GridFixture f(31, 21);
    f.ClickCell(c.from);
    f.grid.OnKeyDown(c.key, c.shift, false);
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_EQ(f.grid.GetSelectionBounds(), c.selected);
    EXPECT_TRUE(f.grid.IsCellVisible(c.focus.row, c.focus.col)) << "the focus is scrolled into view";
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridKeys,
    ::testing::Values(
        KeyCase{"Right", {1, 1}, VK_RIGHT, false, {1, 2}, {1, 2, 1, 2}},
        KeyCase{"Left stops at the fixed column", {1, 1}, VK_LEFT, false, {1, 1}, {1, 1, 1, 1}},
        KeyCase{"Up stops at the fixed row", {1, 3}, VK_UP, false, {1, 3}, {1, 3, 1, 3}},
        KeyCase{"Down", {4, 3}, VK_DOWN, false, {5, 3}, {5, 3, 5, 3}},
        KeyCase{"Shift+Down extends", {4, 3}, VK_DOWN, true, {5, 3}, {4, 3, 5, 3}},
        KeyCase{"Shift+Left extends", {4, 3}, VK_LEFT, true, {4, 2}, {4, 2, 4, 3}},
        KeyCase{"Home goes to the first normal row", {10, 3}, VK_HOME, false, {1, 3}, {1, 3, 1, 3}},
        KeyCase{"End goes to the last row", {2, 3}, VK_END, false, {30, 3}, {30, 3, 30, 3}},
        KeyCase{"Page Down moves as far as the rows scrolled", {1, 2}, VK_NEXT, false, {15, 2}, {15, 2, 15, 2}},
        KeyCase{"Page Up with nothing scrolled goes to the first row", {9, 2}, VK_PRIOR, false, {1, 2},
                {1, 2, 1, 2}},
        KeyCase{"Tab", {3, 4}, VK_TAB, false, {3, 5}, {3, 5, 3, 5}},
        KeyCase{"Tab at the last column wraps to the next row", {3, 20}, VK_TAB, false, {4, 1}, {4, 1, 4, 1}},
        KeyCase{"Tab at the last cell stays", {30, 20}, VK_TAB, false, {30, 20}, {30, 20, 30, 20}},
        KeyCase{"Shift+Tab wraps to the row above", {3, 1}, VK_TAB, true, {2, 20}, {2, 20, 2, 20}},
        KeyCase{"Shift+Tab at the first normal cell stays", {1, 1}, VK_TAB, true, {1, 1}, {1, 1, 1, 1}},
        KeyCase{"Right past the visible columns scrolls", {2, 7}, VK_RIGHT, false, {2, 8}, {2, 8, 2, 8}},
        KeyCase{"Down past the visible rows scrolls", {14, 1}, VK_DOWN, false, {15, 1}, {15, 1, 15, 1}}));

TEST(GridKeys, PageDownWhenEverythingFitsGoesToTheLastRow)
{
    GridFixture f(6, 4);
    f.Click({2, 2});
    f.grid.OnKeyDown(VK_NEXT, false, false);
    EXPECT_EQ(f.grid.GetFocusCell(), (CCellId{5, 2}));
}

TEST(GridKeys, CtrlASelectsEveryNormalCell)
{
    GridFixture f(6, 4);
    f.Click({2, 2});
    f.grid.OnKeyDown('A', false, true);
    EXPECT_EQ(f.grid.GetSelectionBounds(), (CCellRange{1, 1, 5, 3}));
    EXPECT_EQ(f.grid.GetFocusCell(), (CCellId{2, 2}));
}

TEST(GridKeys, DeleteEmptiesAnEditableCellOnlyAndTellsTheOwner)
{
    GridFixture f(4, 4);
    f.Fill();
    f.grid.SetItemState(2, 3, GVIS_READONLY);
    f.Click({2, 2});
    f.window.notes.clear();
    f.grid.OnKeyDown(VK_DELETE, false, false);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "");
    EXPECT_TRUE(f.grid.GetItemState(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{2, 2, GVN_BEGINLABELEDIT}, {2, 2, GVN_ENDLABELEDIT}}));
    f.Click({2, 3});
    f.window.notes.clear();
    f.grid.OnKeyDown(VK_DELETE, false, false);
    EXPECT_EQ(f.grid.GetItemText(2, 3), "r2c3");
    EXPECT_TRUE(f.window.notes.empty());
}

TEST(GridKeys, TheFocusMovesWithNotificationsOfLeavingAndArriving)
{
    GridFixture f(4, 4);
    f.Click({1, 1});
    f.window.notes.clear();
    f.grid.OnKeyDown(VK_DOWN, false, false);
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{1, 1, GVN_SELCHANGING}, {2, 1, GVN_SELCHANGED}}));
    EXPECT_TRUE(f.grid.GetItemState(2, 1) & GVIS_FOCUSED);
    EXPECT_FALSE(f.grid.GetItemState(1, 1) & GVIS_FOCUSED);
}

// --- Scrolling -------------------------------------------------------------------------------------

struct ScrollCase {
    const char* what;
    std::vector<int> vCodes;   // vertical scroll requests in order
    int wheel;                 // then a wheel turn (0 none)
    int position;              // the vertical position afterwards
    int topRow;                // the first normal row shown
};

void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.what; }

class GridScrolling : public ::testing::TestWithParam<ScrollCase> {};

// 30 normal rows of 20 pixels (600) under a page of 280: the range ends at 599, the position at 320.
TEST_P(GridScrolling, StaysInsideTheRange)
{
    const ScrollCase& c = GetParam();
    GridFixture f(31, 21);
    EXPECT_EQ(f.grid.GetScrollMax(EGridBar::Vertical), 599);
    EXPECT_EQ(f.grid.GetScrollPage(EGridBar::Vertical), 280);
    EXPECT_EQ(f.window.vMax, 599);
    for (int code : c.vCodes)
        f.grid.OnVScroll(code, code == SB_THUMBTRACK ? 45 : 0);
    if (c.wheel)
        f.grid.OnMouseWheel(c.wheel);
    EXPECT_EQ(f.grid.GetScrollPosition(EGridBar::Vertical), c.position);
    EXPECT_EQ(f.grid.GetFirstScrolledCell().row, c.topRow);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridScrolling,
    ::testing::Values(ScrollCase{"line down", {SB_LINEDOWN}, 0, 20, 2},
                      ScrollCase{"line up at the top does nothing", {SB_LINEUP}, 0, 0, 1},
                      ScrollCase{"page down", {SB_PAGEDOWN}, 0, 280, 15},
                      ScrollCase{"bottom stops where the last row shows", {SB_BOTTOM}, 0, 320, 17},
                      ScrollCase{"line down at the bottom does nothing", {SB_BOTTOM, SB_LINEDOWN}, 0, 320, 17},
                      ScrollCase{"page down past the end stops at the end", {SB_PAGEDOWN, SB_PAGEDOWN}, 0, 320, 17},
                      ScrollCase{"top", {SB_PAGEDOWN, SB_TOP}, 0, 0, 1},
                      ScrollCase{"the thumb", {SB_THUMBTRACK}, 0, 45, 4},
                      ScrollCase{"a wheel notch down scrolls three rows", {}, -120, 60, 4},
                      ScrollCase{"a wheel notch up at the top does nothing", {}, 120, 0, 1}));

TEST(GridScrolling, AGridThatFitsHasNoRangeAndAnEmptyGridNone)
{
    GridFixture fits(6, 4);
    EXPECT_EQ(fits.grid.GetScrollMax(EGridBar::Vertical), 0);
    EXPECT_EQ(fits.grid.GetScrollMax(EGridBar::Horizontal), 0);
    fits.grid.OnVScroll(SB_LINEDOWN);
    EXPECT_EQ(fits.grid.GetScrollPosition(EGridBar::Vertical), 0);
    GridFixture empty(0, 0, 0, 0);
    EXPECT_EQ(empty.grid.GetScrollMax(EGridBar::Vertical), 0);
    EXPECT_FALSE(empty.grid.IsValid(empty.grid.HitTestCell({10, 10})));
}

TEST(GridScrolling, EnsureVisibleBringsTheFarCornerIn)
{
    GridFixture f(31, 21);
    EXPECT_EQ(f.grid.GetScrollMax(EGridBar::Horizontal), 999);
    f.grid.EnsureVisible(30, 20);
    EXPECT_TRUE(f.grid.IsCellVisible(30, 20));
    const CCellRange visible = f.grid.GetFullyVisibleRange();
    EXPECT_EQ(visible.maxRow, 30);
    EXPECT_EQ(visible.maxCol, 20);
    // Hit tests follow the scrolling: the top-left normal cell is now column 14, row 17.
    EXPECT_EQ(f.grid.HitTestCell(GridFixture::Middle(1, 1)), (CCellId{17, 14}));
    EXPECT_EQ(f.grid.HitTestCell(GridFixture::Middle(0, 1)), (CCellId{0, 14})) << "the heading row stays";
    EXPECT_EQ(f.grid.HitTestCell(GridFixture::Middle(0, 1), false), (CCellId{}));
}

// --- Header clicks, sorting ------------------------------------------------------------------------

TEST(GridSorting, AHeadingClickInWholeRowModeSortsAscendingThenDescendingAndKeepsEqualRows)
{
    GridFixture f(6, 3);
    f.grid.m_bWholeRowMode = true;
    const char* texts[] = {"b", "a", "c", "a", "b"};
    for (int r = 1; r <= 5; ++r) {
        f.grid.SetItemText(r, 1, texts[r - 1]);
        f.grid.SetItemText(r, 2, std::to_string(r));
    }
    const auto column = [&](int col) {
        std::string s;
        for (int r = 1; r <= 5; ++r)
            s += f.grid.GetItemText(r, col);
        return s;
    };
    f.Click({0, 1});
    EXPECT_EQ(column(1), "aabbc");
    EXPECT_TRUE(f.grid.IsSortAscending());
    f.Click({0, 1});
    EXPECT_EQ(column(1), "cbbaa");
    EXPECT_FALSE(f.grid.IsSortAscending());
    EXPECT_EQ(column(2).size(), 5u) << "rows move whole";
    // Whole rows are selected by a click on a cell.
    f.Click({3, 2});
    EXPECT_EQ(f.grid.GetSelectionBounds(), (CCellRange{3, 1, 3, 2}));
}

// --- The series offer ------------------------------------------------------------------------------

struct SeriesCase {
    const char* what;
    int kind;
    double value;
    bool offered;
};

void PrintTo(const SeriesCase& c, std::ostream* os) { *os << c.what; }

class GridSeriesOffer : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(GridSeriesOffer, ARightClickOffersAValueOnly)
{
    const SeriesCase& c = GetParam();
    ResetProcessState();
    GridFixture f(4, 4);
    CSeriesTarget target{1, 2, 3, c.kind, c.value, "bottom_contact"};
    f.grid.SetItemAttributes(2, 2, target);
    f.grid.SetItemAttributes(9, 9, target);   // out of range: ignored
    f.grid.OnLButtonDown({GridFixture::Middle(2, 2), false, false, false});
    f.grid.OnRButtonUp({GridFixture::Middle(2, 2), false, false, false});
    EXPECT_EQ(f.window.seriesMenus, c.offered ? 1 : 0);
    EXPECT_EQ(g_nSeriesParamId, c.offered ? 200 : -1);
    EXPECT_EQ(g_SeriesGridCell.m_strKeyword, c.offered ? "bottom_contact" : "");
    if (c.offered) {
        EXPECT_EQ(g_SeriesGridCell.m_nZSeg, 1);
        EXPECT_EQ(g_SeriesGridCell.m_nOwner, 2);
        EXPECT_EQ(g_SeriesGridCell.m_nContact, 3);
        EXPECT_EQ(g_SeriesGridCell.m_nValueKind, c.kind);
        EXPECT_EQ(g_SeriesGridCell.m_dValue, c.value);
    }
    ResetProcessState();
}

INSTANTIATE_TEST_SUITE_P(Grid, GridSeriesOffer,
                         ::testing::Values(SeriesCase{"a value", 2, 3.5, true},
                                           SeriesCase{"the first value kind", 0, 0.0, true},
                                           SeriesCase{"no value", 2, -9999.0, false},
                                           SeriesCase{"no value within 0.0001", 2, -9999.00005, false},
                                           SeriesCase{"no value kind", -1, 3.5, false}));

// --- Printing --------------------------------------------------------------------------------------

TEST(GridPrintLayout, RowsThatFitMakeOnePageAndTheRestStartNewPages)
{
    GridFixture f(11, 4);   // 200 pixels wide; page 200 + 8 x 6 = 248 wide, 248 x 2 = 496 high
    const CGridPrintMetrics metrics{6, 12, 1000, 2000};
    const CGridPrintLayout fits(f.grid, metrics);
    EXPECT_EQ(fits.PageWidth(), 248);
    EXPECT_EQ(fits.PageHeight(), 496);
    EXPECT_EQ(fits.UsableHeight(), 496 - 72 - 20);
    EXPECT_EQ(fits.PageCount(), 1);
    EXPECT_EQ(fits.FirstRow(1), 1);
    EXPECT_EQ(fits.EndRow(1), 11);

    f.grid.SetRowCount(51);   // 50 normal rows of 20: 20 fit in 404
    for (int r = 11; r < 51; ++r)
        f.grid.SetRowHeight(r, 20);
    const CGridPrintLayout three(f.grid, metrics);
    ASSERT_EQ(three.PageCount(), 3);
    EXPECT_EQ(three.FirstRow(2), 21);
    EXPECT_EQ(three.EndRow(2), 41);
    EXPECT_EQ(three.EndRow(3), 51);
}
