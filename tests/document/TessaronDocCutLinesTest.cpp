#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

// Z-segment 1: column {aa (3.0 high), bb} and column {cc (3.0 high), dd}, row 0 labelled "lab1", the
// columns "left" and "right".
class CutLines : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(1);
        AddColumn(0, {"aa", "bb"});
        AddColumn(0, {"cc", "dd"});
        CColumnRec& left = Seg(0).Column(0);
        CColumnRec& right = Seg(0).Column(1);
        left.m_Labels = {Label("left")};
        right.m_Labels = {Label("right")};
        for (CColumnRec* column : {&left, &right}) {
            column->Layer(0).m_fHeight = 3.0f;
            column->Layer(0).m_Labels = {Label("lab1")};
        }
        Paint(left.Layer(0), 5, 5);
        Paint(right.Layer(0), 6, 6);
        Seg(0).m_nColumnSlots = 2;
    }
    // The user types `value` into the cut-line dialog and presses OK.
    void Answer(double value)
    {
        sheets.OnNextCutLineDlg([value](CutLineRequest& request) {
            request.value = value;
            return true;
        });
    }
};

}  // namespace

TEST_F(CutLines, AHorizontalCutMakesEveryLayerOfTheRowTwo)
{
    Select(0, 0, 0);
    Answer(1.0);
    doc().OnCommand(ID_INSERT_HORI_LINE);

    ASSERT_EQ(sheets.cutLineDlgsRun.size(), 1u);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].limit, 3.0);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].vertical, 0);
    EXPECT_EQ(Bulks(0), (Device{{"aa", "aa", "bb"}, {"cc", "cc", "dd"}}));
    EXPECT_EQ(LayerAt(0, 0, 0).m_fHeight, 1.0f);
    EXPECT_EQ(LayerAt(0, 0, 1).m_fHeight, 2.0f);
    EXPECT_EQ(LayerAt(0, 1, 1).m_fHeight, 2.0f);
    EXPECT_EQ(Texts(LayerAt(0, 0, 0).m_Labels), std::vector<std::string>{"lab1"});
    EXPECT_EQ(Texts(LayerAt(0, 0, 1).m_Labels), std::vector<std::string>{"lab2"});
    EXPECT_EQ(Texts(LayerAt(0, 1, 1).m_Labels), std::vector<std::string>{"lab2"});
    EXPECT_EQ(g_ColourUsage[5][5], 2);
    EXPECT_EQ(g_ColourUsage[6][6], 2);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 0);
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb"}, {"cc", "dd"}}));
}

TEST_F(CutLines, AHorizontalCutLeavesAColumnThatEndsBelowTheRow)
{
    Seg(0).Column(0).AppendLayer(MakeLayer("ee", 2.0f));
    Select(0, 0, 2);
    Answer(0.5);
    doc().OnInsertHoriLine();
    ASSERT_EQ(sheets.cutLineDlgsRun.size(), 1u);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].limit, 2.0);
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "ee", "ee"}, {"cc", "dd"}}));
}

TEST_F(CutLines, ARowWithoutARealLayerIsNotCutAndShowsNoDialog)
{
    Seg(0).Column(0).Layer(1).m_Material.m_Bulk.m_strName = "void";
    Seg(0).Column(1).Layer(1).m_Material.m_Bulk.m_strName = "void1";
    Select(0, 0, 1);
    doc().OnInsertHoriLine();
    EXPECT_TRUE(sheets.cutLineDlgsRun.empty());
    EXPECT_FALSE(CanUndo());
}

TEST_F(CutLines, ACancelledDialogChangesNothingAndRecordsNoSnapshot)
{
    Select(0, 0, 0);
    sheets.OnNextCutLineDlg([](CutLineRequest&) { return false; });
    doc().OnInsertHoriLine();
    sheets.OnNextCutLineDlg([](CutLineRequest&) { return false; });
    doc().OnInsertVertiLine();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb"}, {"cc", "dd"}}));
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(CutLines, ARowWithAFullColumnIsNotCut)
{
    CColumnRec& left = Seg(0).Column(0);
    while (!left.IsFull())
        left.AppendLayer(MakeLayer("xx"));
    Select(0, 1, 0);
    prompts.AnswerNext(IDOK);
    doc().OnInsertHoriLine();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CColumnRec::kFullColumnMessage});
    EXPECT_TRUE(sheets.cutLineDlgsRun.empty());
}

TEST_F(CutLines, AVerticalCutSplitsEveryLayerOfTheColumnAtTheValue)
{
    CLayerRec& trapezoid = LayerAt(0, 0, 1);
    trapezoid.m_fUpperWidth = 4.0f;
    trapezoid.m_fLowerWidth = 6.0f;
    trapezoid.m_fWidth = 5.0f;
    Seg(0).Column(0).m_Mesh.m_nMeshNum = 12;
    Seg(0).Column(0).m_Contacts.AddTop(CTopContact());
    Select(0, 0, 1);
    Answer(1.0);
    doc().OnCommand(ID_INSERT_VERTI_LINE);

    ASSERT_EQ(sheets.cutLineDlgsRun.size(), 1u);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].vertical, 1);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].limit, 2.0);  // the narrowest edge of the column
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb"}, {"aa", "bb"}, {"cc", "dd"}}));
    const CLayerRec& leftPiece = LayerAt(0, 0, 1);
    const CLayerRec& rightPiece = LayerAt(0, 1, 1);
    EXPECT_EQ(leftPiece.m_fWidth, 1.0f);
    EXPECT_EQ(leftPiece.m_fUpperWidth, 1.0f);
    EXPECT_EQ(leftPiece.m_fLowerWidth, 1.0f);
    EXPECT_EQ(rightPiece.m_fWidth, 4.0f);
    EXPECT_EQ(rightPiece.m_fUpperWidth, 3.0f);
    EXPECT_EQ(rightPiece.m_fLowerWidth, 5.0f);
    EXPECT_EQ(LayerAt(0, 1, 0).m_nColour, 5);
    EXPECT_EQ(g_ColourUsage[5][5], 2);

    const CColumnRec& newColumn = Seg(0).GetColumn(1);
    EXPECT_EQ(newColumn.m_Contacts.GetTopCount(), 0);
    EXPECT_EQ(Seg(0).GetColumn(0).m_Contacts.GetTopCount(), 1);
    EXPECT_EQ(newColumn.m_Mesh.m_nMeshNum, 12);
    EXPECT_EQ(Texts(newColumn.m_Labels), std::vector<std::string>{"left1"});
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    // The column slots follow: a later paste or new column has room for every column in use.
    EXPECT_GE(Seg(0).m_nColumnSlots, Seg(0).GetColumnCount());

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb"}, {"cc", "dd"}}));
}

TEST_F(CutLines, AColumnOfEmptyLayersIsNotCutAndShowsNoDialog)
{
    for (int r = 0; r < 2; ++r)
        LayerAt(0, 1, r).m_Material.m_Bulk.m_strName = "void";
    Select(0, 1, 0);
    doc().OnInsertVertiLine();
    EXPECT_TRUE(sheets.cutLineDlgsRun.empty());
    EXPECT_EQ(doc().GetColumnWidth(0, 1), -1.0);
}

TEST_F(CutLines, MeasuresTakeTheFirstRealLayer)
{
    LayerAt(0, 0, 1).m_fUpperWidth = 7.0f;
    EXPECT_EQ(doc().GetRowHeight(0, 0), 3.0);
    EXPECT_EQ(doc().GetRowHeight(0, 5), -1.0);
    EXPECT_EQ(doc().GetColumnWidth(0, 0), 2.0);
    LayerAt(0, 0, 0).m_Material.m_Bulk.m_strName = "void";
    EXPECT_EQ(doc().GetColumnWidth(0, 0), 7.0);
    EXPECT_EQ(doc().GetColumnWidth(0, 2), -1.0);
}

TEST_F(CutLines, AHorizontalCutIsLimitedByTheLowestLayerOfTheRow)
{
    // Rows differ in height between columns once one column has had a layer of its own inserted.
    LayerAt(0, 0, 0).m_fHeight = 1.0f;
    LayerAt(0, 1, 0).m_fHeight = 0.25f;
    Select(0, 0, 0);
    Answer(0.6);
    prompts.AnswerNext(IDOK);
    doc().OnInsertHoriLine();

    ASSERT_EQ(sheets.cutLineDlgsRun.size(), 1u);
    EXPECT_EQ(sheets.cutLineDlgsRun[0].limit, 0.25);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Input value is too big"});
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb"}, {"cc", "dd"}}));
    EXPECT_EQ(LayerAt(0, 1, 0).m_fHeight, 0.25f);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());

    Answer(0.2);
    doc().OnInsertHoriLine();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "aa", "bb"}, {"cc", "cc", "dd"}}));
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_GT(LayerAt(0, c, r).m_fHeight, 0.0f) << c << "," << r;
    EXPECT_FLOAT_EQ(LayerAt(0, 0, 1).m_fHeight, 0.8f);
    EXPECT_FLOAT_EQ(LayerAt(0, 1, 1).m_fHeight, 0.05f);
}
