// In-place editing of the grid without a window: how an editor opens for what started it, which
// keys end it, what the grid does with the text and where the edit goes on; the drop-down list of
// a column; the title tip.

#include "GridFixture.h"

#include "sheets/GridEditorState.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

CGridEditorRequest Request(const std::string& text, int firstChar, std::vector<std::string> choices = {})
{
    CGridEditorRequest request;
    request.row = 2;
    request.col = 2;
    request.text = text;
    request.firstChar = firstChar;
    request.isList = !choices.empty();
    request.choices = std::move(choices);
    return request;
}

const std::vector<std::string> kTypes = {"ohmic", "schottky"};

}  // namespace

struct OpeningCase {
    const char* what;
    const char* cellText;
    int firstChar;
    bool list;
    const char* text;
    bool selectAll;
    int listSelection;
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.what; }

class GridEditorOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(GridEditorOpening, FollowsWhatStartedTheEdit)
{
    const OpeningCase& c = GetParam();
    const CGridEditorState editor(Request(c.cellText, c.firstChar, c.list ? kTypes : std::vector<std::string>{}));
    const CGridEditorState::COpening opening = editor.Opening();
    EXPECT_EQ(opening.text, c.text);
    EXPECT_EQ(opening.selectAll, c.selectAll);
    EXPECT_EQ(opening.listSelection, c.listSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridEditorOpening,
    ::testing::Values(OpeningCase{"typing replaces the text", "12", '7', false, "7", false, -1},
                      OpeningCase{"Backspace deletes the last character", "12", VK_BACK, false, "1", false, -1},
                      OpeningCase{"Enter keeps the text, caret after it", "12", VK_RETURN, false, "12", false, -1},
                      OpeningCase{"a click keeps the text, caret after it", "12", VK_LBUTTON, false, "12", false, -1},
                      OpeningCase{"Tab selects the text", "12", VK_TAB, false, "12", true, -1},
                      OpeningCase{"an arrow selects the text", "12", VK_DOWN, false, "12", true, -1},
                      OpeningCase{"space selects the text in a box", "12", ' ', false, "12", true, -1},
                      OpeningCase{"a list selects the choice it holds", "schottky", VK_LBUTTON, true, "schottky",
                                  false, 1},
                      OpeningCase{"a list selects the first choice beginning with the text", "s", VK_LBUTTON, true,
                                  "schottky", false, 1},
                      OpeningCase{"ignoring case", "OHM", VK_LBUTTON, true, "ohmic", false, 0},
                      OpeningCase{"a list shows other text unselected", "xyz", VK_LBUTTON, true, "xyz", false, -1},
                      OpeningCase{"a list takes a typed character", "ohmic", 'x', true, "x", false, 0},
                      OpeningCase{"a Tab carried on into a list never becomes text", "ohmic", VK_TAB, true, "ohmic",
                                  true, 0}));

struct KeyEndCase {
    const char* what;
    int firstChar;
    bool list;
    int key;        // a key press, or a character when `isChar`
    bool isChar;
    bool ctrl;
    bool ends;
    int lastKey;
};

void PrintTo(const KeyEndCase& c, std::ostream* os) { *os << c.what; }

class GridEditorKeys : public ::testing::TestWithParam<KeyEndCase> {};

TEST_P(GridEditorKeys, EndTheEditOrNot)
{
    const KeyEndCase& c = GetParam();
    CGridEditorState editor(Request("12", c.firstChar, c.list ? kTypes : std::vector<std::string>{}));
    EXPECT_EQ(c.isChar ? editor.OnChar(c.key) : editor.OnKeyDown(c.key, c.ctrl), c.ends);
    EXPECT_EQ(editor.LastKey(), c.lastKey);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridEditorKeys,
    ::testing::Values(KeyEndCase{"Enter", '7', false, VK_RETURN, true, false, true, VK_RETURN},
                      KeyEndCase{"Tab", '7', false, VK_TAB, true, false, true, VK_TAB},
                      KeyEndCase{"Escape", '7', false, VK_ESCAPE, true, false, true, VK_ESCAPE},
                      KeyEndCase{"a letter goes into the box", '7', false, 'a', true, false, false, 0},
                      KeyEndCase{"Right in an edit started by typing", '7', false, VK_RIGHT, false, false, true,
                                 VK_RIGHT},
                      KeyEndCase{"Right in an edit started by a click moves the caret", VK_LBUTTON, false, VK_RIGHT,
                                 false, false, false, 0},
                      KeyEndCase{"Ctrl+Left always ends it", VK_LBUTTON, false, VK_LEFT, false, true, true, VK_LEFT},
                      KeyEndCase{"Home moves the caret", '7', false, VK_HOME, false, false, false, 0},
                      KeyEndCase{"Down in a list moves the choice", '7', true, VK_DOWN, false, false, false, 0},
                      KeyEndCase{"Ctrl+Down in a list ends it", '7', true, VK_DOWN, false, true, true, VK_DOWN},
                      KeyEndCase{"Enter in a list", VK_LBUTTON, true, VK_RETURN, false, false, true, VK_RETURN},
                      KeyEndCase{"Escape in a list", VK_LBUTTON, true, VK_ESCAPE, false, false, true, VK_ESCAPE}));

TEST(GridEditorState, EscapePutsTheCellsTextBack)
{
    CGridEditorState editor(Request("12", '7'));
    EXPECT_TRUE(editor.OnChar(VK_ESCAPE));
    EXPECT_TRUE(editor.Restored());
    EXPECT_EQ(editor.InitialText(), "12");
}

TEST(GridEditorState, TheBoxGrowsToItsTextUpToTheGridsEdgeAndTheListToItsWidestChoice)
{
    EXPECT_EQ(CGridEditorState::GrownRight(100, 150, 40, 400), 150) << "fits: unchanged";
    EXPECT_EQ(CGridEditorState::GrownRight(100, 150, 120, 400), 220);
    EXPECT_EQ(CGridEditorState::GrownRight(100, 150, 500, 400), 400) << "not past the grid's edge";
    EXPECT_EQ(CGridEditorState::ListWidth(50, 56, 4, 17), 17 + 56 + 8);
    EXPECT_EQ(CGridEditorState::ListWidth(120, 56, 4, 17), 120) << "never narrower than the cell";
}

// --- The grid's side ---------------------------------------------------------------------------------

class GridEditing : public ::testing::Test {
protected:
    GridFixture f{5, 4};
    void SetUp() override
    {
        f.Fill();
        f.Click({2, 2});
        f.window.notes.clear();
    }
    const CGridEditorRequest& Editor() { return f.window.editors.back(); }
};

TEST_F(GridEditing, TypingOnTheFocusCellOpensAnEditorWithTheCharacterAndTellsTheOwner)
{
    f.grid.OnChar('7', false);
    ASSERT_EQ(f.window.editors.size(), 1u);
    EXPECT_EQ(Editor().firstChar, '7');
    EXPECT_EQ(Editor().text, "r2c2");
    EXPECT_EQ(Editor().row, 2);
    EXPECT_EQ(Editor().col, 2);
    EXPECT_FALSE(Editor().isList);
    CGridRect rect;
    f.grid.GetCellRect(2, 2, rect);
    EXPECT_EQ(Editor().rect, rect);
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{2, 2, GVN_BEGINLABELEDIT}}));
    f.grid.OnChar('7', true);
    EXPECT_EQ(f.window.editors.size(), 1u) << "Ctrl held: no edit";
    f.grid.OnChar(VK_TAB, false);
    EXPECT_EQ(f.window.editors.size(), 1u) << "the grid takes Tab itself";
}

TEST_F(GridEditing, EnterCommitsTheTextMarksTheCellAndTellsTheOwner)
{
    f.grid.OnEndInPlaceEditNotify(2, 2, "7", VK_RETURN);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "7");
    EXPECT_TRUE(f.grid.GetItemState(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(f.grid.GetFocusCell(), (CCellId{2, 2})) << "Enter does not move";
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{2, 2, GVN_ENDLABELEDIT}}));
    EXPECT_TRUE(f.window.editors.empty());
}

TEST_F(GridEditing, EscapeLeavesTheCellUntouchedButStillTellsTheOwner)
{
    f.grid.OnEndInPlaceEditNotify(2, 2, "r2c2", VK_ESCAPE);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "r2c2");
    EXPECT_FALSE(f.grid.GetItemState(2, 2) & GVIS_MODIFIED);
    EXPECT_FALSE(f.grid.m_bUserChanged);
    EXPECT_EQ(f.window.notes, (std::vector<FakeGridWindow::Note>{{2, 2, GVN_ENDLABELEDIT}}));
}

TEST_F(GridEditing, FocusLossCommitsWithoutMoving)
{
    f.grid.OnEndInPlaceEditNotify(2, 2, "lost", 0);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "lost");
    EXPECT_EQ(f.grid.GetFocusCell(), (CCellId{2, 2}));
    EXPECT_TRUE(f.window.editors.empty());
}

struct CarryCase {
    const char* what;
    CCellId from;
    int key;
    bool shift;
    CCellId next;
};

void PrintTo(const CarryCase& c, std::ostream* os) { *os << c.what; }

class GridEditCarriesOn : public ::testing::TestWithParam<CarryCase> {};

TEST_P(GridEditCarriesOn, ToTheCellTheKeyLeadsTo)
{
    const CarryCase& c = GetParam();
    GridFixture f(5, 4);
    f.Fill();
    f.Click(c.from);
    f.grid.OnEndInPlaceEditNotify(c.from.row, c.from.col, "new", c.key, c.shift);
    EXPECT_EQ(f.grid.GetItemText(c.from.row, c.from.col), "new");
    EXPECT_EQ(f.grid.GetFocusCell(), c.next);
    ASSERT_EQ(f.window.editors.size(), 1u);
    EXPECT_EQ(f.window.editors[0].row, c.next.row);
    EXPECT_EQ(f.window.editors[0].col, c.next.col);
    EXPECT_EQ(f.window.editors[0].firstChar, c.key) << "the next editor opens with its text selected";
}

INSTANTIATE_TEST_SUITE_P(Grid, GridEditCarriesOn,
                         ::testing::Values(CarryCase{"Tab", {2, 2}, VK_TAB, false, {2, 3}},
                                           CarryCase{"Tab wraps to the next row", {2, 3}, VK_TAB, false, {3, 1}},
                                           CarryCase{"Tab at the last cell opens it again", {4, 3}, VK_TAB, false,
                                                     {4, 3}},
                                           CarryCase{"Shift+Tab", {2, 2}, VK_TAB, true, {2, 1}},
                                           CarryCase{"Down", {2, 2}, VK_DOWN, false, {3, 2}},
                                           CarryCase{"Left", {2, 2}, VK_LEFT, false, {2, 1}}));

TEST(GridEditingRefused, AReadOnlyCellOrAGridThatIsNotEditableOpensNoEditor)
{
    GridFixture f(5, 4);
    f.grid.SetItemState(2, 2, GVIS_READONLY);
    f.Click({2, 2});
    f.window.notes.clear();
    f.grid.OnChar('7', false);
    f.grid.OnEditCell(9, 9, '7');
    EXPECT_TRUE(f.window.editors.empty());
    EXPECT_TRUE(f.window.notes.empty()) << "no -105 without an edit";
    f.grid.m_bEditEnabled = false;
    f.grid.OnEditCell(3, 3, VK_LBUTTON);
    EXPECT_TRUE(f.window.editors.empty());
}

TEST(GridEditingLists, AColumnWithChoicesEditsInAListWithItsFirstChoices)
{
    GridFixture f(5, 4);
    f.grid.SetCellOptions(2, {"bottom", "top"});
    f.grid.SetCellOptions(2, {"ignored"});
    f.grid.SetCellOptions(3, {"ohmic", "schottky"});
    f.Click({2, 2});
    f.grid.OnEditCell(2, 2, VK_LBUTTON);
    f.grid.OnEditCell(2, 3, VK_LBUTTON);
    f.grid.OnEditCell(2, 1, VK_LBUTTON);
    ASSERT_EQ(f.window.editors.size(), 3u);
    EXPECT_TRUE(f.window.editors[0].isList);
    EXPECT_EQ(f.window.editors[0].choices, (std::vector<std::string>{"bottom", "top"}));
    EXPECT_EQ(f.window.editors[1].choices, (std::vector<std::string>{"ohmic", "schottky"}));
    EXPECT_FALSE(f.window.editors[2].isList);
}

TEST(GridEditingFormat, TheEditorTakesTheCellsAlignment)
{
    GridFixture f(3, 3);
    GRID_ITEM item;
    item.row = 1;
    item.col = 1;
    item.mask = GVIF_FORMAT;
    item.nFormat = DT_RIGHT | DT_WORDBREAK;
    f.grid.SetItem(item);
    item.col = 2;
    item.nFormat = DT_CENTER;
    f.grid.SetItem(item);
    f.grid.OnEditCell(1, 1, VK_LBUTTON);
    f.grid.OnEditCell(1, 2, VK_LBUTTON);
    f.grid.OnEditCell(2, 2, VK_LBUTTON);
    ASSERT_EQ(f.window.editors.size(), 3u);
    EXPECT_EQ(f.window.editors[0].alignment, DT_RIGHT);
    EXPECT_EQ(f.window.editors[1].alignment, DT_CENTER);
    EXPECT_EQ(f.window.editors[2].alignment, DT_LEFT);
}

TEST(GridTitleTip, ShowsOnlyForTextThatDoesNotFitWithASpaceEachSide)
{
    GridFixture f(3, 3);
    f.grid.SetItemText(1, 1, "abcde");    // (5 + 2) x 7 = 49: fits in 50 pixels (right pixel 99)
    f.grid.SetItemText(1, 2, "abcdefg");  // 63: does not
    f.grid.OnMouseMove({GridFixture::Middle(1, 1), false, false, false});
    EXPECT_EQ(f.window.titleTips, 0);
    f.grid.OnMouseMove({GridFixture::Middle(1, 2), false, false, false});
    EXPECT_EQ(f.window.titleTips, 1);
    f.grid.m_bShowTitleTips = false;
    f.grid.OnMouseMove({GridFixture::Middle(1, 2), false, false, false});
    EXPECT_EQ(f.window.titleTips, 1);
}
