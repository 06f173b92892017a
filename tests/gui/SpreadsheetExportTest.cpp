// The spreadsheet export from the running program: the File menu's two commands are enabled and
// write a workbook of the open device; the second opens it with the default program.

#include "AppHarness.h"
#include "CommandIds.h"
#include "app/MainFrame.h"
#include "spreadsheet/ExcelWorkbook.h"
#include "support/FileBytes.h"
#include "support/RecordingShellOpener.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

namespace {

std::string Fixture(const std::string& name)
{
    return ExistingFileBytes(std::string(TESSARON_FIXTURES) + "/spreadsheet/" + name);
}

bool MenuItemEnabled(int id)
{
    wxMenuItem* item = Frame()->GetMenuBar()->FindItem(WxId(id));
    return item && item->IsEnabled();
}

}  // namespace

TEST(SpreadsheetExport, TheFileMenuCommandsWriteAndOpenTheWorkbook)
{
    AppTree tree;
    TempFolder work;
    const std::string path = work.Write("dfb1.layer", Fixture("dfb1.layer"));
    work.Write("sub.inc", Fixture("sub.inc"));
    ScriptedPrompts prompts;
    RecordingShellOpener opener;
    ASSERT_TRUE(StartApp(tree, "brenvik", {"-2", path}));
    PumpEvents();
    Frame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_EXPORT_EXCEL));
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_EXPORT_OPEN_EXCEL));
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_IMPORT_EXCEL));

    // The shipped libraries know these macros better than the fixture spells them: the ".layer"
    // writer's remarks on that may come; nothing else may.
    prompts.AllowUnscripted();
    prompts.ChooseFileNext(work.File("device"));
    Frame()->RunCommand(ID_FILE_EXPORT_EXCEL);
    for (const std::string& text : prompts.Texts())
        EXPECT_EQ(text.rfind("Your ", 0), 0u) << text;
    CExcelWorkbook workbook;
    ASSERT_TRUE(workbook.Open(work.File("device.xlsx"))) << workbook.ErrorText();
    ASSERT_EQ(workbook.GetWorksheets().GetCount(), 1);
    CExcelWorksheet sheet = workbook.GetWorksheets().GetItem(1);
    EXPECT_EQ(sheet.GetName(), "Sheet1");
    EXPECT_EQ(sheet.GetRange("A1", "A1").GetValue(), "Dev_type:");
    EXPECT_EQ(sheet.GetRange("A8", "A8").GetValue(), "2;[\"sub.inc\"]");
    EXPECT_TRUE(opener.opened.empty());

    prompts.ChooseFileNext(work.File("opened.xlsx"));
    Frame()->RunCommand(ID_FILE_EXPORT_OPEN_EXCEL);
    EXPECT_EQ(opener.opened, std::vector<std::string>{work.File("opened.xlsx")});
    StopApp();
}
