// New Layer through the document with the scripted sheet: the layer goes in right above the
// selected one of its column, starts from the layer under it and the mesh of its row, and a
// cancelled sheet or a full column leaves the device as it was.

#include "CommandIds.h"
#include "document/BuildCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

class NewLayer : public BuildCommandsFixture {
protected:
    void AcceptNamed(const std::string& bulk)
    {
        sheets.AcceptNextSheet([bulk] { g_EditLayer.m_Material.m_Bulk.m_strName = bulk; });
    }
    std::vector<std::string> Bulks(int column)
    {
        std::vector<std::string> names;
        for (const CLayerRec& layer : Seg(0).GetColumn(column).GetLayers())
            names.push_back(layer.m_Material.m_Bulk.m_strName);
        return names;
    }
};

}  // namespace

TEST_F(NewLayer, TheNewLayerGoesRightAboveTheSelectedOneAndOnlyItsColumnChanges)
{
    OpenRidge();
    doc().SetSelection(0, 0, 0);
    const std::vector<std::string> other = Bulks(1);
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_nLayerEditMode, 2);
        EXPECT_EQ(g_EditLayer.m_nColumn, 0);
        EXPECT_EQ(g_EditLayer.m_nRow, 1);
        EXPECT_EQ(g_EditLayer.m_Grating->m_nColumn, 0);
        // As high as the layer under it, as wide as its top edge.
        EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 1.5f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fWidth, 2.5f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fLowerWidth, 2.5f);
        // Column 0 holds the row mesh itself: the new layer's mesh is not set.
        EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 0);
        EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 1.0f);
        EXPECT_TRUE(g_EditLayer.m_strComment.empty());
        // The labels of the row the layer joins, and the column's own values.
        ASSERT_EQ(g_EditLayer.m_Labels.size(), 1u);
        EXPECT_EQ(g_EditLayer.m_Labels[0].m_strText, "clad");
        EXPECT_EQ(g_EditColumn.m_Mesh.m_nMeshNum, 6);
        EXPECT_EQ(g_EditColumn.m_Contacts.GetBottomCount(), 1);
        EXPECT_EQ(g_EditColumn.m_Labels.at(0).m_strText, "ridge");
        g_EditLayer.m_Material.m_Bulk.m_strName = "ingaas";
    });
    Run(ID_LAYER_NEW);

    ASSERT_EQ(sheets.sheetsRun.size(), 1u);
    EXPECT_EQ(sheets.sheetsRun[0].caption, "New Layer");
    EXPECT_TRUE(sheets.sheetsRun[0].allPages);
    EXPECT_EQ(Bulks(0), (std::vector<std::string>{"gaas", "ingaas", "algaas_old_style", "ingaas", "contact_old_style"}));
    // The other column keeps its layers; the row it now lacks holds the empty layer a save of the
    // device reads back there.
    std::vector<std::string> padded = other;
    padded.push_back("void macro");
    EXPECT_EQ(Bulks(1), padded);
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 1);
    EXPECT_EQ(Seg(0).GetColumn(0).m_nSelectedLayer, 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(1).m_nSelected, 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(0).m_nSelected, 0);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(NewLayer, OnTheTopLayerTheNewOneTakesTheFirstFreeSlot)
{
    OpenRidge();
    doc().SetSelection(0, 1, 3);
    AcceptNamed("algaas");
    Run(ID_LAYER_NEW);
    EXPECT_EQ(Bulks(1), (std::vector<std::string>{"gaas", "sio2", "mystery_alloy", "void macro", "algaas"}));
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(4).m_nRow, 4);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 4);
}

TEST_F(NewLayer, ALaterColumnTakesTheMeshOfColumnZerosRowAndTheSelectedLayerKeepsItsOwn)
{
    OpenRidge();
    Seg(0).Column(1).Layer(0).m_Mesh.m_nMeshNum = 4;
    doc().SetSelection(0, 1, 0);
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 8);
        EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 1.1f);
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
    });
    Run(ID_LAYER_NEW);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_Mesh.m_nMeshNum, 4);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(1).m_Mesh.m_nMeshNum, 8);
}

TEST_F(NewLayer, ARowThatColumnZeroDoesNotHaveLendsNoMesh)
{
    OpenRidge();
    Seg(0).Column(1).AppendLayer(MakeLayer("gaas"));
    doc().SetSelection(0, 1, 4);
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 0);
        EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 1.0f);
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
    });
    Run(ID_LAYER_NEW);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayersInUse(), 6);
}

TEST_F(NewLayer, AColumnOfRectanglesStaysOneWidthAndATaperedOneKeepsItsWidths)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "algaas", "gaas"});
    CColumnRec& tapered = AddColumn(0, {"gaas", "algaas"});
    tapered.Layer(1).m_fUpperWidth = 1.5f;
    doc().BuildSegInfoList();
    doc().SetSelection(0, 0, 0);
    sheets.AcceptNextSheet([] {
        g_EditLayer.m_Material.m_Bulk.m_strName = "ingaas";
        g_EditLayer.m_fWidth = g_EditLayer.m_fUpperWidth = g_EditLayer.m_fLowerWidth = 4.0f;
    });
    Run(ID_LAYER_NEW);
    for (const CLayerRec& layer : Seg(0).GetColumn(0).GetLayers()) {
        EXPECT_FLOAT_EQ(layer.m_fUpperWidth, 4.0f);
        EXPECT_FLOAT_EQ(layer.m_fLowerWidth, 4.0f);
    }

    doc().SetSelection(0, 1, 0);
    sheets.AcceptNextSheet([] { g_EditLayer.m_fWidth = g_EditLayer.m_fUpperWidth = g_EditLayer.m_fLowerWidth = 4.0f; });
    Run(ID_LAYER_NEW);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_fUpperWidth, 2.0f);
    EXPECT_FLOAT_EQ(Seg(0).GetColumn(1).GetLayer(2).m_fUpperWidth, 1.5f);
}

TEST_F(NewLayer, TheColumnTakesItsRangesAndTaperLineAndTheZSegmentItsValuesFromTheSheet)
{
    OpenRidge();
    g_strIsolatedMethod = "yes";
    doc().SetSelection(0, 1, 1);
    sheets.AcceptNextSheet([] {
        g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
        g_EditColumn.m_Contacts.Clear();
        g_EditColumn.m_nTaperLine = 1;
        g_EditColumn.m_Mesh.m_nMeshNum = 99;
        g_EditZSegment.m_nTotalYMesh = 12;
        g_EditZSegment.m_Params.m_dZFrom = 1.0;
        g_EditZSegment.m_Params.m_dZTo = 1.0;
        g_EditZSegment.m_Params.m_nZPlanes = 3;
    });
    Run(ID_LAYER_NEW);
    const CColumnRec& column = Seg(0).GetColumn(1);
    EXPECT_EQ(column.m_Contacts.GetBottomCount(), 0);
    EXPECT_EQ(column.m_nTaperLine, 1);
    EXPECT_EQ(column.m_Mesh.m_nMeshNum, 8) << "the column's mesh is not taken back";
    EXPECT_EQ(Seg(0).m_nTotalYMesh, 12);
    EXPECT_EQ(Seg(0).m_Params.m_nZPlanes, 1);
}

TEST_F(NewLayer, CancelLeavesTheDeviceTheHistoryAndTheViewsAsTheyWere)
{
    OpenRidge();
    Seg(0).Column(1).Layer(0).m_Mesh.m_nMeshNum = 4;
    doc().SetSelection(0, 1, 0);
    doc().SetModifiedFlag(false);
    const std::string before = SavedDevice();
    sheets.CancelNextSheet();
    Run(ID_LAYER_NEW);
    EXPECT_EQ(SavedDevice(), before);
    EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(0).m_Mesh.m_nMeshNum, 4);
    EXPECT_EQ(UndoEntries(), 0);
    EXPECT_EQ(doc().m_nLastSheetAccepted, 0);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(views.hints.empty());
}

TEST_F(NewLayer, AFullColumnRefusesWithAMessageAndNoSheet)
{
    UseZSegments(1);
    CColumnRec& full = AddColumn(0, {});
    while (full.GetLayersInUse() < CColumnRec::kMaxLayers)
        full.AppendLayer(MakeLayer("gaas"));
    doc().SetSelection(0, 0, 499);
    prompts.AnswerNext(IDOK);
    Run(ID_LAYER_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CColumnRec::kFullColumnMessage});
    EXPECT_TRUE(sheets.sheetsRun.empty());
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayersInUse(), 500);
    EXPECT_EQ(UndoEntries(), 0);
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(NewLayer, AnEqualLayerLendsItsColourPairCountedOnceMore)
{
    OpenRidge();
    const CLayerRec source = Seg(0).GetColumn(1).GetLayer(1);
    const int uses = g_ColourUsage[source.m_nColour][source.m_nPattern];
    doc().SetSelection(0, 0, 0);
    sheets.AcceptNextSheet([source] {
        g_EditLayer.m_Material = source.m_Material;
        g_EditLayer.m_Doping = source.m_Doping;
    });
    Run(ID_LAYER_NEW);
    // The count is the chooser's; the contact pass then gives the layers their pairs again.
    EXPECT_EQ(g_ColourUsage[source.m_nColour][source.m_nPattern], uses + 1);
}

TEST_F(NewLayer, TheCommandNeedsASelectedLayerThatIsNoSubstitute)
{
    EXPECT_FALSE(doc().QueryCommand(ID_LAYER_NEW).enabled);
    OpenRidge();
    EXPECT_FALSE(doc().QueryCommand(ID_LAYER_NEW).enabled);
    Run(ID_LAYER_NEW);
    EXPECT_TRUE(sheets.sheetsRun.empty());
    doc().SetSelection(0, 1, 2);
    EXPECT_TRUE(doc().QueryCommand(ID_LAYER_NEW).enabled);
    doc().m_nForcedSelection = 1;
    EXPECT_FALSE(doc().QueryCommand(ID_LAYER_NEW).enabled);
}
