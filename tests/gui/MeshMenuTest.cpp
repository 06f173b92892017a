// The Mesh menu in the running program: its entries with their status texts, and the commands
// reaching the document, which finds the mesher tools below the program's installation root.

#include "AppHarness.h"
#include "CommandIds.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "support/FileBytes.h"
#include "support/RecordingClock.h"
#include "support/ScriptedPrompts.h"
#include "support/StandInTools.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

namespace {

std::string HelpOf(int id)
{
    const wxMenuItem* item = Frame()->GetMenuBar()->FindItem(WxId(id));
    return item ? item->GetHelp().ToStdString() : "(no entry)";
}

const std::vector<CMeshElement>& CurrentMesh()
{
    return TestApp().GetDocument()->m_ZSegments.at(g_nCurZSeg - 1).m_MeshTriangles;
}

// A ".layer" file opened in the running program, the tools' pause recorded, prompts scripted.
class MeshMenu : public ::testing::Test {
protected:
    void Start(const std::string& program, const std::string& mode)
    {
        const std::string layer = std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer";
        ASSERT_TRUE(StartApp(tree, program, {mode, work.Write("ridge.layer", FileBytes(layer))}));
        PumpEvents(300);
    }
    void TearDown() override { StopApp(); }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    RecordingClock clock;
};

}  // namespace

TEST_F(MeshMenu, TheLayerBuilderPlotsAndClearsTheMeshOfItsFile)
{
    InstallStandInTools(tree.Root(), "lumivo");
    Start("brenvik", "-2");
    EXPECT_EQ(HelpOf(ID_MESH_PLOT), "Plot mesh");
    EXPECT_EQ(HelpOf(ID_MESH_CLEAR), "Clear mesh");

    EXPECT_TRUE(Frame()->RunCommand(ID_MESH_PLOT));
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(CurrentMesh().size(), 5u);
    EXPECT_TRUE(FileBytes(work.File("ridge.geo")).find("ridge.layer") != std::string::npos);
    EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{2000, 2000}));

    EXPECT_TRUE(Frame()->RunCommand(ID_MESH_CLEAR));
    EXPECT_TRUE(CurrentMesh().empty());
}

TEST_F(MeshMenu, TheDeviceEditorOffersAllFourCommands)
{
    Start("tessaron", "-3");
    EXPECT_EQ(HelpOf(ID_MESH_PLOT), "Plot mesh");
    EXPECT_EQ(HelpOf(ID_MESH_CLEAR), "Clear mesh");
    EXPECT_EQ(HelpOf(ID_MESH_PLOT_ALL), "Plot all segment mesh");
    EXPECT_EQ(HelpOf(ID_MESH_CLEAR_ALL), "Clear all segment mesh ");

    // No tools in this installation: the message, and no mesh.
    prompts.AnswerNext(IDOK);
    EXPECT_TRUE(Frame()->RunCommand(ID_MESH_PLOT_ALL));
    // It names the tool and every folder it was looked for in.
    const std::string root = TestApp().RootFolder();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't find stackgen\nLooked for stackgen and stackgen.exe in " +
                                                        root + "tarnel/, " + root + "corvex/ and " + root +
                                                        "lumivo/."});
    EXPECT_TRUE(CurrentMesh().empty());

    InstallStandInTools(tree.Root(), "tarnel");
    EXPECT_TRUE(Frame()->RunCommand(ID_MESH_PLOT_ALL));
    EXPECT_EQ(CurrentMesh().size(), 5u);
    EXPECT_TRUE(Frame()->RunCommand(ID_MESH_CLEAR_ALL));
    EXPECT_TRUE(CurrentMesh().empty());
}
