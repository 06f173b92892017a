#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Z-segment 1: one column "aa", "bb", "cc", "dd" (widths 2) and a column "ee", "ff"; z-segment 2: "zz".
class LayerClipboard : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(2);
        AddColumn(0, {"aa", "bb", "cc", "dd"});
        AddColumn(0, {"ee", "ff"});
        AddColumn(1, {"zz"});
    }
};

struct DropCase {
    const char* name;
    int source;         // row of column 0 that is dragged
    int targetColumn;   // the drop target as it was before the cut
    int targetRow;
    Device expected;
};

void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }

class LayerDrag : public LayerClipboard, public ::testing::WithParamInterface<DropCase> {};

}  // namespace

TEST_F(LayerClipboard, CopyTakesTheSelectedLayerWithoutSnapshot)
{
    Select(0, 0, 1);
    doc().OnCommand(ID_LAYER_COPY);
    EXPECT_EQ(g_nClipboardZSeg, 1);
    ASSERT_EQ(Seg(0).m_LayerClipboard.size(), 1u);
    EXPECT_EQ(Seg(0).m_LayerClipboard[0].m_Material.m_Bulk.m_strName, "bb");
    EXPECT_EQ(Seg(0).m_ColumnClipboard.GetLayerSlots(), 0);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(LayerClipboard, CutMovesTheLayersAboveDownAndClearsTheSelection)
{
    Select(0, 0, 1);
    doc().OnCommand(ID_LAYER_CUT);
    EXPECT_EQ(Bulks(0), (Device{{"aa", "cc", "dd"}, {"ee", "ff"}}));
    ASSERT_EQ(Seg(0).m_LayerClipboard.size(), 1u);
    EXPECT_EQ(Seg(0).m_LayerClipboard[0].m_Material.m_Bulk.m_strName, "bb");
    EXPECT_EQ(Seg(0).m_nSelectedRow, -1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "cc", "dd"}, {"ee", "ff"}}));
}

TEST_F(LayerClipboard, CuttingTheOnlyLayerOfAColumnRemovesTheColumn)
{
    Select(1, 0, 0);
    doc().OnLayerCut();
    EXPECT_EQ(Seg(1).GetColumnCount(), 0);
    EXPECT_EQ(Seg(1).m_nSelectedColumn, -1);
}

TEST_F(LayerClipboard, PasteInsertsAboveTheSelectedLayerOnItsUpperEdge)
{
    LayerAt(0, 0, 1).m_fUpperWidth = 3.0f;  // the edge the new layer sits on
    CLayerRec trapezoid = MakeLayer("xx", 0.7f, 5.0f, 4.0f);
    trapezoid.m_nRed = 1;
    trapezoid.m_nWhite = 1;
    Paint(trapezoid, 6, 5);
    Seg(1).m_LayerClipboard.assign(1, trapezoid);
    g_nClipboardZSeg = 2;
    Select(0, 0, 1);
    doc().OnCommand(ID_LAYER_PASTE);

    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "xx", "cc", "dd"}, {"ee", "ff"}}));
    const CLayerRec& pasted = LayerAt(0, 0, 2);
    EXPECT_EQ(pasted.m_fUpperWidth, 3.0f);
    EXPECT_EQ(pasted.m_fLowerWidth, 3.0f);
    EXPECT_EQ(pasted.m_fHeight, 0.7f);
    EXPECT_EQ(pasted.m_nRed, 0);
    EXPECT_EQ(pasted.m_nWhite, 0);
    EXPECT_EQ(g_ColourUsage[6][5], 2);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 2);
    EXPECT_EQ(Seg(0).GetColumn(0).m_nSelectedLayer, 2);
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "cc", "dd"}, {"ee", "ff"}}));
    EXPECT_EQ(g_ColourUsage[6][5], 1);
}

TEST_F(LayerClipboard, PasteAboveTheTopLayerPutsTheLayerOnTop)
{
    Select(1, 0, 0);
    doc().OnLayerCopy();
    Select(0, 1, 1);
    doc().OnLayerPaste();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "cc", "dd"}, {"ee", "ff", "zz"}}));
    EXPECT_EQ(Seg(0).m_nSelectedRow, 2);
}

TEST_F(LayerClipboard, PastedRowLabelsJoinTheRowsWithFreeNames)
{
    LayerAt(0, 1, 1).m_Labels = {Label("top", 0)};
    CLayerRec labelled = MakeLayer("xx");
    labelled.m_Labels = {Label("top", 0), Label("mid", 1), Label("lab4", 2)};
    LayerAt(1, 0, 0).m_Labels = {Label("lab4", 2)};
    Seg(0).m_LayerClipboard.assign(1, labelled);
    g_nClipboardZSeg = 1;
    Select(0, 0, 0);
    doc().OnLayerPaste();

    // Row 1 is now "xx" in column 0 and "ff" in column 1: one list for both, each name free.
    const std::vector<std::string> expected = {"top1", "mid1", "lab5"};
    EXPECT_EQ(Texts(LayerAt(0, 0, 1).m_Labels), expected);
    EXPECT_EQ(Texts(LayerAt(0, 1, 1).m_Labels), expected);
}

TEST_F(LayerClipboard, PasteIntoAFullColumnIsRefusedWithAMessage)
{
    CColumnRec& full = Seg(1).Column(0);
    while (!full.IsFull())
        full.AppendLayer(MakeLayer("zz"));
    Select(0, 0, 0);
    doc().OnLayerCopy();
    Select(1, 0, 3);
    prompts.AnswerNext(IDOK);
    doc().OnLayerPaste();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CColumnRec::kFullColumnMessage});
    EXPECT_EQ(full.GetLayersInUse(), CColumnRec::kMaxLayers);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
}

TEST_P(LayerDrag, ACtrlDragPastesAboveTheTargetLayerWhereverTheCutMovedIt)
{
    const DropCase& drop = GetParam();
    Select(0, 0, drop.source);
    doc().OnLayerCut(drop.targetColumn, drop.targetRow);
    doc().OnLayerPaste();
    EXPECT_EQ(Bulks(0), drop.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, LayerDrag,
    ::testing::Values(DropCase{"below the source", 2, 0, 0, {{"aa", "cc", "bb", "dd"}, {"ee", "ff"}}},
                      // The target moved down a row with the cut: the paste follows it.
                      DropCase{"above the source", 0, 0, 2, {{"bb", "cc", "aa", "dd"}, {"ee", "ff"}}},
                      DropCase{"right above the source", 1, 0, 2, {{"aa", "cc", "bb", "dd"}, {"ee", "ff"}}},
                      DropCase{"the top layer", 1, 0, 3, {{"aa", "cc", "dd", "bb"}, {"ee", "ff"}}},
                      DropCase{"another column", 3, 1, 0, {{"aa", "bb", "cc"}, {"ee", "dd", "ff"}}}),
    [](const ::testing::TestParamInfo<DropCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

TEST_F(LayerClipboard, ADragOfAColumnsOnlyLayerOntoALaterColumnPastesThere)
{
    UseZSegments(1);
    AddColumn(0, {"xx"});
    AddColumn(0, {"yy", "zz"});
    Select(0, 0, 0);
    doc().OnLayerCut(1, 1);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 1);
    doc().OnLayerPaste();
    EXPECT_EQ(Bulks(0), (Device{{"yy", "zz", "xx"}}));
}

TEST_F(LayerClipboard, ADropOnTheCutLayerItselfOrBesideTheLayersSelectsNothing)
{
    // (column, row) of the target: the cut layer, then a row column 1 does not have.
    for (const auto& [column, row] : {std::pair{0, 1}, std::pair{1, 2}}) {
        Select(0, 0, 1);
        doc().OnLayerCut(column, row);
        EXPECT_EQ(Bulks(0), (Device{{"aa", "cc", "dd"}, {"ee", "ff"}}));
        EXPECT_EQ(Seg(0).m_nSelectedRow, -1);
        EXPECT_EQ(Seg(0).m_nSelectedColumn, -1);
        doc().OnEditUndo();
    }
}
