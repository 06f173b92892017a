// No enabled command silently does nothing: the 3-D view's camera commands are shown enabled (menu
// and tool bar) only while the view that carries them out is active and a z-segment is in use,
// and Help -> User manual says so when no program opens the page.

#include "AppHarness.h"
#include "CommandIds.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "support/FileBytes.h"
#include "support/RecordingShellOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/GL3dView.h"

#include <gtest/gtest.h>
#include <wx/toolbar.h>

#include <filesystem>
#include <string>

namespace {

const int kCameraCommands[] = {ID_VIEW_PARALLEL, ID_VIEW_PERSPECTIVE, ID_VIEW_DISTANCE, ID_ZOOM_ORIGIN};

// The command's state in the menu and on the tool bar, as the frame's update shows it.
void ExpectShown(int id, bool enabled, const char* when)
{
    EXPECT_EQ(Frame()->IsCommandEnabled(WxId(id)), enabled) << id << " " << when;
    Frame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    if (wxToolBar* bar = Frame()->GetToolBar(); bar && bar->FindById(WxId(id))) {
        EXPECT_EQ(bar->GetToolEnabled(WxId(id)), enabled) << id << " on the tool bar " << when;
    }
}

void Activate(wxWindow* view)
{
    view->SetFocus();
    PumpEvents(100);
    ASSERT_EQ(Frame()->GetActiveView(), view);
}

}  // namespace

TEST(HonestCommands, TheCameraCommandsAreEnabledOnlyWhereTheyActOnADevice)
{
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    Frame()->SetSize(240, 200, 1000, 700);
    PumpEvents(300);
    ASSERT_EQ(g_nZSegCount, 0);
    CGL3dView* view = Frame()->GetGL3dView();
    ASSERT_NE(view, nullptr);

    // An empty editor: greyed whichever view is active, and running one changes nothing.
    for (int id : kCameraCommands) ExpectShown(id, false, "empty, 2-D view active");
    Activate(view);
    for (int id : kCameraCommands) ExpectShown(id, false, "empty, 3-D view active");
    const float eye = view->State().eyeFactor;
    Frame()->RunCommand(ID_VIEW_DISTANCE);
    Frame()->RunCommand(ID_VIEW_PARALLEL);
    EXPECT_FLOAT_EQ(view->State().eyeFactor, eye);
    EXPECT_FALSE(view->State().parallel);

    // With a deck open they act while the 3-D view is active, and are greyed while the 2-D view
    // (which does not carry them out) is.
    const std::string examples = std::string(TESSARON_FIXTURES) + "/../../examples/";
    for (const char* name : {"flare.sol", "flare1.layer", "flare2.layer", "flare3.layer", "flare1.gain",
                             "flare2.gain", "flare3.gain"})
        work.Write(name, ExistingFileBytes(examples + name));
    prompts.ChooseFileNext(work.File("flare.sol"));
    Frame()->RunCommand(ID_FILE_OPEN);
    ASSERT_EQ(g_nZSegCount, 3);
    PumpEvents(200);
    Activate(view);
    for (int id : kCameraCommands) ExpectShown(id, true, "a deck open, 3-D view active");
    Frame()->RunCommand(ID_VIEW_PARALLEL);
    EXPECT_TRUE(view->State().parallel);
    Activate(Frame()->GetGL2dView());
    for (int id : {ID_VIEW_PARALLEL, ID_VIEW_PERSPECTIVE, ID_VIEW_DISTANCE}) ExpectShown(id, false, "2-D view active");
    StopApp();
}

TEST(HonestCommands, TheUserManualThatNoProgramOpensIsReported)
{
    namespace fs = std::filesystem;
    AppTree tree;
    const std::string name = "HTML/TsnUserManual/Tessaron.html";
    const fs::path page = fs::path(tree.Root()) / "bin" / name;
    fs::create_directories(page.parent_path());
    fs::copy_file(fs::path(TESSARON_STAGE_DIR) / "bin" / name, page, fs::copy_options::overwrite_existing);

    ScriptedPrompts prompts;
    RecordingShellOpener opener;
    opener.failure = "No program is set up to open it (\"xdg-open\" found no tool for it).";
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    prompts.AnswerNext(IDOK);
    Frame()->RunCommand(ID_HELP_USER_MANUAL);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open " + page.string() + "\n" + opener.failure});
    EXPECT_EQ(opener.opened, std::vector<std::string>{page.string()});
    StopApp();
}
