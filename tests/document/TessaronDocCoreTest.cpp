#include "CommandIds.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

using DocCore = DocFixture;

TEST_F(DocCore, ProductEntryOfTheProfileSetsProductAndTargetAndIsWrittenBack)
{
    struct Case {
        const char* entry;  // nullptr: no entry
        int expect;
    };
    // A code that names neither simulator reads as 2, so the deck writers always write a deck.
    const Case cases[] = {{nullptr, 2}, {"", 2}, {"1", 1}, {"1x", 1}, {"2", 2}, {"0", 2}, {"3", 2}, {"-1", 2}, {"x", 2}};
    for (const Case& c : cases) {
        CMemoryProfile store;
        SetProfile(&store);
        if (c.entry)
            store.WriteProfileString("CTessaronDoc", "product", c.entry);
        {
            CTessaronDoc fresh;
            EXPECT_EQ(fresh.m_nProductCode, c.expect) << (c.entry ? c.entry : "none");
            EXPECT_EQ(fresh.m_nTargetSimulator, c.expect);
            fresh.m_nTargetSimulator = 7;
        }
        EXPECT_EQ(store.GetProfileString("CTessaronDoc", "product"), "7");
    }
    SetProfile(&profile);
}

TEST_F(DocCore, NewDocumentResetsModelEditBlockAndHistory)
{
    UseZSegments(2);
    AddColumn(0, {"gaas", "inp"});
    Seg(0).m_MeshTriangles.resize(3);
    Seg(5).m_MeshTriangles.resize(2);  // records beyond those in use lose their mesh too
    doc().m_VcselSections.resize(2);
    doc().m_MaterialSets.resize(2);
    doc().m_LayerLines.Mutable().Append(CKeywordLine());
    doc().m_LoadedLines.Mutable().Append(CKeywordLine());
    doc().m_SegInfoList.Append(CSegInfo());
    doc().m_SegInfoList.m_nNaming = 1;
    doc().m_ZSegClipboard.AppendColumn(CColumnRec());
    doc().m_nForcedSelection = 1;
    doc().m_nContactUpdateMode = 1;
    doc().m_dScale[0] = doc().m_dScale[1] = 3.0;
    doc().CheckPoint();
    doc().SetModifiedFlag();
    g_nClipboardZSeg = 2;
    g_ColourUsage[3][4] = 5;
    doc().m_LoadContext.m_nLineCounter = 40;
    g_EditLayer.m_Grating.Edit().m_nPresent = 1;
    g_EditLayer.m_Mesh.m_dShiftCenter = 2.5;
    g_EditLayer.m_strComment = "$ old";
    g_EditLayer.m_Labels.resize(1);
    g_EditLayer.m_Material.m_Bulk.m_strName = "algaas";
    g_EditLayer.m_fHeight = 0.25f;

    ASSERT_TRUE(doc().OnNewDocument());

    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_EQ(g_nClipboardZSeg, 0);
    EXPECT_EQ(g_ColourUsage[3][4], 0);
    EXPECT_EQ(doc().m_LoadContext.m_nLineCounter, 0);
    EXPECT_TRUE(doc().m_ZSegments.empty());
    EXPECT_TRUE(doc().m_VcselSections.empty());
    EXPECT_TRUE(doc().m_MaterialSets.empty());
    EXPECT_EQ(doc().m_LayerLines->GetCount(), 0);
    EXPECT_EQ(doc().m_LoadedLines->GetCount(), 0);
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 0);
    EXPECT_EQ(doc().m_SegInfoList.m_nNaming, 0);
    EXPECT_EQ(doc().m_ZSegClipboard.GetColumnCount(), 0);
    EXPECT_EQ(doc().m_nForcedSelection, 0);
    EXPECT_EQ(doc().m_nContactUpdateMode, -1);
    EXPECT_EQ(doc().m_dScale[0], -9999.0);
    EXPECT_EQ(doc().m_dScale[1], -9999.0);
    EXPECT_EQ(g_EditLayer.m_Grating->m_nPresent, 0);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_dShiftCenter, 0.0);
    EXPECT_TRUE(g_EditLayer.m_strComment.empty());
    EXPECT_TRUE(g_EditLayer.m_Labels.empty());
    // The rest of the edit block stays: the next new layer starts from the user's last values.
    EXPECT_EQ(g_EditLayer.m_Material.m_Bulk.m_strName, "algaas");
    EXPECT_EQ(g_EditLayer.m_fHeight, 0.25f);
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 0);
    EXPECT_EQ(doc().UndoHistory().GetCursor(), -1);
    EXPECT_EQ(doc().GetPathName(), "  ");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(app.calls, std::vector<std::string>{"ClearLayerMacros"});
    EXPECT_TRUE(app.recentFiles.empty());
    EXPECT_EQ(views.prompts, std::vector<int>{0});
    EXPECT_TRUE(doc().GetZsegmentMenuItems().empty());
}

TEST_F(DocCore, DeleteContentsWithoutZSegmentsKeepsTheRecords)
{
    UseZSegments(0);
    doc().m_VcselSections.resize(1);
    g_nClipboardZSeg = 3;
    g_ColourUsage[1][1] = 2;
    doc().DeleteContents();
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_TRUE(doc().m_VcselSections.empty());
    EXPECT_EQ(g_nClipboardZSeg, 0);
    EXPECT_EQ(g_ColourUsage[1][1], 2);
}

TEST_F(DocCore, SetSelectionKeepsOneSelectedLayerInTheDevice)
{
    UseZSegments(2);
    AddColumn(0, {"gaas", "inp"});
    AddColumn(1, {"gaas"});
    doc().SetSelection(0, 0, 1);
    EXPECT_EQ(doc().m_bHasSelection, 1);
    EXPECT_EQ(Seg(0).m_nSelectionKind, 1);
    EXPECT_EQ(Seg(0).Column(0).m_nSelectedLayer, 1);
    EXPECT_EQ(LayerAt(0, 0, 1).m_nSelected, 1);

    LayerAt(1, 0, 0).m_nWhite = 1;
    doc().SetSelection(1, 0, 0);
    EXPECT_EQ(LayerAt(0, 0, 1).m_nSelected, 0);
    EXPECT_EQ(Seg(0).m_nSelectionKind, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, -1);
    EXPECT_EQ(Seg(0).Column(0).m_nSelectedLayer, -1);
    EXPECT_EQ(LayerAt(1, 0, 0).m_nSelected, 1);
    EXPECT_EQ(LayerAt(1, 0, 0).m_nWhite, 0);

    doc().SetSelection(-1, -1, -1);
    EXPECT_EQ(doc().m_bHasSelection, 0);
    EXPECT_EQ(Seg(1).m_nSelectionKind, 0);
    EXPECT_EQ(LayerAt(1, 0, 0).m_nSelected, 0);
}

TEST_F(DocCore, PrepareDrawingSetsIndicesAndEdgeFlags)
{
    UseZSegments(2);
    AddColumn(0, {"gaas", "inp", "gaas"});
    AddColumn(0, {"gaas"});
    AddColumn(1, {"gaas"});
    doc().PrepareDrawing(false, 0.0f);
    struct Case {
        int zseg, column, row;
        unsigned flags;
    };
    const Case cases[] = {
        {0, 0, 0, EDGE_FIRST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_LEFT_FACE},
        {0, 0, 1, EDGE_FIRST_ZSEG | EDGE_LEFT_FACE | EDGE_RIGHT_FACE},
        {0, 0, 2, EDGE_FIRST_ZSEG | EDGE_LEFT_FACE | EDGE_RIGHT_FACE | EDGE_TOP_LAYER},
        {0, 1, 0, EDGE_FIRST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_RIGHT_FACE | EDGE_TOP_LAYER},
        {1, 0, 0, EDGE_LAST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_LEFT_FACE | EDGE_RIGHT_FACE | EDGE_TOP_LAYER},
    };
    for (const Case& c : cases) {
        const CLayerRec& layer = LayerAt(c.zseg, c.column, c.row);
        EXPECT_EQ(layer.m_wEdgeFlags, c.flags) << c.zseg << c.column << c.row;
        EXPECT_EQ(layer.m_nZSeg, c.zseg);
        EXPECT_EQ(layer.m_nColumn, c.column);
        EXPECT_EQ(layer.m_nRow, c.row);
    }
    // Flags are only ever set: a layer that stops being the top of its column keeps its flag.
    Seg(0).Column(1).AppendLayer(MakeLayer("inp"));
    doc().PrepareDrawing(false, 0.0f);
    EXPECT_TRUE(LayerAt(0, 1, 0).m_wEdgeFlags & EDGE_TOP_LAYER);
}

TEST_F(DocCore, PrepareDrawingOnOneZSegmentMarksFirstAndLastAndReappliesTheSelection)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "inp"});
    Seg(0).m_nSelectedColumn = 0;
    Seg(0).m_nSelectedRow = 1;
    doc().PrepareDrawing(false, 0.0f);
    EXPECT_EQ(LayerAt(0, 0, 0).m_wEdgeFlags & (EDGE_FIRST_ZSEG | EDGE_LAST_ZSEG), EDGE_FIRST_ZSEG | EDGE_LAST_ZSEG);
    EXPECT_EQ(LayerAt(0, 0, 1).m_nSelected, 1);
    EXPECT_EQ(doc().m_bHasSelection, 1);

    Seg(0).m_nSelectedRow = -1;
    doc().PrepareDrawing(false, 0.0f);
    EXPECT_EQ(doc().m_bHasSelection, 0);
    EXPECT_EQ(LayerAt(0, 0, 1).m_nSelected, 0);
}

TEST_F(DocCore, TidyRemovesRowsEmptyInEveryColumnAndKeepsTheSelectionOnItsLayer)
{
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> columns;
        int selColumn, selRow;
        std::vector<std::vector<std::string>> expect;
        int expectColumn, expectRow;
    };
    const Case cases[] = {
        {"empty row below the selection",
         {{"void", "gaas", "inp"}, {"void", "inp"}}, 0, 2,
         {{"gaas", "inp"}, {"inp"}}, 0, 1},
        {"empty row above the selection leaves it",
         {{"gaas", "inp", "void"}, {"inp", "gaas", "void"}}, 1, 1,
         {{"gaas", "inp"}, {"inp", "gaas"}}, 1, 1},
        {"a row empty in one column only stays",
         {{"gaas", "void"}, {"inp", "gaas"}}, 0, 1,
         {{"gaas", "void"}, {"inp", "gaas"}}, 0, 1},
        {"a column whose only layer goes disappears",
         {{"void", "gaas"}, {"void"}, {"void", "inp"}}, 2, 1,
         {{"gaas"}, {"inp"}}, -1, -1},
        {"two empty rows in a row",
         {{"void", "void", "gaas"}}, 0, 2,
         {{"gaas"}}, 0, 0},
    };
    for (const Case& c : cases) {
        UseZSegments(1);
        for (const auto& bulks : c.columns) {
            CColumnRec& column = AddColumn(0, {});
            for (const std::string& bulk : bulks)
                column.AppendLayer(MakeLayer(bulk));
        }
        Seg(0).m_nSelectionKind = 1;
        Seg(0).m_nSelectedColumn = c.selColumn;
        Seg(0).m_nSelectedRow = c.selRow;
        doc().TidyCurrentZsegment();
        std::vector<std::vector<std::string>> got;
        for (const CColumnRec& column : Seg(0).GetColumns()) {
            got.emplace_back();
            for (const CLayerRec& layer : column.GetLayers())
                got.back().push_back(layer.m_Material.m_Bulk.m_strName);
        }
        EXPECT_EQ(got, c.expect) << c.name;
        EXPECT_EQ(Seg(0).m_nSelectedColumn, c.expectColumn) << c.name;
        EXPECT_EQ(Seg(0).m_nSelectedRow, c.expectRow) << c.name;
        EXPECT_EQ(Seg(0).m_nSelectionKind, c.expectColumn < 0 ? 0 : 1) << c.name;
    }
}

TEST_F(DocCore, TidyPrunesVcselSectionsNoLayerNames)
{
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {"gaas", "inp"});
    column.Layer(0).m_nVcselFlag = 1;
    column.Layer(0).m_Vcsel.Edit().m_strVcselType = "B";
    column.Layer(1).m_Vcsel.Edit().m_strVcselType = "C";  // flag clear: names nothing
    for (const char* name : {"A", "B", "C", "B"}) {
        CVcselSection section;
        section.m_strVcselType = name;
        doc().m_VcselSections.push_back(section);
    }
    doc().TidyCurrentZsegment();
    ASSERT_EQ(doc().m_VcselSections.size(), 2u);
    EXPECT_EQ(doc().m_VcselSections[0].m_strVcselType, "B");
    EXPECT_EQ(doc().m_VcselSections[1].m_strVcselType, "B");
}

TEST_F(DocCore, GetDocFileNameNamesOnlyLayerAndSolPaths)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  ", ""},
        {"dir/dev.layer", "dir/dev.layer"},
        {"  dir/DEV.SOL \t", "dir/DEV.SOL"},
        {".sol", ""},
        {".sol/dev.txt", ""},
        {"dev.txt", ""},
        {"a.layerx", "a.layerx"},
    };
    for (const auto& c : cases) {
        doc().SetPathName(c.first, false);
        EXPECT_EQ(doc().GetDocFileName(), c.second) << c.first;
    }
}

TEST_F(DocCore, ZSegmentMenuListsEveryZSegmentWithTheCurrentOneChecked)
{
    UseZSegments(25);
    views.hints.clear();
    ASSERT_TRUE(doc().OnCommand(kZsegmentMenuIds[2]));  // "z-segment3"
    EXPECT_EQ(g_nCurZSeg, 3);
    EXPECT_EQ(views.hints, std::vector<int>{0});

    const std::vector<MenuItemData> items = doc().GetZsegmentMenuItems();
    ASSERT_EQ(items.size(), 26u);
    EXPECT_TRUE(items[0].separator);
    EXPECT_EQ(items[1].id, 61467);
    EXPECT_EQ(items[12].id, 61466);
    EXPECT_EQ(items[25].text, "z-segment25");
    for (int i = 1; i <= 25; ++i)
        EXPECT_EQ(items[i].checked, i == 3) << i;

    // z-segments beyond the twentieth are reachable too.
    ASSERT_TRUE(doc().OnCommand(items[25].id));
    EXPECT_EQ(g_nCurZSeg, 25);
    const CommandState state = doc().QueryCommand(items[25].id);
    EXPECT_TRUE(state.handled && state.enabled && state.hasCheck && state.checked);
    EXPECT_FALSE(doc().QueryCommand(items[3].id).checked);
}

TEST_F(DocCore, CommandStatesFollowTheDocument)
{
    struct Case {
        int id;
        bool enabled, hasCheck, checked;
    };
    doc().m_nTargetSimulator = 1;
    doc().m_nCylinder = 1;
    views.gridFlag = 1;
    const Case cases[] = {
        {ID_FILE_SAVE, true, false, false},
        {ID_FILE_SAVE_AS, true, false, false},
        {ID_EDIT_UNDO, false, false, false},
        {ID_EDIT_REDO, false, false, false},
        {ID_VIEW_BACK_GRID, true, true, true},
        {ID_OPTIONS_CORVEX3D, true, true, true},
        {ID_OPTIONS_LUMIVO3D, true, true, false},
        {ID_OPTIONS_CYLINDER, true, true, true},
        {ID_HELP_USER_MANUAL, true, false, false},
    };
    for (const Case& c : cases) {
        const CommandState state = doc().QueryCommand(c.id);
        EXPECT_TRUE(state.handled) << c.id;
        EXPECT_EQ(state.enabled, c.enabled) << c.id;
        EXPECT_EQ(state.hasCheck, c.hasCheck) << c.id;
        EXPECT_EQ(state.checked, c.checked) << c.id;
    }
    views.has2dView = false;
    EXPECT_FALSE(doc().QueryCommand(ID_VIEW_BACK_GRID).hasCheck);
    EXPECT_FALSE(doc().QueryCommand(ID_LAYER_NEW + 100000).handled);
}

TEST_F(DocCore, TheUpdateLaysTheDeviceOutOnceAViewDrawsIt)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "inp"});
    AddColumn(0, {"gaas", "inp"});
    LayerAt(0, 0, 1).m_fLowerWidth = 1.5f;  // the layout lines it up with the upper width below
    CContactList group;
    group.m_nRow = 0;
    group.m_Contacts.resize(1);
    group.m_Contacts[0].m_fTo = 40.0f;  // kept within its row once the device is drawn
    Seg(0).m_SideContacts.push_back(group);

    // Nothing draws the device yet: the records stay as they are, but for their indices and edges.
    doc().UpdateAllViews(0);
    EXPECT_EQ(LayerAt(0, 0, 1).m_fLowerWidth, 1.5f);
    EXPECT_EQ(Seg(0).m_SideContacts[0].m_Contacts[0].m_fTo, 40.0f);
    EXPECT_EQ(LayerAt(0, 0, 1).m_A.y, 0.0f) << "not laid out";
    EXPECT_TRUE(LayerAt(0, 1, 0).m_wEdgeFlags & EDGE_RIGHT_FACE);

    // A view gives its thin-layer height: the device is laid out now and after every update.
    doc().SetThinLayerHeight(2, true, 0.2f);
    EXPECT_EQ(LayerAt(0, 0, 1).m_fLowerWidth, LayerAt(0, 0, 0).m_fUpperWidth);
    EXPECT_EQ(Seg(0).m_SideContacts[0].m_Contacts[0].m_fTo, LayerAt(0, 0, 0).m_fHeight);
    EXPECT_GT(LayerAt(0, 0, 1).m_A.y, LayerAt(0, 0, 0).m_A.y);
    LayerAt(0, 0, 1).m_fLowerWidth = 1.5f;
    doc().UpdateAllViews(0);
    EXPECT_EQ(LayerAt(0, 0, 1).m_fLowerWidth, LayerAt(0, 0, 0).m_fUpperWidth);
    EXPECT_EQ(views.hints, (std::vector<int>{0, 0}));
}

TEST_F(DocCore, EveryUpdateOfTheDocumentMovesTheDrawingRevisionOn)
{
    UseZSegments(1);
    AddColumn(0, {"gaas"});
    struct Step {
        const char* what;
        void (*run)(CTessaronDoc&);
    };
    const Step steps[] = {
        {"update of the views", [](CTessaronDoc& d) { d.UpdateAllViews(0); }},
        {"z-segment chosen", [](CTessaronDoc& d) { d.SelectZsegment(0); }},
        {"undo", [](CTessaronDoc& d) {
             d.CheckPoint();
             d.OnEditUndo();
         }},
        {"redo", [](CTessaronDoc& d) { d.OnEditRedo(); }},
        {"a view's new thin-layer height", [](CTessaronDoc& d) { d.SetThinLayerHeight(2, true, 0.5f); }},
        {"new document", [](CTessaronDoc& d) { d.OnNewDocument(); }},
    };
    for (const Step& step : steps) {
        const auto before = doc().GetDrawingRevision();
        step.run(doc());
        EXPECT_NE(doc().GetDrawingRevision(), before) << step.what;
    }
    const auto beforeOpen = doc().GetDrawingRevision();
    ASSERT_TRUE(doc().OnOpenDocument(TESSARON_FIXTURES "/layer/ridge_two_columns.layer"));
    EXPECT_NE(doc().GetDrawingRevision(), beforeOpen) << "open";
    const auto before = doc().GetDrawingRevision();
    doc().SetThinLayerHeight(2, true, 0.5f);
    EXPECT_EQ(doc().GetDrawingRevision(), before) << "the same thin-layer height lays nothing out again";
}

TEST_F(DocCore, OneLayoutServesEveryViewThickEnoughForEachThatShowsThinLayersThick)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "inp"});
    LayerAt(0, 0, 0).m_fHeight = 0.01f;
    const auto drawnHeight = [this] { return LayerAt(0, 0, 0).m_A.y - LayerAt(0, 0, 0).m_C.y; };
    struct Step {
        int view;
        bool clamp;
        float height;
        float drawn;  // the thin layer's drawn height afterwards
    } steps[] = {
        {2, true, 0.2f, 0.2f},    // the 2-D view shows thin layers a contact bar thick
        {3, false, 0.8f, 0.2f},   // a 3-D view that does not leaves the 2-D view's layout alone
        {3, true, 0.5f, 0.5f},    // ... and when it does, the thicker of the two
        {2, true, 0.1f, 0.5f},
        {3, false, 0.5f, 0.1f},
        {2, false, 0.1f, 0.01f},  // no view clamps: the layer's own thickness
    };
    for (const Step& step : steps) {
        doc().SetThinLayerHeight(step.view, step.clamp, step.height);
        EXPECT_FLOAT_EQ(drawnHeight(), step.drawn) << "view " << step.view << " " << step.height;
    }
}
