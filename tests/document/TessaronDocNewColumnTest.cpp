// New Column through the document with the scripted sheet: where the column goes, what it starts
// from and is made of, the z-segment values the sheet hands back, the undo entry, and Cancel, which
// leaves the device as it was.

#include "CommandIds.h"
#include "document/BuildCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

class NewColumn : public BuildCommandsFixture {
protected:
    // The user names the layer's macro, as the material page would, and presses OK.
    void AcceptNamed(const std::string& bulk)
    {
        sheets.AcceptNextSheet([bulk] { g_EditLayer.m_Material.m_Bulk.m_strName = bulk; });
    }
};

}  // namespace

TEST_F(NewColumn, WithNothingSelectedTheColumnGoesAfterTheLastWithTheDefaultsTheSheetWasShown)
{
    OpenRidge();
    Seg(0).Column(0).m_fTaperPoint[0] = 1.5f;
    Seg(0).Column(0).m_fTaperPoint[1] = 2.5f;
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_nLayerEditMode, 1);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 2.4f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fWidth, 6.0f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fUpperWidth, 6.0f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fLowerWidth, 6.0f);
        EXPECT_EQ(g_EditLayer.m_nColumn, 2);
        EXPECT_EQ(g_EditLayer.m_nRow, 0);
        EXPECT_EQ(g_EditLayer.m_Grating->m_nColumn, 2);
        // Row 0 keeps the vertical mesh of column 0, and the row's labels.
        EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 10);
        ASSERT_EQ(g_EditLayer.m_Labels.size(), 1u);
        EXPECT_EQ(g_EditLayer.m_Labels[0].m_strText, "substrate");
        EXPECT_EQ(g_EditColumn.m_Mesh.m_nMeshNum, 0);
        EXPECT_FLOAT_EQ(g_EditColumn.m_Mesh.m_fRatio, 1.0f);
        EXPECT_EQ(g_EditColumn.m_Contacts.GetBottomCount(), 0);
        EXPECT_TRUE(g_EditColumn.m_Labels.empty());
        EXPECT_FLOAT_EQ(g_EditColumn.m_fTaperPoint[0], 1.5f);
        EXPECT_FLOAT_EQ(g_EditColumn.m_fTaperPoint[1], 2.5f);
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
        g_EditLayer.m_fUpperWidth = g_EditLayer.m_fLowerWidth = g_EditLayer.m_fWidth = 3.0f;
    });
    Run(ID_COLUMN_NEW);

    ASSERT_EQ(sheets.sheetsRun.size(), 1u);
    EXPECT_EQ(sheets.sheetsRun[0].caption, "New Column");
    EXPECT_TRUE(sheets.sheetsRun[0].allPages);
    EXPECT_EQ(sheets.sheetsRun[0].bannerText, "Veltrane");
    ASSERT_EQ(Seg(0).GetColumnCount(), 3);
    const CColumnRec& added = Seg(0).GetColumn(2);
    // Its one layer, and above it the empty layers a save of the device reads back in the rows of
    // the taller columns.
    ASSERT_EQ(added.GetLayersInUse(), 4);
    EXPECT_EQ(added.GetLayerSlots(), 500);
    EXPECT_EQ(added.GetLayer(0).m_Material.m_Bulk.m_strName, "algaas");
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ(added.GetLayer(row).m_Material.m_Bulk.m_strName, "void macro") << row;
        EXPECT_FLOAT_EQ(added.GetLayer(row).m_fHeight, Seg(0).GetColumn(0).GetLayer(row).m_fHeight) << row;
    }
    EXPECT_FLOAT_EQ(added.m_Size.m_fUpperWidth, 3.0f);
    EXPECT_FLOAT_EQ(added.m_fTaperPoint[0], 1.5f);
    EXPECT_EQ(Seg(0).GetColumn(1).m_Labels.at(0).m_strText, "trench");
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayersInUse(), 4);
    EXPECT_EQ(Seg(0).m_nSelectionKind, 1);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 2);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 0);
    EXPECT_EQ(added.GetLayer(0).m_nSelected, 1);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_EQ(doc().m_nLastSheetAccepted, 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(NewColumn, ASelectedColumnGetsTheNewOneRightOfItAndTheOthersMoveOn)
{
    OpenRidge();
    doc().SetSelection(0, 0, 1);
    Seg(0).Column(1).m_fTaperPoint[0] = 0.75f;
    AcceptNamed("algaas");
    Run(ID_COLUMN_NEW);

    ASSERT_EQ(Seg(0).GetColumnCount(), 3);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_Material.m_Bulk.m_strName, "algaas");
    EXPECT_FLOAT_EQ(g_EditColumn.m_fTaperPoint[0], 0.75f) << "the column right of the selected one";
    // The column that moved on keeps what it had; the new one starts fresh (no label of it).
    EXPECT_EQ(Seg(0).GetColumn(2).GetLayer(1).m_Material.m_Bulk.m_strName, "sio2");
    ASSERT_EQ(Seg(0).GetColumn(2).m_Labels.size(), 1u);
    EXPECT_EQ(Seg(0).GetColumn(2).m_Labels[0].m_strText, "trench");
    EXPECT_TRUE(Seg(0).GetColumn(1).m_Labels.empty());
    EXPECT_EQ(Seg(0).GetColumn(1).m_Contacts.GetBottomCount(), 0);
    // The selected layer let go of its mark; the new layer has it.
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(1).m_nSelected, 0);
    EXPECT_EQ(Seg(0).GetColumn(0).m_nSelectedLayer, -1);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 1);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 0);
}

TEST_F(NewColumn, TheColumnRightOfTheLastIsNotInUseAndLendsNoTaperPoints)
{
    OpenRidge();
    doc().SetSelection(0, 1, 0);
    Seg(0).Column(0).m_fTaperPoint[0] = 1.5f;
    AcceptNamed("algaas");
    Run(ID_COLUMN_NEW);
    EXPECT_FLOAT_EQ(g_EditColumn.m_fTaperPoint[0], 0.0f);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(2).m_fTaperPoint[0], 0.0f);
}

TEST_F(NewColumn, TheReferenceColumnTakesTheRowMeshOfColumnZeroOnlyWhenAccepted)
{
    OpenRidge();
    Seg(0).Column(1).Layer(0).m_Mesh.m_nMeshNum = 7;
    doc().SetSelection(0, 1, 0);
    const std::string before = SavedDevice();
    sheets.CancelNextSheet();
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_Mesh.m_nMeshNum, 7);
    EXPECT_EQ(SavedDevice(), before);

    AcceptNamed("algaas");
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_Mesh.m_nMeshNum, 10);
    EXPECT_EQ(Seg(0).GetColumn(2).GetLayer(0).m_Mesh.m_nMeshNum, 10);
}

TEST_F(NewColumn, CancelLeavesTheDeviceTheHistoryAndTheViewsAsTheyWere)
{
    OpenRidge();
    doc().CheckPoint();
    doc().SetSelection(0, 0, 2);
    doc().SetModifiedFlag(false);
    const std::string before = SavedDevice();
    const int uses = ColourUses();
    sheets.CancelNextSheet();
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(SavedDevice(), before);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
    EXPECT_EQ(UndoEntries(), 1) << "only the entry made before";
    EXPECT_EQ(doc().m_nLastSheetAccepted, 0);
    EXPECT_EQ(ColourUses(), uses);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(views.hints.empty());
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 2);
}

TEST_F(NewColumn, UndoTakesTheNewColumnAwayAgain)
{
    OpenRidge();
    const std::string before = SavedDevice();
    AcceptNamed("algaas");
    Run(ID_COLUMN_NEW);
    ASSERT_EQ(Seg(0).GetColumnCount(), 3);
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
    EXPECT_EQ(SavedDevice(), before);
}

TEST_F(NewColumn, TheZSegmentTakesItsValuesFromTheSheetAndAnEmptyRangeHasOneZPlane)
{
    OpenRidge();
    g_strIsolatedMethod = "yes";
    Seg(0).m_nTotalXMesh = 30;
    Seg(0).m_Params.m_strTaperLink = "no";
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 30);
        EXPECT_EQ(g_EditZSegment.m_Params.m_strTaperLink, "no");
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
        g_EditZSegment.m_nTotalXMesh = 40;
        g_EditZSegment.m_nTotalYMesh = 50;
        g_EditZSegment.m_Params.m_nZPlanes = 5;
        g_EditZSegment.m_Params.m_strTaperLink = "yes";
    });
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(Seg(0).m_nTotalXMesh, 40);
    EXPECT_EQ(Seg(0).m_nTotalYMesh, 50);
    EXPECT_EQ(Seg(0).m_Params.m_strTaperLink, "yes");
    EXPECT_EQ(Seg(0).m_Params.m_nZPlanes, 1) << "z from and z to are both 0";

    sheets.AcceptNextSheet([] {
        g_EditZSegment.m_Params.m_dZTo = 0.005;
        g_EditZSegment.m_Params.m_nZPlanes = 5;
    });
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(Seg(0).m_Params.m_nZPlanes, 5);
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 0.005);
}

TEST_F(NewColumn, TheOnlyZSegmentsFirstRealExtentResetsTheViewsFirst)
{
    OpenRidge();
    sheets.AcceptNextSheet([] {
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
        g_EditZSegment.m_Params.m_dZTo = 2.0;
    });
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(views.hints, (std::vector<int>{1, 0}));
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 2.0);
}

TEST_F(NewColumn, SideContactsChangeOnlyWhenTheContactPageHandsThemBack)
{
    OpenRidge();
    ASSERT_EQ(Seg(0).m_SideContacts.size(), 2u);
    AcceptNamed("algaas");
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(Seg(0).m_SideContacts.size(), 2u);

    CContactList group;
    group.m_nRow = 1;
    group.m_Contacts.resize(1);
    group.m_Contacts[0].m_nContactNum = 9;
    sheets.AcceptNextSheetWithSideContacts({group});
    Run(ID_COLUMN_NEW);
    ASSERT_EQ(Seg(0).m_SideContacts.size(), 1u);
    EXPECT_EQ(Seg(0).m_SideContacts[0].m_Contacts.at(0).m_nContactNum, 9);
}

TEST_F(NewColumn, BothEdgeWidthsEditedMakeTheLowerOneTheWidth)
{
    OpenRidge();
    sheets.AcceptNextSheet([] {
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
        g_EditLayer.m_fUpperWidth = 2.0f;
        g_EditLayer.m_fLowerWidth = 3.0f;
        g_CurLayerParams.m_bUpperWidthChanged = 1;
        g_CurLayerParams.m_bLowerWidthChanged = 1;
    });
    Run(ID_COLUMN_NEW);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(2).GetLayer(0).m_fWidth, 3.0f);
    EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, 0);
    EXPECT_EQ(g_CurLayerParams.m_bLowerWidthChanged, 0);

    sheets.AcceptNextSheet([] {
        g_EditLayer.m_fWidth = 6.0f;
        g_CurLayerParams.m_bUpperWidthChanged = 1;
    });
    Run(ID_COLUMN_NEW);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(3).GetLayer(0).m_fWidth, 6.0f);
    EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, 1);
}

TEST_F(NewColumn, AnEqualLayerLendsItsColourPairCountedOnceMore)
{
    OpenRidge();
    const CLayerRec& gaas = Seg(0).GetColumn(0).GetLayer(0);
    const int colour = gaas.m_nColour;
    const int pattern = gaas.m_nPattern;
    const int uses = g_ColourUsage[colour][pattern];
    const CLayerMaterial material = gaas.m_Material;
    const CLayerDoping doping = gaas.m_Doping;
    sheets.AcceptNextSheet([material, doping] {
        g_EditLayer.m_Material = material;
        g_EditLayer.m_Doping = doping;
    });
    Run(ID_COLUMN_NEW);
    const CLayerRec& added = Seg(0).GetColumn(2).GetLayer(0);
    EXPECT_EQ(added.m_nColour, colour);
    EXPECT_EQ(added.m_nPattern, pattern);
    EXPECT_EQ(g_ColourUsage[colour][pattern], uses + 1);
}

TEST_F(NewColumn, ColumnSlotsGrowByTenOnlyWhenTheZSegmentIsFull)
{
    const struct {
        int columns, slots, grownSlots;
    } cases[] = {{14, 15, 15}, {15, 15, 25}, {25, 25, 35}, {3, 20, 20}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.columns);
        UseZSegments(1);
        for (int c = 0; c < each.columns; ++c)
            AddColumn(0, {"gaas"});
        Seg(0).m_nColumnSlots = each.slots;
        AcceptNamed("algaas");
        Run(ID_COLUMN_NEW);
        EXPECT_EQ(Seg(0).GetColumnCount(), each.columns + 1);
        EXPECT_EQ(Seg(0).m_nColumnSlots, each.grownSlots);
    }
}

TEST_F(NewColumn, TheLayerBuilderStartsAnEmptyDocumentWithZSegmentOneAndOneUndoEntry)
{
    app.mode3d = false;
    doc().OnNewDocument();
    views.hints.clear();
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_nZSegCount, 1);
        EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 0);
        EXPECT_EQ(g_EditLayer.m_nColumn, 0);
        g_EditLayer.m_Material.m_Bulk.m_strName = "gaas";
        g_EditLayer.m_fHeight = 1.25f;
    });
    EXPECT_TRUE(doc().QueryCommand(ID_COLUMN_NEW).enabled);
    Run(ID_COLUMN_NEW);

    ASSERT_EQ(sheets.sheetsRun.size(), 1u);
    EXPECT_EQ(sheets.sheetsRun[0].caption, "New Column");
    EXPECT_TRUE(sheets.positionDlgsRun.empty());
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(Seg(0).GetColumnCount(), 1);
    EXPECT_EQ(Seg(0).m_nColumnSlots, 15);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(0).GetLayer(0).m_fHeight, 1.25f);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 1);
    EXPECT_EQ(g_ColourUsage[0][0], 1);
    EXPECT_EQ(ColourUses(), 1);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_EQ(views.hints.back(), 0);

    Run(ID_EDIT_UNDO);
    EXPECT_EQ(g_nZSegCount, 0) << "one Undo takes the whole first step back";
}

TEST_F(NewColumn, TheLayerBuildersFirstSheetCancelledLeavesNoZSegmentAndNoUndoEntry)
{
    app.mode3d = false;
    doc().OnNewDocument();
    sheets.CancelNextSheet();
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_EQ(UndoEntries(), 0);
    EXPECT_FALSE(doc().QueryCommand(ID_EDIT_UNDO).enabled);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(ColourUses(), 0);
}

TEST_F(NewColumn, TheDeviceEditorOffersTheCommandOnlyWithACurrentZSegment)
{
    EXPECT_FALSE(doc().QueryCommand(ID_COLUMN_NEW).enabled);
    Run(ID_COLUMN_NEW);
    EXPECT_TRUE(sheets.sheetsRun.empty());
    OpenRidge();
    EXPECT_TRUE(doc().QueryCommand(ID_COLUMN_NEW).handled);
    EXPECT_TRUE(doc().QueryCommand(ID_COLUMN_NEW).enabled);
    app.mode3d = false;
    g_nCurZSeg = 0;
    EXPECT_TRUE(doc().QueryCommand(ID_COLUMN_NEW).enabled);
}
