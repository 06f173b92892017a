// Opening and saving ".layer" files through the program's own paths: the command line, File
// Open, a drop on the window, Save and Save As; saved bytes match the updater's golden files.

#include "AppHarness.h"
#include "dialogs/GeneralSheet.h"
#include "ModalWindow.h"
#include "CommandIds.h"
#include "app/MainFrame.h"
#include "document/TessaronDoc.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const std::string kLayer = std::string(TESSARON_FIXTURES) + "/layer/";

std::string Fixture(const std::string& name)
{
    std::ifstream in(kLayer + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> RecentFileLabels()
{
    std::vector<std::string> labels;
    wxMenu* file = Frame()->GetMenuBar()->GetMenu(0);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        if (wxMenuItem* item = file->FindChildItem(WxId(id)))
            labels.push_back(item->GetItemLabel().ToStdString());
    return labels;
}

}  // namespace

TEST(FileCommands, OpenFromTheCommandLineThenSaveAndSaveAsWriteTheUpdatedFile)
{
    AppTree tree;
    // The libraries define the macros the golden files were written with.
    tree.Replace("veltrane.mac", std::string(TESSARON_FIXTURES) + "/app/veltrane.mac");
    tree.Replace("more.mac", std::string(TESSARON_FIXTURES) + "/app/more.mac");
    TempFolder work;
    const std::string path = work.Write("device.layer", Fixture("../updater/device.layer"));
    const std::string golden = Fixture("../updater/golden/device_row_thickness.layer");
    ASSERT_FALSE(golden.empty());
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik", {"-2", path}));
    CTessaronDoc* doc = TestApp().GetDocument();
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "device.layer - Brenvik");

    // The bottom row made 2.25 thick through Modify and its sheet: the save holds that edit.
    doc->SetSelection(0, 0, 0);
    RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [](CGeneralSheet& sheet) {
        Type(&sheet, 1000, "2.25");
        Click(&sheet, wxID_OK);
    });
    ASSERT_TRUE(doc->IsModified());
    Frame()->RunCommand(ID_FILE_SAVE);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(work.Read("device.layer"), golden);

    prompts.ChooseFileNext(work.File("copy.layer"));
    Frame()->RunCommand(ID_FILE_SAVE_AS);
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_FALSE(prompts.FileDialogs()[0].open);
    EXPECT_EQ(work.Read("copy.layer"), golden);
    EXPECT_EQ(doc->GetPathName(), work.File("copy.layer"));
    PumpEvents();
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "copy.layer - Brenvik");
    EXPECT_EQ(RecentFileLabels(), (std::vector<std::string>{"&1 " + work.File("copy.layer"), "&2 " + path}));
    StopApp();
}

TEST(FileCommands, FileOpenAndADropOpenOneFileEach)
{
    AppTree tree;
    TempFolder work;
    const std::string first = work.Write("first.layer", Fixture("ridge_two_columns.layer"));
    const std::string second = work.Write("second.layer", Fixture("ridge_two_columns.layer"));
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CTessaronDoc* doc = TestApp().GetDocument();

    prompts.ChooseFileNext(first);
    Frame()->RunCommand(ID_FILE_OPEN);
    EXPECT_EQ(doc->GetPathName(), first);
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "first.layer - Brenvik");
    // The next Open starts in the folder of the open document.
    prompts.ChooseFileNext("");
    Frame()->RunCommand(ID_FILE_OPEN);
    ASSERT_EQ(prompts.FileDialogs().size(), 2u);
    EXPECT_EQ(prompts.FileDialogs()[0].initialPath, "");
    EXPECT_EQ(prompts.FileDialogs()[1].initialPath, work.Path() + "/");

    EXPECT_NE(Frame()->GetDropTarget(), nullptr);  // the window takes dropped files
    auto* dropped = new wxString[2]{wxString::FromUTF8(second), wxString::FromUTF8(first)};  // the event owns it
    wxDropFilesEvent drop(wxEVT_DROP_FILES, 2, dropped);
    Frame()->GetEventHandler()->ProcessEvent(drop);
    EXPECT_EQ(doc->GetPathName(), second);

    // The recent-file entries open their files.
    EXPECT_EQ(RecentFileLabels(), (std::vector<std::string>{"&1 " + second, "&2 " + first}));
    Frame()->RunCommand(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(doc->GetPathName(), first);
    // Keeping a changed document at the save question keeps the entry too.
    doc->SetSelection(0, 0, 0);
    Frame()->RunCommand(ID_LAYER_COPY);
    Frame()->RunCommand(ID_LAYER_PASTE);
    ASSERT_TRUE(doc->IsModified());
    prompts.AnswerNext(IDCANCEL);
    Frame()->RunCommand(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(prompts.Texts().back(), "Save changes to " + first + "?");
    EXPECT_EQ(doc->GetPathName(), first);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(RecentFileLabels(), (std::vector<std::string>{"&1 " + first, "&2 " + second}));
    // A recent file that has gone leaves the list with a message; the document it did not
    // replace keeps its changes.
    std::remove(second.c_str());
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDOK);
    Frame()->RunCommand(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(prompts.Texts().back(), "Can't open file " + second);
    EXPECT_EQ(RecentFileLabels(), (std::vector<std::string>{"&1 " + first}));
    EXPECT_EQ(doc->GetPathName(), first);
    EXPECT_TRUE(doc->IsModified());

    prompts.AnswerNext(IDNO);
    Frame()->RunCommand(ID_FILE_NEW);
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "Untitled - Brenvik");
    StopApp();
}

TEST(FileCommands, TheExampleDeviceOpensAsScriptsRunStartsIt)
{
    AppTree tree;
    ScriptedPrompts prompts;
    const std::string example = std::string(TESSARON_FIXTURES) + "/../../examples/ridge.layer";
    ASSERT_TRUE(StartApp(tree, "brenvik", {example}));
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "ridge.layer - Brenvik");
    EXPECT_FALSE(TestApp().GetDocument()->IsModified());
    StopApp();
}

TEST(FileCommands, DecksOpenFromTheCommandLineAndFileOpenWithAllTheirZSegments)
{
    AppTree tree;
    TempFolder work;
    for (const std::string name : {"corvex_pos/ridge.sol", "corvex_pos/ridge1.layer", "corvex_pos/ridge2.layer",
                                   "lumivo_len/taper.sol", "lumivo_len/taper1.layer", "lumivo_len/taper2.layer",
                                   "lumivo_len/taper3.layer"})
        work.Write(name.substr(name.find('/') + 1), Fixture("../sol/" + name));
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron", {"-3", work.File("ridge.sol")}));
    CTessaronDoc* doc = TestApp().GetDocument();
    EXPECT_EQ(doc->GetPathName(), work.File("ridge.sol"));
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->m_nTargetSimulator, 1);  // the deck was written for the corvex simulator
    PumpEvents();
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "ridge.sol - Tessaron");

    prompts.ChooseFileNext(work.File("taper.sol"));
    Frame()->RunCommand(ID_FILE_OPEN);
    EXPECT_EQ(prompts.FileDialogs().back().filter, "3d Sol Files(*.sol)|*.sol|Layer Files(*.layer)|*.layer||");
    EXPECT_EQ(doc->GetPathName(), work.File("taper.sol"));
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(doc->m_nTargetSimulator, 2);
    EXPECT_TRUE(prompts.Texts().empty());
    PumpEvents();
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "taper.sol - Tessaron");
    StopApp();
}

TEST(FileCommands, SaveAsWritesTheDeckWithAFileForEveryZSegment)
{
    AppTree tree;
    TempFolder work;
    for (const std::string name : {"ridge.sol", "ridge1.layer", "ridge2.layer", "ridge1.gain", "ridge1.doping"})
        work.Write(name, Fixture("../sol/corvex_pos/" + name));
    ScriptedPrompts prompts;
    prompts.AllowUnscripted();
    ASSERT_TRUE(StartApp(tree, "tessaron", {"-3", work.File("ridge.sol")}));
    CTessaronDoc* doc = TestApp().GetDocument();

    prompts.ChooseFileNext(work.File("copy.sol"));
    Frame()->RunCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(prompts.FileDialogs().back().filter, "3d Sol Files (*.sol)|*.sol|Layer Files (*.layer)|*.layer||");
    EXPECT_EQ(doc->GetPathName(), work.File("copy.sol"));
    EXPECT_FALSE(doc->IsModified());
    // The z-segment files are named after the new deck, and the deck names them.
    const std::string deck = work.Read("copy.sol");
    for (const char* name : {"copy.layer", "copy2.layer", "copy.gain"})
        EXPECT_FALSE(work.Read(name).empty()) << name;
    EXPECT_NE(deck.find("mesh_inf=copy2.msh"), std::string::npos);
    EXPECT_NE(work.Read("copy2.layer").find("previous_layer  file=copy.layer"), std::string::npos);
    PumpEvents();
    EXPECT_EQ(Frame()->GetTitle().ToStdString(), "copy.sol - Tessaron");
    StopApp();
}
