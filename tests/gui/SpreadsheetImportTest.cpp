// The spreadsheet import from the running 3-D editor: File > Import Excel reads an exported
// workbook into the device and saves its deck; the deck, reopened from the recent-file list and
// saved, still has its z-segments' geometry.

#include "AppHarness.h"
#include "CommandIds.h"
#include "app/MainFrame.h"
#include "app/TessaronApp.h"
#include "document/TessaronDoc.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

namespace {

std::string Fixture(const std::string& name)
{
    return ExistingFileBytes(std::string(TESSARON_FIXTURES) + "/spreadsheet/" + name);
}

std::string FirstRecentFile()
{
    wxMenuItem* item = Frame()->GetMenuBar()->GetMenu(0)->FindChildItem(WxId(ID_FILE_MRU_FILE1));
    return item ? item->GetItemLabel().ToStdString() : std::string();
}

}  // namespace

TEST(SpreadsheetImport, AnImportedDeviceReopensFromTheRecentFilesWithItsGeometry)
{
    AppTree tree;
    TempFolder device;
    TempFolder out;
    for (const char* name : {"dfb.sol", "dfb1.layer", "dfb2.layer", "sub.inc"})
        device.Write(name, Fixture(name));
    ScriptedPrompts prompts;
    prompts.AllowUnscripted();  // the shipped libraries' remarks on the fixture's macros
    ASSERT_TRUE(StartApp(tree, "tessaron", {device.File("dfb.sol")}));
    PumpEvents();
    CTessaronDoc* doc = TestApp().GetDocument();
    ASSERT_EQ(g_nZSegCount, 2);
    prompts.ChooseFileNext(out.File("dfb.xlsx"));
    Frame()->RunCommand(ID_FILE_EXPORT_EXCEL);

    prompts.ChooseFileNext(out.File("dfb.xlsx"));
    Frame()->RunCommand(ID_FILE_IMPORT_EXCEL);
    PumpEvents();
    EXPECT_EQ(doc->GetPathName(), out.File("dfb.sol"));
    EXPECT_EQ(FirstRecentFile(), "&1 " + out.File("dfb.sol"));
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->m_ZSegments[1].m_Params.m_dZFrom, 10.0);
    EXPECT_EQ(doc->m_ZSegments[1].m_Params.m_dZTo, 25.0);

    // Closed (a new document), reopened from the recent-file list, saved and reopened.
    Frame()->RunCommand(ID_FILE_NEW);
    ASSERT_EQ(g_nZSegCount, 0);
    Frame()->RunCommand(ID_FILE_MRU_FILE1);
    PumpEvents();
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->GetPathName(), out.File("dfb.sol"));
    doc->SetModifiedFlag();
    Frame()->RunCommand(ID_FILE_SAVE);
    Frame()->RunCommand(ID_FILE_NEW);
    Frame()->RunCommand(ID_FILE_MRU_FILE1);
    PumpEvents();
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->m_ZSegments[0].m_Params.m_dZTo, 10.0);
    EXPECT_EQ(doc->m_ZSegments[1].m_Params.m_dZFrom, 10.0);
    EXPECT_EQ(doc->m_ZSegments[1].m_Params.m_dZTo, 25.0);
    EXPECT_EQ(doc->m_ZSegments[1].GetColumn(0).GetLayersInUse(), 2);
    StopApp();
}
