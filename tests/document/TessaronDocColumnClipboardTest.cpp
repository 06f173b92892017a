#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

// Three columns "aa", "bb", "cc" in z-segment 1, each one layer; "bb" with two.
class ColumnClipboard : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(3);
        Paint(AddColumn(0, {"aa"}).Layer(0), 1, 1);
        CColumnRec& b = AddColumn(0, {"b1", "b2"});
        Paint(b.Layer(0), 2, 2);
        Paint(b.Layer(1), 3, 3);
        Paint(AddColumn(0, {"cc"}).Layer(0), 4, 4);
        Seg(0).m_nColumnSlots = 15;
    }
};

}  // namespace

TEST_F(ColumnClipboard, CopyFillsTheColumnClipboardAndChangesNothingElse)
{
    Select(0, 1, 1);
    doc().OnCommand(ID_COLUMN_COPY);

    EXPECT_EQ(g_nClipboardZSeg, 1);
    const CColumnRec& clip = Seg(0).m_ColumnClipboard;
    EXPECT_EQ(clip.GetLayerSlots(), CColumnRec::kMaxLayers);
    ASSERT_EQ(clip.GetLayersInUse(), 2);
    EXPECT_EQ(clip.GetLayer(1).m_Material.m_Bulk.m_strName, "b2");
    EXPECT_EQ(clip.GetLayer(1).m_nSelected, 0);
    EXPECT_TRUE(Seg(0).m_LayerClipboard.empty());
    EXPECT_EQ(Bulks(0), (Device{{"aa"}, {"b1", "b2"}, {"cc"}}));
    EXPECT_EQ(g_ColourUsage[3][3], 1);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(views.hints.empty());
}

TEST_F(ColumnClipboard, CutRemovesTheColumnAndItsColourUsesAndUndoBringsBoth)
{
    Seg(0).m_LayerClipboard.assign(1, MakeLayer("old"));
    Select(0, 1, 0);
    doc().OnCommand(ID_COLUMN_CUT);

    EXPECT_EQ(Bulks(0), (Device{{"aa"}, {"cc"}}));
    EXPECT_EQ(Seg(0).m_ColumnClipboard.GetLayersInUse(), 2);
    EXPECT_TRUE(Seg(0).m_LayerClipboard.empty());
    EXPECT_EQ(g_ColourUsage[2][2], 0);
    EXPECT_EQ(g_ColourUsage[3][3], 0);
    EXPECT_EQ(g_ColourUsage[1][1], 1);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, -1);
    EXPECT_EQ(doc().m_bHasSelection, 0);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa"}, {"b1", "b2"}, {"cc"}}));
    EXPECT_EQ(g_ColourUsage[2][2], 1);
    ASSERT_EQ(Seg(0).m_LayerClipboard.size(), 1u);
    EXPECT_EQ(Seg(0).m_LayerClipboard[0].m_Material.m_Bulk.m_strName, "old");
}

TEST_F(ColumnClipboard, CuttingTheOnlyColumnLeavesNoneAndKeepsTheSlots)
{
    UseZSegments(1);
    AddColumn(0, {"xx"});
    Seg(0).m_nColumnSlots = 15;
    Select(0, 0, 0);
    doc().OnColumnCut();
    EXPECT_EQ(Seg(0).GetColumnCount(), 0);
    EXPECT_EQ(Seg(0).m_nColumnSlots, 15);
}

TEST_F(ColumnClipboard, PasteInsertsRightOfTheSelectionCountsColoursAndSelectsTheTopLayer)
{
    Select(0, 1, 0);
    doc().OnColumnCopy();
    Select(0, 0, 0);
    doc().OnCommand(ID_COLUMN_PASTE);

    EXPECT_EQ(Bulks(0), (Device{{"aa"}, {"b1", "b2"}, {"b1", "b2"}, {"cc"}}));
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayerSlots(), CColumnRec::kMaxLayers);
    EXPECT_EQ(g_ColourUsage[2][2], 2);
    EXPECT_EQ(g_ColourUsage[3][3], 2);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 1);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 1);
    EXPECT_EQ(LayerAt(0, 1, 1).m_nSelected, 1);
    EXPECT_EQ(LayerAt(0, 0, 0).m_nSelected, 0);
    EXPECT_EQ(Seg(0).m_nColumnSlots, 15);
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(0), (Device{{"aa"}, {"b1", "b2"}, {"cc"}}));
}

TEST_F(ColumnClipboard, PasteTakesNoTaperPointsAndFreeColumnLabels)
{
    CColumnRec& b = Seg(0).Column(1);
    b.m_fTaperPoint[0] = 1.5f;
    b.m_Labels = {Label("lab1"), Label("gate")};
    Seg(1).m_nColumnSlots = 20;
    AddColumn(1, {"zz"}).m_Labels = {Label("lab2")};
    Select(0, 1, 0);
    doc().OnColumnCopy();
    doc().OnColumnPaste();

    const CColumnRec& pasted = Seg(0).GetColumn(2);
    EXPECT_EQ(pasted.m_fTaperPoint[0], 0.0f);
    // lab1 is carried by the column copied, lab2 by z-segment 2.
    EXPECT_EQ(Texts(pasted.m_Labels), (std::vector<std::string>{"lab3", "gate1"}));
    EXPECT_EQ(Texts(Seg(0).GetColumn(1).m_Labels), (std::vector<std::string>{"lab1", "gate"}));
}

TEST_F(ColumnClipboard, PasteIntoFullSlotsRaisesThemByTen)
{
    Seg(0).m_nColumnSlots = 3;
    Select(0, 2, 0);
    doc().OnColumnCopy();
    doc().OnColumnPaste();
    EXPECT_EQ(Seg(0).GetColumnCount(), 4);
    EXPECT_EQ(Seg(0).m_nColumnSlots, 13);
}

TEST_F(ColumnClipboard, PasteReadsTheClipboardOfTheZSegmentCopiedIn)
{
    AddColumn(1, {"second"});
    AddColumn(2, {"third"});
    Select(1, 0, 0);
    doc().OnColumnCopy();
    Select(2, 0, 0);
    EXPECT_TRUE(Enabled(ID_COLUMN_PASTE));
    doc().OnColumnPaste();
    EXPECT_EQ(Bulks(2), (Device{{"third"}, {"second"}}));
    EXPECT_EQ(Bulks(1), (Device{{"second"}}));
}

TEST_F(ColumnClipboard, LayerCopyEmptiesTheColumnClipboardAndColumnCopyTheLayerClipboard)
{
    Select(0, 0, 0);
    doc().OnColumnCopy();
    EXPECT_TRUE(Enabled(ID_COLUMN_PASTE));
    EXPECT_FALSE(Enabled(ID_LAYER_PASTE));
    doc().OnLayerCopy();
    EXPECT_FALSE(Enabled(ID_COLUMN_PASTE));
    EXPECT_TRUE(Enabled(ID_LAYER_PASTE));
    doc().OnColumnCopy();
    EXPECT_FALSE(Enabled(ID_LAYER_PASTE));
}
