// The workbook export of a device through the document's File commands: the sheets, cells and
// formats as read back from the written file, a real spreadsheet program's view of the same file,
// what the export leaves of the document, and the targets it refuses or replaces.

#include "WorkbookDump.h"

#include "platform/FileSystem.h"
#include "platform/ProcessRunner.h"
#include "spreadsheet/ExcelExporter.h"
#include "spreadsheet/ExcelRange.h"
#include "spreadsheet/ExcelWorkbook.h"
#include "spreadsheet/WorkbookData.h"
#include "spreadsheet/WorkbookExportService.h"
#include "support/DocFixture.h"
#include "support/FaultyFileCalls.h"
#include "support/FileBytes.h"
#include "support/RecordingShellOpener.h"
#include "support/TempFolder.h"

#include "CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <filesystem>
#include <sys/stat.h>

namespace {

const char kNoWritePermission[] = "This .xls file has no write permission!";

// The rows of a CSV text, each a list of its fields (quoted fields may hold separators, doubled
// quotes and line breaks).
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty())
        rows.back().push_back(field);
    else
        rows.pop_back();
    return rows;
}

std::string SpreadsheetFixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/spreadsheet/" + name; }

class ExcelExport : public DocFixture {
protected:
    ExcelExport()
    {
        macros.ParseMacroText("load_macro name=gaas", "free-style");
        macros.ParseMacroText("load_macro name=algaas var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("load_macro name=ingaas var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("get_active_layer name=qw_gain var1=#w var2=#d var_symbol1=w var_symbol2=d", "free-style");
        doc().SetMacroList(&macros);
        doc().SetWorkbookExporter(&exporter);
    }

    // Opens the two-facet DFB device: includes, a grating, contacts and taper points.
    void OpenDevice()
    {
        for (const char* name : {"dfb.sol", "dfb1.layer", "dfb2.layer", "sub.inc"})
            device.Write(name, ExistingFileBytes(SpreadsheetFixture(name)));
        prompts.AllowUnscripted();
        ASSERT_TRUE(doc().OnOpenDocument(device.File("dfb.sol")));
        prompts.AllowUnscripted(false);
        prompts.Clear();
        ASSERT_EQ(g_nZSegCount, 2);
    }

    // File > Export Excel (or Export && Open Excel) with the name typed in the dialog.
    void ExportAs(const std::string& typed, int command = ID_FILE_EXPORT_EXCEL)
    {
        prompts.ChooseFileNext(typed);
        ASSERT_TRUE(doc().OnCommand(command));
    }

    CMacroList macros;
    CWorkbookExportService exporter;
    RecordingShellOpener opener;
    TempFolder device;
    TempFolder out;
};

}  // namespace

TEST_F(ExcelExport, TheDeviceIsLaidOutInItsBlocksOneSheetPerZSegment)
{
    OpenDevice();
    ExportAs(out.File("dfb"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Excel Files(*.xlsx)|*.xlsx||");
    EXPECT_FALSE(prompts.FileDialogs()[0].open);
    // A bare name gets the workbook's extension; nothing else is left in the folder.
    EXPECT_EQ(out.List(), "dfb.xlsx");
    EXPECT_TRUE(opener.opened.empty());

    CExcelWorkbook workbook;
    ASSERT_TRUE(workbook.Open(out.File("dfb.xlsx"))) << workbook.ErrorText();
    EXPECT_EQ(DumpWorkbook(workbook.Data()), ExistingFileBytes(SpreadsheetFixture("golden/dfb.txt")));
}

TEST_F(ExcelExport, ExportAndOpenHandsTheWrittenWorkbookToTheDefaultProgram)
{
    OpenDevice();
    ExportAs(out.File("open.xlsx"), ID_FILE_EXPORT_OPEN_EXCEL);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(opener.opened, std::vector<std::string>{out.File("open.xlsx")});
    EXPECT_EQ(out.List(), "open.xlsx");
}

TEST_F(ExcelExport, TheDocumentIsAsItWasAndSavesTheSameBytesWithItsIncludes)
{
    // A ".layer" document whose middle row comes from an included file.
    app.mode3d = false;
    const std::string layerFixtures = std::string(TESSARON_FIXTURES) + "/layer/";
    const std::string path = device.Write("three.layer", ExistingFileBytes(layerFixtures + "three_columns_include.layer"));
    device.Write("one_row.inc", ExistingFileBytes(layerFixtures + "one_row.inc"));
    prompts.AllowUnscripted();  // the writer's remarks on the fixture's incomplete macros
    ASSERT_TRUE(doc().OnOpenDocument(path));
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    prompts.AllowUnscripted(false);
    prompts.Clear();
    const std::string before = FileBytes(path);
    ASSERT_NE(before.find("include file=one_row.inc"), std::string::npos) << before;
    const int snapshots = doc().UndoHistory().GetSnapshotCount();
    const std::map<int, std::string> includes = doc().m_MaterialSets.at(0).m_Includes;
    const std::map<int, std::string> table = doc().m_LoadContext.m_Includes;

    ExportAs(out.File("three.xlsx"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), snapshots);
    EXPECT_EQ(doc().m_MaterialSets.at(0).m_Includes, includes);
    EXPECT_EQ(doc().m_LoadContext.m_Includes, table);
    // The included row is one reference row, named after its file.
    CExcelWorkbook workbook;
    ASSERT_TRUE(workbook.Open(out.File("three.xlsx")));
    EXPECT_EQ(workbook.GetWorksheets().GetItem(1).GetRange("A8", "A8").GetValue(), "2;[\"one_row.inc\"]");

    prompts.AllowUnscripted();
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(device.List(), "one_row.inc three.layer");
}

TEST_F(ExcelExport, WithoutADeviceOrACurrentZSegmentNothingIsAsked)
{
    prompts.AnswerNext(IDOK);
    ASSERT_TRUE(doc().OnCommand(ID_FILE_EXPORT_EXCEL));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"There has no device!"});

    prompts.Clear();
    UseZSegments(1);
    AddColumn(0, {"gaas"});
    g_nCurZSeg = 0;  // z-segments in use, none of them current
    prompts.AnswerNext(IDOK);
    ASSERT_TRUE(doc().OnCommand(ID_FILE_EXPORT_OPEN_EXCEL));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"There has no valid face!"});
    EXPECT_TRUE(prompts.FileDialogs().empty());
    EXPECT_EQ(out.List(), "");
}

TEST_F(ExcelExport, CancellingTheDialogWritesNothing)
{
    OpenDevice();
    ExportAs("");
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(out.List(), "");
}

TEST_F(ExcelExport, AReadOnlyWorkbookIsRefusedAndKept)
{
    OpenDevice();
    const std::string path = out.Write("old.xlsx", "old workbook");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    prompts.AnswerNext(IDOK);
    ExportAs(path);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{std::string(kNoWritePermission) + "\n" + path});
    EXPECT_EQ(FileBytes(path), "old workbook");
    EXPECT_EQ(out.List(), "old.xlsx");
}

TEST_F(ExcelExport, ASymbolicLinkWritesTheWorkbookItLeadsTo)
{
    OpenDevice();
    const std::string target = out.Write("real.xlsx", "old workbook");
    const std::string link = out.File("link.xlsx");
    std::filesystem::create_symlink(target, link);
    ExportAs(link);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    CExcelWorkbook workbook;
    ASSERT_TRUE(workbook.Open(target)) << workbook.ErrorText();
    EXPECT_EQ(workbook.GetWorksheets().GetCount(), 2);
    EXPECT_EQ(out.List(), "link.xlsx real.xlsx");
}

TEST_F(ExcelExport, AFailedRenameLeavesTheOldWorkbookAndSaysWhy)
{
    OpenDevice();
    const std::string path = out.Write("old.xlsx", "old workbook");
    FaultyFileCalls calls;
    calls.FailCall(0);
    ExportAs(path);
    const auto rename = std::find(calls.steps.begin(), calls.steps.end(), "rename");
    ASSERT_NE(rename, calls.steps.end());
    std::filesystem::remove(path);
    out.Write("old.xlsx", "old workbook");

    calls.FailCall(static_cast<int>(rename - calls.steps.begin()) + 1, EACCES);
    prompts.AnswerNext(IDOK);
    ExportAs(path);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0], "Cannot write " + path + ":\nPermission denied");
    EXPECT_EQ(FileBytes(path), "old workbook");
    EXPECT_EQ(out.List(), "old.xlsx");
}

TEST_F(ExcelExport, ASpreadsheetProgramReadsTheSameCells)
{
    OpenDevice();
    ExportAs(out.File("dfb.xlsx"));
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{});

    // LibreOffice Calc, with a profile of its own, writes every sheet as a CSV file of its own.
    TempFolder work;
    ProcessRequest request;
    request.argv = {"soffice", "--headless", "--norestore", "-env:UserInstallation=file://" + work.File("profile"),
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1",
                    "--outdir", work.File("csv"), out.File("dfb.xlsx")};
    const ProcessResult result = ProcessRunner().Run(request);
    ASSERT_TRUE(result.started) << "soffice (libreoffice-calc-nogui, installed by scripts/setup) did not start";
    ASSERT_EQ(result.exitCode, 0);

    CExcelWorkbook workbook;
    ASSERT_TRUE(workbook.Open(out.File("dfb.xlsx")));
    for (const auto& sheet : workbook.Data().m_Sheets) {
        const std::string csv = ExistingFileBytes(work.File("csv/dfb-" + sheet->m_strName + ".csv"));
        const auto rows = ParseCsv(csv);
        int compared = 0;
        for (int r = 0; r < std::max<int>(sheet->RowCount(), static_cast<int>(rows.size())); ++r) {
            const int width = std::max<int>(r < sheet->RowCount() ? static_cast<int>(sheet->RowCells(r).size()) : 0,
                                            r < static_cast<int>(rows.size()) ? static_cast<int>(rows[r].size()) : 0);
            for (int c = 0; c < width; ++c) {
                const CCellData* cell = sheet->FindCell(r, c);
                const std::string ours = cell && cell->m_bHasValue ? cell->m_strText : "";
                const std::string theirs =
                    r < static_cast<int>(rows.size()) && c < static_cast<int>(rows[r].size()) ? rows[r][c] : "";
                EXPECT_EQ(theirs, ours) << sheet->m_strName << "!" << MakeCellName(r, c);
                compared += ours.empty() ? 0 : 1;
            }
        }
        EXPECT_GT(compared, 40) << sheet->m_strName;
    }
}
