// The Mesh menu of the document with the stand-in mesher tools: plotting the mesh of the current
// and of every z-segment, clearing it, and every way a plot can fail keeping the mesh it had.

#include "CommandIds.h"
#include "support/DocFixture.h"
#include "support/MeshExpectations.h"
#include "support/RecordingClock.h"
#include "support/StandInTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>

namespace {

using Texts = std::vector<std::string>;
const char kSaveFirst[] = "Please save it first!";
const char kNotLayer[] = "It is not a .layer file!";
const char kModified[] = "You modified it, but did not save it. \n Do you want to continue plotting the previous mesh?";

class DocMesher : public DocFixture {
protected:
    DocMesher()
    {
        app.installRoot = root.Path();
        InstallStandInTools(root.Path());
    }

    // `count` z-segments in use, each one column of two layers (0..4, 0..1) and (0..4, 1..2) as
    // the stand-in mesh expects, saved as "seg<n>.layer" unless told otherwise.
    void MakeDevice(int count, std::vector<bool> saved = {})
    {
        UseZSegments(count);
        for (int i = 0; i < count; ++i) {
            Seg(i).AppendColumn(MakeColumn({MakeLayer("gaas", 1, 4), MakeLayer("inp", 1, 4)}));
            if (saved.empty() || saved[i])
                Seg(i).m_strLayerFile = work.Write("seg" + std::to_string(i + 1) + ".layer", "begin_layer\n");
        }
    }
    // The previous plot's mesh: one triangle.
    void GiveOldMesh(int zseg) { Seg(zseg).m_MeshTriangles.assign(1, CMeshElement()); }
    // A "shapegen" of the test's own in the data folder.
    void ReplaceShapegen(const std::string& script)
    {
        const std::string path = root.Write("tarnel/shapegen", "#!/bin/sh\n" + script);
        std::filesystem::permissions(path, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    }
    void Run(int command)
    {
        app.calls.clear();
        views.hints.clear();
        EXPECT_TRUE(doc().OnCommand(command));
        EXPECT_EQ(views.hints, std::vector<int>{0}) << "every mesh command updates the views";
    }
    void ExpectCursorRestored() const
    {
        EXPECT_EQ(app.calls, (Texts{"BeginWaitCursor", "EndWaitCursor"}));
    }

    TempFolder root;
    TempFolder work;
    RecordingClock clock;
};

}  // namespace

TEST_F(DocMesher, PlotCurrentKeepsTheTrianglesWithTheLayerEachLiesIn)
{
    MakeDevice(2);
    g_nCurZSeg = 2;
    Run(ID_MESH_PLOT);

    EXPECT_TRUE(prompts.Texts().empty());
    ExpectCursorRestored();
    EXPECT_TRUE(Seg(0).m_MeshTriangles.empty()) << "only the current z-segment";
    const std::vector<CMeshElement>& mesh = Seg(1).m_MeshTriangles;
    ASSERT_EQ(mesh.size(), 5u);
    ExpectRegion(mesh[0], 1, 0, 0);
    ExpectRegion(mesh[1], 1, 0, 0);
    ExpectRegion(mesh[2], 1, 0, 1);
    ExpectRegion(mesh[3], 1, 0, 1);
    ExpectRegion(mesh[4], -1, -1, -1);
    const float upperBox[4] = {0, 4, 1, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(mesh[2].m_fBox[i], upperBox[i]);
    EXPECT_EQ(mesh[3].m_Vertex[1].x, 4.0f);
    EXPECT_EQ(mesh[3].m_Vertex[1].y, 2.0f);
    EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{2000, 2000}));
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 0) << "no undo step";
}

TEST_F(DocMesher, TheLayerBuilderPlotsTheDocumentsFile)
{
    app.mode3d = false;
    MakeDevice(1, {false});
    doc().SetPathName(work.Write("Device.LAYER", "begin_layer\n"), false);
    Run(ID_MESH_PLOT);
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 5u);
    EXPECT_TRUE(std::filesystem::exists(work.File("Device.msh")));
}

namespace {

struct NameCase {
    const char* what;
    bool threeD;
    std::string layerFile;  // the z-segment's path (3-D editor)
    std::string docPath;    // the document's path (layer builder)
    std::string message;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class DocMesherNames : public DocMesher, public ::testing::WithParamInterface<NameCase> {};

}  // namespace

TEST_P(DocMesherNames, AFileThatIsNoSavedLayerFileIsNotPlotted)
{
    const NameCase& c = GetParam();
    app.mode3d = c.threeD;
    MakeDevice(1, {false});
    Seg(0).m_strLayerFile = c.layerFile;
    doc().SetPathName(c.docPath, false);
    GiveOldMesh(0);
    prompts.AllowUnscripted();
    Run(ID_MESH_PLOT);
    EXPECT_EQ(prompts.Texts(), Texts{c.message});
    ExpectCursorRestored();
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 1u);
    EXPECT_FALSE(doc().PlotZsegmentMesh(0, true));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DocMesherNames,
    ::testing::Values(NameCase{"3-D z-segment never saved", true, "", "dev.sol", kSaveFirst},
                      NameCase{"3-D z-segment path of a deck", true, "dev.sol", "", kNotLayer},
                      NameCase{"3-D z-segment path starting with .layer", true, ".layer", "", kNotLayer},
                      NameCase{"builder document never saved", false, "x.layer", "", kSaveFirst},
                      NameCase{"builder document of another kind", false, "x.layer", "dev.txt", kSaveFirst},
                      NameCase{"builder document of a deck", false, "x.layer", "dev.sol", kNotLayer}));

TEST_F(DocMesher, AModifiedDocumentAsksFirst)
{
    MakeDevice(1);
    GiveOldMesh(0);
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDNO);
    Run(ID_MESH_PLOT);
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].text, kModified);
    EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 1u) << "No keeps the mesh";

    prompts.AnswerNext(IDYES);
    Run(ID_MESH_PLOT);
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 5u);
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(DocMesher, AFailedToolRunKeepsTheMesh)
{
    MakeDevice(1);
    const struct {
        const char* what;
        std::string shapegen;  // script body; "" removes the tool
        std::string message;
    } cases[] = {
        {"missing tool", "",
         "Can't find shapegen\nLooked for shapegen and shapegen.exe in " + root.File("tarnel/") + ", " +
             root.File("corvex/") + " and " + root.File("lumivo/") + "."},
        {"failing tool", "exit 3\n", "shapegen failed with exit code 3"},
        {"tool that writes nothing", "exit 0\n", "shapegen did not write " + work.File("seg1.msh")},
        {"mesh cut short", "printf 'h\\n3\\n0 0\\n1 0\\n0 1\\n\\n' > \"${1%.*}.msh\"\n",
         "The mesh file " + work.File("seg1.msh") + " is cut short!"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(root.File("tarnel/shapegen"));
        if (!c.shapegen.empty())
            ReplaceShapegen(c.shapegen);
        GiveOldMesh(0);
        prompts.Clear();
        prompts.AllowUnscripted();
        Run(ID_MESH_PLOT);
        EXPECT_EQ(prompts.Texts(), Texts{c.message}) << c.what;
        EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 1u) << c.what;
        ExpectCursorRestored();
    }
}

TEST_F(DocMesher, PlotAllStopsAtTheFirstZSegmentThatCannotBePlotted)
{
    MakeDevice(3, {true, false, true});
    prompts.AllowUnscripted();
    Run(ID_MESH_PLOT_ALL);
    EXPECT_EQ(prompts.Texts(), Texts{kSaveFirst});
    ExpectCursorRestored();
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 5u);
    EXPECT_TRUE(Seg(1).m_MeshTriangles.empty());
    EXPECT_TRUE(Seg(2).m_MeshTriangles.empty());
}

TEST_F(DocMesher, PlotAllAsksOnceAndTagsEachZSegmentsOwnTriangles)
{
    MakeDevice(3);
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDYES);
    Run(ID_MESH_PLOT_ALL);
    EXPECT_EQ(prompts.Texts(), Texts{kModified});
    for (int z = 0; z < 3; ++z) {
        ASSERT_EQ(Seg(z).m_MeshTriangles.size(), 5u) << z;
        ExpectRegion(Seg(z).m_MeshTriangles[2], z, 0, 1);
    }
}

TEST_F(DocMesher, ClearCurrentAndClearAll)
{
    MakeDevice(3);
    for (int z = 0; z < 4; ++z)
        GiveOldMesh(z);
    g_nCurZSeg = 2;
    Run(ID_MESH_CLEAR);
    EXPECT_FALSE(Seg(0).m_MeshTriangles.empty());
    EXPECT_TRUE(Seg(1).m_MeshTriangles.empty());

    Run(ID_MESH_CLEAR_ALL);
    for (int z = 0; z < 3; ++z)
        EXPECT_TRUE(Seg(z).m_MeshTriangles.empty()) << z;
    EXPECT_FALSE(Seg(3).m_MeshTriangles.empty()) << "a record not in use is left alone";

    doc().ClearZsegmentMesh(3);
    doc().ClearZsegmentMesh(-1);
    EXPECT_FALSE(Seg(3).m_MeshTriangles.empty());
    EXPECT_FALSE(doc().PlotZsegmentMesh(3, false));
    EXPECT_TRUE(prompts.Texts().empty());
}

namespace {

// Every file below a folder with its bytes, by path: what a command that does nothing leaves alone.
std::map<std::string, std::string> FilesBelow(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

}  // namespace

TEST_F(DocMesher, WithoutACurrentZSegmentNothingHappens)
{
    MakeDevice(1);
    GiveOldMesh(0);
    g_nCurZSeg = 0;
    const auto workFiles = FilesBelow(work.Path());
    const auto rootFiles = FilesBelow(root.Path());
    const CZSegment before = Seg(0);

    Run(ID_MESH_PLOT);
    Run(ID_MESH_CLEAR);

    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(FilesBelow(work.Path()), workFiles) << "no file written or removed beside the device";
    EXPECT_EQ(FilesBelow(root.Path()), rootFiles) << "no mesher run";
    EXPECT_EQ(Seg(0).m_MeshTriangles.size(), 1u) << "the old mesh stays";
    EXPECT_EQ(Seg(0).m_strLayerFile, before.m_strLayerFile);
    ASSERT_EQ(Seg(0).GetColumnCount(), 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayersInUse(), before.GetColumn(0).GetLayersInUse());
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(1).m_Material.m_Bulk.m_strName, "inp");
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(DocMesher, TheMeshCommandsAreTheDocumentsAndAlwaysEnabled)
{
    for (int id : {ID_MESH_PLOT, ID_MESH_CLEAR, ID_MESH_PLOT_ALL, ID_MESH_CLEAR_ALL}) {
        const CommandState state = doc().QueryCommand(id);
        EXPECT_TRUE(state.handled) << id;
        EXPECT_TRUE(state.enabled) << id;
        EXPECT_FALSE(state.hasCheck) << id;
    }
}
