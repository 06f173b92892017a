#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

// Z-segment 1 of 1 (z 0 to 1): two columns of three layers "gaas", "inp", "algaas", widths 2.
class LayerModify : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(1);
        for (int c = 0; c < 2; ++c) {
            CColumnRec& column = AddColumn(0, {"gaas", "inp", "algaas"});
            for (int r = 0; r < 3; ++r)
                Paint(column.Layer(r), r, r);
        }
        Seg(0).m_Params.m_dZTo = 1.0;
        doc().BuildSegInfoList();
    }

    // Runs Modify Layer on (column, row) of the current z-segment with a user who edits the
    // images and presses OK.
    void Modify(int column, int row, const std::function<void(LayerSheetRequest&)>& user)
    {
        Select(g_nCurZSeg - 1, column, row);
        AcceptNextSheetWith(user);
        doc().OnCommand(ID_LAYER_MODIFY);
    }
};

}  // namespace

TEST_F(LayerModify, TheSheetOpensOnImagesOfTheSelectedLayerColumnAndZSegment)
{
    Seg(0).Column(1).m_Labels = {Label("col")};
    Seg(0).m_nTotalXMesh = 7;
    LayerAt(0, 0, 1).m_Doping.m_fGaussianTail = 0.25f;
    LayerAt(0, 1, 1).m_Doping.m_fGaussianTail = 0.5f;
    Modify(1, 1, [](LayerSheetRequest& request) {
        EXPECT_EQ(request.caption, "Modify Layer");
        EXPECT_TRUE(request.allPages);
        EXPECT_EQ(request.bannerText, "Veltrane");
        EXPECT_EQ(g_nLayerEditMode, 3);
        EXPECT_EQ(g_EditLayer.m_Material.m_Bulk.m_strName, "inp");
        EXPECT_EQ(g_EditLayer.m_Doping.m_fGaussianTail, 0.25f);  // the row's tail, from column 0
        EXPECT_EQ(g_EditColumn.m_Labels.size(), 1u);
        EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 7);
        EXPECT_EQ(g_EditZSegment.m_Params.m_dZTo, 1.0);
    });
    EXPECT_EQ(sheets.sheetsRun.size(), 1u);
}

TEST_F(LayerModify, CancelLeavesTheModelAndTheHistoryAsTheyWere)
{
    Select(0, 0, 1);
    sheets.OnNextSheet([](LayerSheetRequest&) {
        g_EditLayer.m_fHeight = 9.0f;
        return false;
    });
    doc().OnLayerModify();
    EXPECT_EQ(LayerAt(0, 0, 1).m_fHeight, 1.0f);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(views.hints.empty());
}

TEST_F(LayerModify, AHeightGoesToTheWholeRowAndUndoTakesItBack)
{
    Modify(1, 1, [](LayerSheetRequest&) { g_EditLayer.m_fHeight = 0.4f; });
    EXPECT_EQ(LayerAt(0, 0, 1).m_fHeight, 0.4f);
    EXPECT_EQ(LayerAt(0, 1, 1).m_fHeight, 0.4f);
    EXPECT_EQ(LayerAt(0, 0, 2).m_fHeight, 1.0f);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});
    EXPECT_EQ(Seg(0).m_nSelectedRow, 1);

    doc().OnEditUndo();
    EXPECT_EQ(LayerAt(0, 1, 1).m_fHeight, 1.0f);
}

TEST_F(LayerModify, AWiderUpperEdgeNarrowsTheNeighboursAcrossIt)
{
    Modify(0, 1, [](LayerSheetRequest&) { g_EditLayer.m_fUpperWidth = 2.5f; });
    EXPECT_EQ(LayerAt(0, 0, 1).m_fUpperWidth, 2.5f);
    EXPECT_EQ(LayerAt(0, 1, 1).m_fUpperWidth, 1.5f);
    EXPECT_EQ(LayerAt(0, 0, 2).m_fLowerWidth, 2.5f);
    EXPECT_EQ(LayerAt(0, 1, 2).m_fLowerWidth, 1.5f);
    EXPECT_EQ(LayerAt(0, 0, 0).m_fUpperWidth, 2.0f);
}

TEST_F(LayerModify, ARectangleInARegularColumnWidensTheWholeColumn)
{
    Modify(0, 1, [](LayerSheetRequest&) {
        g_EditLayer.m_fUpperWidth = 3.0f;
        g_EditLayer.m_fLowerWidth = 3.0f;
    });
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(LayerAt(0, 0, r).m_fUpperWidth, 3.0f) << r;
        EXPECT_EQ(LayerAt(0, 0, r).m_fLowerWidth, 3.0f) << r;
    }
}

TEST_F(LayerModify, BothEdgeWidthsEditedMakeTheLowerOneTheWidth)
{
    Modify(0, 2, [](LayerSheetRequest&) {
        g_EditLayer.m_fUpperWidth = 1.0f;
        g_EditLayer.m_fLowerWidth = 1.5f;
        g_CurLayerParams.m_bUpperWidthChanged = 1;
        g_CurLayerParams.m_bLowerWidthChanged = 1;
    });
    EXPECT_EQ(LayerAt(0, 0, 2).m_fWidth, 1.5f);
    EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, 0);
    EXPECT_EQ(g_CurLayerParams.m_bLowerWidthChanged, 0);
}

TEST_F(LayerModify, AnUnchangedMaterialKeepsItsColourAndANewOnePicksAFreePair)
{
    Modify(0, 1, [](LayerSheetRequest&) { g_EditLayer.m_fHeight = 2.0f; });
    EXPECT_EQ(LayerAt(0, 0, 1).m_nColour, 1);
    EXPECT_EQ(g_ColourUsage[1][1], 2);

    Modify(0, 1, [](LayerSheetRequest&) { g_EditLayer.m_Material.m_Bulk.m_strName = "inas"; });
    // The old pair loses the layer and the least used pair takes it; the colour pass of the
    // contact update then gives the layers their pairs by its own count.
    EXPECT_EQ(g_ColourUsage[1][1], 1);
    EXPECT_EQ(g_ColourUsage[3][3], 1);
    EXPECT_EQ(LayerAt(0, 1, 1).m_nColour, 3);
}

TEST_F(LayerModify, MovingTheZEndMovesTheLaterZSegments)
{
    UseZSegments(4);
    for (int z = 0; z < 4; ++z) {
        AddColumn(z, {"gaas"});
        Seg(z).m_Params.m_dZFrom = z;
        Seg(z).m_Params.m_dZTo = z + 1.0;
    }
    doc().BuildSegInfoList();
    g_nCurZSeg = 2;
    Modify(0, 0, [](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZTo = 2.5; });
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 1.0);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 2.5);
    EXPECT_EQ(Seg(2).m_Params.m_dZFrom, 2.5);
    EXPECT_EQ(Seg(3).m_Params.m_dZTo, 4.5);
}

TEST_F(LayerModify, TheFirstRealZExtentOfTheOnlyZSegmentResetsTheViews)
{
    Seg(0).m_Params.m_dZTo = 0.0;
    Modify(0, 0, [](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZTo = 2.0; });
    EXPECT_EQ(views.hints, (std::vector<int>{1, 0}));
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 2.0);
}

TEST_F(LayerModify, SideContactsFollowTheContactPageOnlyWhenItWasShown)
{
    CContactList group;
    group.m_nRow = 1;
    group.m_Contacts.resize(1);
    Seg(0).m_SideContacts = {group};
    Modify(0, 0, [](LayerSheetRequest&) {});
    EXPECT_EQ(Seg(0).m_SideContacts.size(), 1u);

    Modify(0, 0, [](LayerSheetRequest& request) { request.contactGroups->clear(); });
    EXPECT_TRUE(Seg(0).m_SideContacts.empty());
}

TEST_F(LayerModify, AnEditedContactReachesItsOtherPlacesAndTheLabelsTheirCell)
{
    LayerAt(0, 1, 2).m_Material.m_Bulk.m_strName = "contact";
    LayerAt(0, 1, 2).m_Material.m_Bulk.m_dVar[0] = 2;
    Modify(0, 2, [](LayerSheetRequest& request) {
        // The material page stored a "schottky" contact 2.
        g_EditLayer.m_Material.m_Bulk.m_strName = "contact";
        double* var = g_EditLayer.m_Material.m_Bulk.m_dVar;
        var[0] = 2;
        var[1] = 1.0;
        var[2] = 0.8;
        *request.contactUpdateMode = 0;
        g_EditLayer.m_Labels = {Label("cap")};
        g_EditColumn.m_Labels = {Label("left")};
    });
    EXPECT_EQ(LayerAt(0, 1, 2).m_Material.m_Bulk.m_dVar[1], 1.0);
    EXPECT_EQ(LayerAt(0, 1, 2).m_Material.m_Bulk.m_dVar[2], 0.8);
    EXPECT_EQ(Texts(LayerAt(0, 0, 2).m_Labels), std::vector<std::string>{"cap"});
    EXPECT_EQ(Texts(LayerAt(0, 1, 2).m_Labels), std::vector<std::string>{"cap"});
    EXPECT_EQ(Texts(Seg(0).GetColumn(0).m_Labels), std::vector<std::string>{"left"});
}

TEST_F(LayerModify, RangesLinkedToAPreviousZSegmentWithOtherCountsAreUnlinked)
{
    UseZSegments(2);
    AddColumn(0, {"gaas"});
    CBottomContact linked;
    linked.m_nLink = 1;
    AddColumn(1, {"gaas"}).m_Contacts.AddBottom(linked);
    doc().BuildSegInfoList();
    g_nCurZSeg = 2;
    Modify(0, 0, [](LayerSheetRequest&) {});
    EXPECT_EQ(Seg(1).GetColumn(0).m_Contacts.Bottom(0).m_nLink, 0);

    Seg(0).Column(0).m_Contacts.AddBottom(CBottomContact());
    Seg(1).Column(0).m_Contacts.Bottom(0).m_nLink = 1;
    Modify(0, 0, [](LayerSheetRequest&) {});
    EXPECT_EQ(Seg(1).GetColumn(0).m_Contacts.Bottom(0).m_nLink, 1);
}

TEST_F(LayerModify, AnEmptiedRowIsTidiedAway)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "inp"});
    Modify(0, 1, [](LayerSheetRequest&) { g_EditLayer.m_Material.m_Bulk.m_strName = "void"; });
    EXPECT_EQ(Bulks(0), (Device{{"gaas"}}));
    EXPECT_EQ(Seg(0).m_nSelectedRow, -1);
}
