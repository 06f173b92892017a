// What a new user meets when opening files through the running program's File Open: every refusal
// names the file, values the reader cannot use are reported by file, line and parameter, and a
// file that cannot be opened leaves the open device, its changes and its undo as they were.

#include "AppHarness.h"
#include "CommandIds.h"
#include "FrameCommands.h"
#include "ModalWindow.h"
#include "WindowInput.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "views/GL2dView.h"

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace {

const std::string kBinary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

// A one-z-segment deck whose z-segment file is dev1.layer.
const char kDeck[] =
    "begin\r\n"
    "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10\r\n"
    "load_mesh mesh_inf=dev1.msh zseg_num=1\r\n"
    "end\r\n";

// Chooses the file in the File Open dialog; each message shown is answered by the next answer.
void OpenThroughTheMenu(ScriptedPrompts& prompts, const std::string& path, std::vector<int> answers)
{
    for (int answer : answers)
        prompts.AnswerNext(answer);
    prompts.ChooseFileNext(path);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
    PumpEvents(100);
}

std::string Title() { return Frame()->GetTitle().ToStdString(); }

bool IsEnabled(int id)
{
    UpdateMenus(Frame());
    const wxMenuItem* item = Frame()->GetMenuBar()->FindItem(WxId(id));
    return item && item->IsEnabled();
}

}  // namespace

TEST(OpeningFiles, EveryRefusedFileIsNamedAndTheDeckReaderNeverStartsOnOneThatIsNoText)
{
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    const std::string missing = work.Write("dev.sol", kDeck);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {work.Write("picture.sol", kBinary),
         "File data error!\n" + work.File("picture.sol") + ": it is not a text file (it holds NUL bytes)."},
        {work.Write("empty.sol", ""), "File data error!\n" + work.File("empty.sol") + ": the file is empty."},
        {missing, "Can't find correct layer file!\n" + work.File("dev1.layer")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        prompts.Clear();
        OpenThroughTheMenu(prompts, c.path, {IDOK});
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(Title(), "Untitled - Tessaron");
        EXPECT_EQ(g_nZSegCount, 0);
    }
    StopApp();
}

TEST(OpeningFiles, ValuesTheReaderCannotUseAreReportedInOneMessageAndTheFileOpens)
{
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    const std::string path = work.Write("bad.layer",
                                        "$ a device with two wrong values\r\n"
                                        "begin_layer\r\n"
                                        "column column_num=1 w=abc mesh_num=4 r=1\r\n"
                                        "layer_mater macro_name=gaas column_num=1\r\n"
                                        "layer d=-1 n=4 r=1\r\n"
                                        "end_layer\r\n");
    OpenThroughTheMenu(prompts, path, {IDOK});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Some values cannot be used as numbers:\n" + path +
                                                        ", line 3: w=abc (not a number, read as 0)\n" + path +
                                                        ", line 5: d=-1 (less than 0.00001)"});
    EXPECT_EQ(Title(), "bad.layer - Brenvik");
    EXPECT_EQ(g_nZSegCount, 1);
    StopApp();
}

TEST(OpeningFiles, AFileThatCannotBeOpenedLeavesTheChangedDeviceItsNameAndItsUndo)
{
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    const std::string ridge =
        work.Write("ridge.layer", FileBytes(std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer"));
    OpenThroughTheMenu(prompts, ridge, {});
    ASSERT_EQ(Title(), "ridge.layer - Brenvik");
    CTessaronDoc* doc = TestApp().GetDocument();

    // The substrate made 2.25 thick through Modify Layer and its sheet.
    ClickLayerAt(1.0f, 0.75f);
    RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [](CGeneralSheet& sheet) {
        Type(&sheet, 1000, "2.25");
        Click(&sheet, wxID_OK);
    });
    ASSERT_TRUE(doc->IsModified());
    ASSERT_FLOAT_EQ(doc->m_ZSegments[0].GetColumn(0).GetLayer(0).m_fHeight, 2.25f);
    ASSERT_TRUE(IsEnabled(ID_EDIT_UNDO));

    // The changes are not saved, and the file chosen is no text.
    const std::string picture = work.Write("picture.layer", kBinary);
    prompts.Clear();
    OpenThroughTheMenu(prompts, picture, {IDNO, IDOK});
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                   "Save changes to " + ridge + "?",
                                   "File data error!\n" + picture + ": it is not a text file (it holds NUL bytes)."}));
    EXPECT_EQ(Title(), "ridge.layer - Brenvik");
    EXPECT_EQ(doc->GetPathName(), ridge);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(doc->m_ZSegments[0].GetColumnCount(), 2);
    EXPECT_FLOAT_EQ(doc->m_ZSegments[0].GetColumn(0).GetLayer(0).m_fHeight, 2.25f);
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));

    // The kept change is still the user's to undo.
    EXPECT_TRUE(Frame()->RunCommand(ID_EDIT_UNDO));
    EXPECT_FLOAT_EQ(doc->m_ZSegments[0].GetColumn(0).GetLayer(0).m_fHeight, 1.5f);
    StopApp();
}
