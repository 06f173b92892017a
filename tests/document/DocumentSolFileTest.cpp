// Opening ".sol" decks through the document: the deck's settings and simulator are taken over when
// the deck opens and left as they were when it is refused.

#include "platform/FileSystem.h"
#include "support/DocFixture.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class DocumentSolFile : public DocFixture {
protected:
    DocumentSolFile() { doc().SetMacroList(&files.layers.macros); }

    SolDeckHarness files;  // stages the fixture decks
};

// What the colour and drawing passes give a layer: its pair, its indices and its edge flags.
struct LayerStamp {
    int colour, pattern, zseg, column, row, edges;
    bool operator==(const LayerStamp& o) const
    {
        return colour == o.colour && pattern == o.pattern && zseg == o.zseg && column == o.column && row == o.row &&
               edges == o.edges;
    }
};

void PrintTo(const LayerStamp& s, std::ostream* os)
{
    *os << "pair " << s.colour << "/" << s.pattern << " at " << s.zseg << "," << s.column << "," << s.row
        << " edges " << s.edges;
}

std::vector<LayerStamp> LayerStamps(const CTessaronDoc& doc)
{
    std::vector<LayerStamp> stamps;
    for (int z = 0; z < g_nZSegCount; ++z)
        for (const CColumnRec& column : doc.m_ZSegments[static_cast<std::size_t>(z)].GetColumns())
            for (const CLayerRec& l : column.GetLayers())
                stamps.push_back({l.m_nColour, l.m_nPattern, l.m_nZSeg, l.m_nColumn, l.m_nRow, l.m_wEdgeFlags});
    return stamps;
}

using ColourUsage = std::vector<int>;

ColourUsage CurrentColourUsage()
{
    return ColourUsage(&g_ColourUsage[0][0], &g_ColourUsage[0][0] + sizeof g_ColourUsage / sizeof(int));
}

}  // namespace

// The pairs, indices and edge flags a deck's layers get as each z-segment is read are those the
// passes over the whole device give, and each layer is counted once in the colour usage. The
// deck's z-segments share kinds of layer (the third repeats the first) and have columns of
// different heights.
TEST_F(DocumentSolFile, ADecksLayersGetThePairsAndEdgesOfPassesOverTheWholeDevice)
{
    prompts.AllowUnscripted();
    const std::vector<std::vector<std::vector<std::string>>> device = {
        {{"gaas", "algaas", "gaas"}, {"algaas", "gaas"}},
        {{"inp", "gaas"}, {"gaas", "algaas", "inp", "gaas"}, {"algaas"}},
        {{"gaas", "algaas", "gaas"}, {"algaas", "gaas"}},
    };
    std::string deck = "begin\r\n3d_solution_method 3d_flow=no\r\n";
    std::string meshes;
    for (std::size_t z = 0; z < device.size(); ++z) {
        UseZSegments(1);
        for (const std::vector<std::string>& bulks : device[z]) {
            CColumnRec& column = AddColumn(0, {});
            for (const std::string& bulk : bulks)
                column.AppendLayer(MakeLayer(bulk));
        }
        const std::string name = "seg" + std::to_string(z + 1);
        ASSERT_TRUE(doc().SaveCurrentZsegmentLayerFile(files.folder.File(name + ".layer")));
        const std::string number = std::to_string(z + 1);
        deck += "z_structure zseg_num=" + number + " uniform_zseg_from=" + std::to_string(10 * z) +
                " uniform_zseg_to=" + std::to_string(10 * z + 10) + "\r\n";
        meshes += "load_mesh mesh_inf=" + name + ".msh zseg_num=" + number + "\r\n";
    }
    const std::string path = files.folder.Write("device.sol", deck + meshes + "end\r\n");
    ASSERT_TRUE(doc().OnNewDocument());
    const ColourUsage before = CurrentColourUsage();

    ASSERT_TRUE(doc().OnOpenDocument(path));
    ASSERT_EQ(g_nZSegCount, 3);
    const std::vector<LayerStamp> opened = LayerStamps(doc());
    ASSERT_EQ(opened.size(), 24u);  // rows are padded with void layers across each z-segment
    ColourUsage counted = before;
    for (const LayerStamp& s : opened)
        ++counted[static_cast<std::size_t>(s.colour * 23 + s.pattern)];
    EXPECT_EQ(CurrentColourUsage(), counted) << "every layer is counted once";

    // The passes over the whole device, from records that hold none of it.
    for (int z = 0; z < 3; ++z)
        for (int c = 0; c < Seg(z).GetColumnCount(); ++c)
            for (int r = 0; r < Seg(z).GetColumn(c).GetLayersInUse(); ++r) {
                CLayerRec& layer = LayerAt(z, c, r);
                layer.m_nColour = layer.m_nPattern = layer.m_nZSeg = layer.m_nColumn = layer.m_nRow = -1;
                layer.m_wEdgeFlags = 0;
            }
    doc().AssignLayerColours();
    doc().RefreshLayerEdges();
    EXPECT_EQ(LayerStamps(doc()), opened);
    // The third z-segment's first layer is of the first one's kind.
    EXPECT_EQ(opened[18].colour, opened[0].colour);
    EXPECT_EQ(opened[18].pattern, opened[0].pattern);
}

TEST_F(DocumentSolFile, OpeningACorvexDeckMakesEveryZSegmentAndTakesItsSettings)
{
    const std::string path = files.Stage("corvex_pos", "ridge.sol");
    doc().CheckPoint();
    views.hints.clear();
    app.calls.clear();
    ASSERT_TRUE(doc().OnOpenDocument(path));
    EXPECT_TRUE(prompts.Texts().empty());

    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(g_strIsolatedMethod, "no");
    EXPECT_EQ(g_nZStructureLengthForm, 0);
    EXPECT_EQ(doc().m_nCylinder, 0);
    // The deck was written for the corvex simulator: both codes follow it.
    EXPECT_EQ(doc().m_nProductCode, 1);
    EXPECT_EQ(doc().m_nTargetSimulator, 1);

    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
    EXPECT_EQ(Seg(1).GetColumnCount(), 1);
    EXPECT_EQ(doc().m_MaterialSets.size(), 2u);
    // Seg info named after each z-segment's file, every name the z-segment's own.
    ASSERT_EQ(doc().m_SegInfoList.GetCount(), 2);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_strName, "ridge1");
    EXPECT_EQ(doc().m_SegInfoList.GetAt(1)->m_strName, "ridge2");
    EXPECT_EQ(doc().m_SegInfoList.GetAt(1)->m_dZBegin, 17.0);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_nNamed, 1);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(1)->m_nNamed, 1);
    EXPECT_EQ(doc().m_SegInfoList.m_nNaming, 1);

    EXPECT_EQ(doc().GetPathName(), path);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_FALSE(doc().UndoHistory().CanUndo());
    EXPECT_EQ(views.hints.front(), 1);
    EXPECT_EQ(views.prompts.back(), 5);
    EXPECT_EQ(app.calls.back(), "LoadLayerMacros " + path);
    // Layers get their colours and nothing is selected.
    EXPECT_EQ(LayerAt(0, 0, 0).m_nColour, 0);
    EXPECT_EQ(Seg(0).m_nSelectionKind, 0);
}

// The sweep indexes are built when a series first asks for one, not by the open: an include that
// cannot be read by then is reported at that moment.
TEST_F(DocumentSolFile, OpeningADeckLeavesTheSweepIndexesToBeBuiltWhenFirstAskedFor)
{
    const std::string path = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(path));
    ASSERT_EQ(g_nZSegCount, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(Seg(i).m_SweepIndex.m_bStale) << i;
        EXPECT_TRUE(Seg(i).m_SweepIndex.m_Items.empty()) << i;
    }

    const CLayerFileIndex& first = doc().GetLayerFileIndex(0);
    EXPECT_EQ(first.m_strPath, Seg(0).m_strLayerFile);
    EXPECT_FALSE(first.m_Items.empty());
    EXPECT_TRUE(prompts.Texts().empty());

    files.folder.Write("ridge2.layer", "column w=1\r\ninclude file=gone.inc\r\n");
    prompts.AnswerNext(IDOK);
    EXPECT_TRUE(doc().GetLayerFileIndex(1).m_Items.empty());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + files.folder.File("gone.inc")});
}

TEST_F(DocumentSolFile, OpeningALumivoDeckTakesTheFlowMethodLengthsAndCylinder)
{
    const std::string path = files.Stage("lumivo_len", "taper.sol");
    doc().m_nProductCode = doc().m_nTargetSimulator = 1;
    ASSERT_TRUE(doc().OnOpenDocument(path));
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(g_strIsolatedMethod, "yes");
    EXPECT_EQ(g_nZStructureLengthForm, 1);
    EXPECT_EQ(doc().m_nCylinder, 1);
    EXPECT_EQ(doc().m_nProductCode, 2);
    EXPECT_EQ(doc().m_nTargetSimulator, 2);
    EXPECT_EQ(Seg(2).m_Params.m_dZTo, 24.0);
}

TEST_F(DocumentSolFile, ARefusedDeckLeavesTheOpenDeckAndTheSettingsAsTheyWere)
{
    const std::string good = files.Stage("lumivo_len", "taper.sol");
    ASSERT_TRUE(doc().OnOpenDocument(good));
    g_strIsolatedMethod = "no";
    g_nZStructureLengthForm = 0;
    doc().m_nCylinder = 0;
    doc().m_nProductCode = doc().m_nTargetSimulator = 2;

    // An old-form deck, written (by its statements) for the corvex simulator.
    const std::string old = files.Stage("old", "old.sol");
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnOpenDocument(old));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"It is the old sol file!"});
    EXPECT_EQ(doc().m_nProductCode, 2);
    EXPECT_EQ(doc().m_nTargetSimulator, 2);
    EXPECT_EQ(g_strIsolatedMethod, "no");
    EXPECT_EQ(g_nZStructureLengthForm, 0);
    EXPECT_EQ(doc().m_nCylinder, 0);

    // The open deck stays whole: its z-segments, statements, material sets and name.
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(doc().m_MaterialSets.size(), 3u);
    EXPECT_EQ(doc().m_LayerLines->GetCount(), 43);
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 3);
    EXPECT_EQ(doc().GetDocFileName(), good);
}

// A deck refused after some of its z-segments were read (the second z-segment's file is missing)
// leaves nothing of them behind: the open deck is as it was, z-segments, files, material sets and
// the colour usage.
TEST_F(DocumentSolFile, ADeckRefusedPartWayLeavesNoZSegmentBehind)
{
    const std::string good = files.Stage("lumivo_len", "taper.sol");
    ASSERT_TRUE(doc().OnOpenDocument(good));
    const std::string firstFile = Seg(0).m_strLayerFile;
    const std::string path = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(DeleteFilePath(files.folder.File("ridge2.layer")));

    prompts.AllowUnscripted();
    const ColourUsage usage = CurrentColourUsage();
    EXPECT_FALSE(doc().OnOpenDocument(path));
    EXPECT_EQ(CurrentColourUsage(), usage);
    EXPECT_NE(std::find(prompts.Texts().begin(), prompts.Texts().end(),
                        "Can't find correct layer file!\n" + files.folder.File("ridge2.layer")),
              prompts.Texts().end())
        << "the refusal names the missing file";
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(Seg(0).m_strLayerFile, firstFile);
    EXPECT_EQ(doc().m_MaterialSets.size(), 3u);
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 3);
    EXPECT_EQ(doc().GetDocFileName(), good);
}

// The deck read itself (without the open around it, which sets the whole document aside) counts
// nothing of a deck it refuses part way: the first z-segment read is not left in the colour usage.
TEST_F(DocumentSolFile, ADeckReadRefusedPartWayCountsNoColours)
{
    const std::string path = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(DeleteFilePath(files.folder.File("ridge2.layer")));
    prompts.AllowUnscripted();
    const ColourUsage usage = CurrentColourUsage();
    EXPECT_FALSE(doc().OpenSolFile(path));
    EXPECT_EQ(CurrentColourUsage(), usage);
}

TEST_F(DocumentSolFile, ADeckReadForTheOtherSimulatorIsWarnedAndStillOpens)
{
    const std::string path = files.Stage("corvex_pos", "ridge.sol");
    // Lumivo chosen, and nothing told about the deck's own simulator.
    prompts.AnswerNext(IDOK);
    ASSERT_TRUE(doc().OpenSolFile(path));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Your open the corvex3d example, but you select lumivo option,\n"
                                                        "Please use menu item options->Corvex3d to select corvex3d!"});
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc().m_nProductCode, 2);
}

TEST_F(DocumentSolFile, AnUpperCaseExtensionIsADeckToo)
{
    files.Stage("corvex_pos", "ridge.sol");
    const std::string path = files.folder.Write("RIDGE.SOL", FileBytes(files.folder.File("ridge.sol")));
    ASSERT_TRUE(doc().OnOpenDocument(path));
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc().GetDocFileName(), path);
}
