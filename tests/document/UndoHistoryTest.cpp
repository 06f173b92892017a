#include "CommandIds.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace {

// Each "edit" records a checkpoint and then sets a marker of the model to its number, so a
// restored state tells which edit it came before.
class UndoTest : public DocFixture {
protected:
    void SetUp() override
    {
        UseZSegments(1);
        AddColumn(0, {"gaas"});
    }
    int Marker() { return Seg(0).m_nTotalXMesh; }
    void Edit(int n)
    {
        doc().CheckPoint();
        Seg(0).m_nTotalXMesh = n;
    }
};

}  // namespace

TEST_F(UndoTest, UndoOnAnEmptyHistoryRecordsThePresentAndRestoresNothing)
{
    EXPECT_FALSE(doc().QueryCommand(ID_EDIT_UNDO).enabled);
    Seg(0).m_nTotalXMesh = 9;
    doc().UndoHistory().Undo();
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 1);
    EXPECT_EQ(doc().UndoHistory().GetCursor(), 0);
    EXPECT_FALSE(doc().UndoHistory().CanUndo());
    EXPECT_FALSE(doc().UndoHistory().CanRedo());
    EXPECT_EQ(Marker(), 9);
}

TEST_F(UndoTest, SevenEditsKeepTheStatesBeforeEditsTwoToSeven)
{
    for (int n = 1; n <= 7; ++n)
        Edit(n);
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 6);
    EXPECT_EQ(doc().UndoHistory().GetCursor(), 5);
    // The states before edits 2..7 carry the markers 1..6.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc().UndoHistory().GetSnapshot(i).m_ZSegments[0].m_nTotalXMesh, i + 1);
    // The first Undo records the present state in the full history, which drops the oldest one.
    std::vector<int> seen;
    while (seen.empty() || doc().UndoHistory().CanUndo()) {
        doc().UndoHistory().Undo();
        seen.push_back(Marker());
    }
    EXPECT_EQ(seen, (std::vector<int>{6, 5, 4, 3, 2}));
}

TEST_F(UndoTest, UndoTwiceThenRedoTwiceWalksBackAndForth)
{
    Edit(1);
    Edit(2);
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 1);
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 0);
    EXPECT_FALSE(doc().UndoHistory().CanUndo());
    doc().UndoHistory().Redo();
    EXPECT_EQ(Marker(), 1);
    doc().UndoHistory().Redo();
    EXPECT_EQ(Marker(), 2);
    EXPECT_FALSE(doc().UndoHistory().CanRedo());
}

TEST_F(UndoTest, AnEditAfterUndoingToTheOldestStateDropsTheRedoStates)
{
    Edit(1);
    Edit(2);
    doc().UndoHistory().Undo();
    doc().UndoHistory().Undo();  // cursor 0, flag set
    Edit(3);
    EXPECT_FALSE(doc().UndoHistory().CanRedo());
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 2);
    EXPECT_EQ(doc().UndoHistory().GetSnapshot(0).m_ZSegments[0].m_nTotalXMesh, 0);
    EXPECT_EQ(doc().UndoHistory().GetSnapshot(1).m_ZSegments[0].m_nTotalXMesh, 0);
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 0);
    doc().UndoHistory().Undo();  // the two equal snapshots at the start: no visible change
    EXPECT_EQ(Marker(), 0);
}

TEST_F(UndoTest, AnEditAfterOneUndoReplacesTheStateAtTheCursor)
{
    Edit(1);
    Edit(2);
    Edit(3);
    doc().UndoHistory().Undo();  // back to 2
    Edit(4);
    EXPECT_FALSE(doc().UndoHistory().CanRedo());
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 2);
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 1);
}

TEST_F(UndoTest, DiscardingACancelledCommandsCheckPointKeepsEarlierStates)
{
    Edit(1);
    Edit(2);
    doc().CheckPoint();  // a command whose sheet is then cancelled
    doc().DiscardLastCheckPoint();
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 2);
    EXPECT_EQ(doc().UndoHistory().GetCursor(), 1);
    doc().UndoHistory().Undo();
    EXPECT_EQ(Marker(), 1);
}

TEST_F(UndoTest, SnapshotsCarryEditBlockModelMaterialSetsAndVcselSections)
{
    g_ColourUsage[2][3] = 4;
    g_nLayerEditMode = 3;
    g_EditLayer.m_fHeight = 1.5f;
    g_CurLayerParams.m_bWidthChanged = 1;
    doc().m_MaterialSets.resize(1);
    doc().m_VcselSections.resize(1);
    doc().m_nRefColumn = 2;
    doc().m_SegInfoList.m_strName = "dev";
    doc().m_LoadedLines.Mutable().Append(CKeywordLine());
    doc().m_nCylinder = 1;
    Edit(1);

    g_ColourUsage[2][3] = 0;
    g_nLayerEditMode = 1;
    g_EditLayer.m_fHeight = 0.0f;
    g_CurLayerParams.m_bWidthChanged = 0;
    doc().m_MaterialSets.clear();
    doc().m_VcselSections.clear();
    doc().m_nRefColumn = 0;
    doc().m_SegInfoList.m_strName.clear();
    doc().m_LoadedLines.RemoveAll();
    doc().m_nCylinder = 0;
    g_nCurZSeg = 0;

    doc().OnEditUndo();
    EXPECT_EQ(g_ColourUsage[2][3], 4);
    EXPECT_EQ(g_nLayerEditMode, 3);
    EXPECT_EQ(g_EditLayer.m_fHeight, 1.5f);
    EXPECT_EQ(g_CurLayerParams.m_bWidthChanged, 1);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(doc().m_MaterialSets.size(), 1u);
    EXPECT_EQ(doc().m_VcselSections.size(), 1u);
    EXPECT_EQ(doc().m_nRefColumn, 2);
    EXPECT_EQ(doc().m_SegInfoList.m_strName, "dev");
    // Not part of a snapshot: the loaded lines and the options.
    EXPECT_EQ(doc().m_LoadedLines->GetCount(), 0);
    EXPECT_EQ(doc().m_nCylinder, 0);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});
}

TEST_F(UndoTest, UndoAndRedoCommandsFollowTheirEnablingRules)
{
    Edit(1);
    EXPECT_TRUE(doc().QueryCommand(ID_EDIT_UNDO).enabled);
    EXPECT_FALSE(doc().QueryCommand(ID_EDIT_REDO).enabled);
    ASSERT_TRUE(doc().OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Marker(), 0);
    EXPECT_FALSE(doc().QueryCommand(ID_EDIT_UNDO).enabled);
    EXPECT_TRUE(doc().QueryCommand(ID_EDIT_REDO).enabled);
    ASSERT_TRUE(doc().OnCommand(ID_EDIT_REDO));
    EXPECT_EQ(Marker(), 1);
    // Nothing to move to: the views still update and the document is still marked modified.
    doc().SetModifiedFlag(false);
    doc().OnEditRedo();
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(UndoTest, ASnapshotSharesTheColumnsAnEditDidNotTouch)
{
    AddColumn(0, {"inp", "gaas"});
    AddColumn(0, {"algaas"});
    doc().UpdateAllViews(0);
    doc().CheckPoint();
    Seg(0).Column(1).Layer(1).m_fHeight = 3.0f;
    doc().UpdateAllViews(0);

    const CZSegment& before = doc().UndoHistory().GetSnapshot(0).m_ZSegments[0];
    EXPECT_EQ(&before.GetColumn(0), &Seg(0).GetColumn(0));
    EXPECT_NE(&before.GetColumn(1), &Seg(0).GetColumn(1));
    EXPECT_EQ(&before.GetColumn(2), &Seg(0).GetColumn(2));
    EXPECT_FLOAT_EQ(before.GetColumn(1).GetLayer(1).m_fHeight, 1.0f);

    doc().UndoHistory().Undo();
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(1).m_fHeight, 1.0f);
    doc().UndoHistory().Redo();
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(1).m_fHeight, 3.0f);
    // Writing after a restore leaves the snapshot it came from as it was.
    Seg(0).Column(1).Layer(1).m_fHeight = 5.0f;
    doc().UndoHistory().Undo();
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(1).m_fHeight, 1.0f);
    doc().UndoHistory().Redo();
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(1).m_fHeight, 3.0f);
}
