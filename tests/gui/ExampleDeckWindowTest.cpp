// The example deck as a new user meets it: the 3-D editor opened on it shows the device in both
// views; saved under a new name and opened again it shows the same pictures, and saved once more
// its files keep their bytes.

#include "AppHarness.h"
#include "CommandIds.h"
#include "PanePixels.h"
#include "app/MainFrame.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/GL3dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

std::string ExamplesFolder() { return std::string(TESSARON_FIXTURES) + "/../../examples/"; }

const std::vector<std::string>& DeckFiles()
{
    static const std::vector<std::string> names = {"flare.sol",   "flare1.layer", "flare2.layer", "flare3.layer",
                                                   "flare1.gain", "flare2.gain",  "flare3.gain"};
    return names;
}

std::map<std::string, std::string> FilesOf(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ExistingFileBytes(entry.path().string());
    return files;
}

class ExampleDeckWindow : public ::testing::Test {
protected:
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;

    void SetUp() override
    {
        for (const std::string& name : DeckFiles()) work.Write(name, ExistingFileBytes(ExamplesFolder() + name));
        ASSERT_TRUE(StartApp(tree, "tessaron", {work.File("flare.sol")}));
        Frame()->SetSize(240, 200, 1000, 700);
        PumpEvents(400);
        // The next-step prompt window stands over the frame wherever an earlier test left it: the
        // screen is read below it.
        if (CPromptDlg* prompt = Frame()->GetGL2dView()->GetPromptDlg()) prompt->Hide();
        PumpEvents(100);
    }
    void TearDown() override { StopApp(); }

    // A view as the screen shows it once it has drawn what it holds now.
    static CPanePicture Shot(wxWindow* view)
    {
        PumpEvents(100);
        view->Refresh(false);
        view->Update();
        PumpEvents(300);
        return PanePicture(view);
    }
};

TEST_F(ExampleDeckWindow, OpensQuietlyAndBothViewsShowTheDevice)
{
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    EXPECT_EQ(TestApp().GetDocument()->GetPathName(), work.File("flare.sol"));
    EXPECT_EQ(g_nZSegCount, 3);
    const CPanePicture flat = Shot(Frame()->GetGL2dView());
    const CPanePicture solid = Shot(Frame()->GetGL3dView());
    ASSERT_GT(flat.width, 0);
    ASSERT_GT(solid.width, 0);
    // The 2-D view white around the cross-section, the 3-D view grey around the solid.
    EXPECT_GT(flat.CountOther(255, 255, 255), size_t(flat.width * flat.height / 20));
    EXPECT_GT(solid.CountOther(140, 140, 140), size_t(solid.width * solid.height / 20));
}

TEST_F(ExampleDeckWindow, SavedUnderANewNameReopensToTheSamePicturesAndSavesAgainToTheSameBytes)
{
    const std::vector<unsigned char> flat = Shot(Frame()->GetGL2dView()).rgb;
    const std::vector<unsigned char> solid = Shot(Frame()->GetGL3dView()).rgb;

    std::filesystem::create_directory(work.File("copy"));
    const std::string copy = work.File("copy/laser.sol");
    prompts.ChooseFileNext(copy);
    Frame()->RunCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(TestApp().GetDocument()->GetPathName(), copy);
    const auto saved = FilesOf(work.File("copy"));
    EXPECT_EQ(saved.size(), DeckFiles().size());

    prompts.ChooseFileNext(copy);
    Frame()->RunCommand(ID_FILE_OPEN);
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_TRUE(Shot(Frame()->GetGL2dView()).rgb == flat) << "the 2-D view shows the same device";
    EXPECT_TRUE(Shot(Frame()->GetGL3dView()).rgb == solid) << "the 3-D view shows the same device";

    Frame()->RunCommand(ID_FILE_SAVE);
    EXPECT_EQ(FilesOf(work.File("copy")), saved);
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
}

}  // namespace
