// File > Import Excel from the document's command: the worksheets the import takes in each mode,
// the files it writes and the name the document takes, the questions before a file is replaced,
// and the failures that leave a new empty document with a message (a workbook that cannot be
// read, a file that cannot be written, a refused question).

#include "spreadsheet/ExcelRange.h"
#include "spreadsheet/ExcelWorkbook.h"
#include "spreadsheet/WorkbookImportService.h"
#include "support/DocFixture.h"
#include "support/TempFolder.h"

#include "CommandIds.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include <map>
#include <vector>

namespace {

using Cells = std::map<std::string, std::string>;

// One column, one layer, one bottom contact and a 3d-Geometry block of `planes` z planes.
Cells SmallSheet(const std::string& planes = "3")
{
    return {{"A1", "Dev_type:"}, {"B1", "ridge"},    {"A3", "Column_num"}, {"A4", "1"},
            {"B4", "2"},         {"C4", "4,1"},      {"B7", "0.5"},        {"C7", "gaas"},
            {"D10", "edge"},     {"A11", "1"},       {"B11", "0,2"},       {"C11", "ohmic"},
            {"D11", "bottom"},   {"A14", "Z-segment_num"}, {"B14", planes}, {"B15", "0"},
            {"B16", "12.5"}};
}

std::string SaveWorkbook(const std::string& path, const std::vector<Cells>& sheets)
{
    CExcelWorkbook workbook;
    int k = 1;
    for (const Cells& cells : sheets) {
        CExcelWorksheet sheet = workbook.GetWorksheets().Add("Sheet" + std::to_string(k++));
        for (const auto& [name, text] : cells)
            sheet.GetRange(name, name).SetValue(text);
    }
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    EXPECT_TRUE(workbook.SaveAs(path, folder)) << workbook.ErrorText();
    return path;
}

class ExcelImportCommand : public DocFixture {
protected:
    ExcelImportCommand() { doc().SetWorkbookImporter(&importer); }

    void Import(const std::string& path)
    {
        prompts.ChooseFileNext(path);
        ASSERT_TRUE(doc().OnCommand(ID_FILE_IMPORT_EXCEL));
    }

    CWorkbookImportService importer;
    TempFolder folder;
};

}  // namespace

TEST_F(ExcelImportCommand, TheCommandIsEnabledAndAsksForOneWorkbook)
{
    EXPECT_TRUE(doc().QueryCommand(ID_FILE_IMPORT_EXCEL).enabled);
    Import("");
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_TRUE(prompts.FileDialogs()[0].open);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Excel Files(*.xlsx)|*.xlsx||");
    EXPECT_EQ(folder.List(), "");
}

TEST_F(ExcelImportCommand, TheThreeDEditorTakesEverySheetAndSavesTheDeck)
{
    SaveWorkbook(folder.File("dev.xlsx"), {SmallSheet("3"), SmallSheet("4"), SmallSheet("5")});
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(folder.List(), "dev.layer dev.sol dev.xlsx dev1.layer dev2.layer");
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(doc().GetPathName(), folder.File("dev.sol"));
    EXPECT_EQ(Seg(2).m_Params.m_nZPlanes, 5);
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 12.5);
    EXPECT_NE(folder.Read("dev.sol").find("dev2"), std::string::npos);
}

TEST_F(ExcelImportCommand, TheLayerBuilderTakesTheFirstSheetOnly)
{
    app.mode3d = false;
    SaveWorkbook(folder.File("dev.xlsx"), {SmallSheet(), SmallSheet(), SmallSheet()});
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(folder.List(), "dev.layer dev.xlsx");
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(doc().GetPathName(), folder.File("dev.layer"));
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(0).m_fHeight, 0.5f);
}

TEST_F(ExcelImportCommand, TheStemComesFromTheFileNameNotFromAFolder)
{
    app.mode3d = false;
    std::filesystem::create_directories(folder.File("v1.2"));
    const std::string path = SaveWorkbook(folder.File("v1.2/book"), {SmallSheet()});
    Import(path);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    EXPECT_EQ(doc().GetPathName(), folder.File("v1.2/book.layer"));
    EXPECT_NE(folder.Read("v1.2/book.layer"), "");
}

TEST_F(ExcelImportCommand, RefusingToReplaceAFileEndsTheImportWithANewDocument)
{
    SaveWorkbook(folder.File("dev.xlsx"), {SmallSheet(), SmallSheet()});
    folder.Write("dev.layer", "old first");
    folder.Write("dev1.layer", "old second");
    prompts.AnswerNext(IDYES);
    prompts.AnswerNext(IDNO);
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{folder.File("dev.layer") + " exists, Do you want to continue?",
                                                         folder.File("dev1.layer") + " exists, Do you want to continue?"}));
    EXPECT_NE(folder.Read("dev.layer"), "old first");
    EXPECT_EQ(folder.Read("dev1.layer"), "old second");
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(doc().GetPathName(), " ");
    EXPECT_EQ(folder.List(), "dev.layer dev.xlsx dev1.layer");
}

TEST_F(ExcelImportCommand, AReadOnlyOutputFileFailsTheImportAndIsNotLoaded)
{
    app.mode3d = false;
    SaveWorkbook(folder.File("dev.xlsx"), {SmallSheet()});
    const std::string old = folder.Write("dev.layer", "begin_layer\r\nend_layer\r\n");
    ASSERT_EQ(chmod(old.c_str(), 0444), 0);
    prompts.AnswerNext(IDYES);
    prompts.AnswerNext(IDOK);
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                   old + " exists, Do you want to continue?",
                                   "Cannot write " + old + ":\nPermission denied (the file is read-only)"}));
    EXPECT_EQ(folder.Read("dev.layer"), "begin_layer\r\nend_layer\r\n");
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(doc().GetPathName(), " ");
}

TEST_F(ExcelImportCommand, AFileThatIsNoWorkbookIsAFailureWithAMessage)
{
    const std::string path = folder.Write("text.xlsx", "not a workbook");
    prompts.AnswerNext(IDOK);
    Import(path);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Cannot open " + path + ":\nIt is not a workbook (no zip package)."});
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(doc().GetPathName(), " ");
    EXPECT_EQ(folder.List(), "text.xlsx");
}

TEST_F(ExcelImportCommand, WorksheetsAfterTheFortiethAreRefusedWithAWarning)
{
    SaveWorkbook(folder.File("dev.xlsx"), std::vector<Cells>(41, SmallSheet()));
    prompts.AnswerNext(IDOK);
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The workbook has 41 worksheets; the device holds 40 "
                                                        "z-segments, so worksheets after the 40th are not imported."});
    EXPECT_EQ(g_nZSegCount, 40);
    EXPECT_NE(folder.Read("dev39.layer"), "");
    EXPECT_EQ(folder.Read("dev40.layer"), "");
    EXPECT_EQ(doc().GetPathName(), folder.File("dev.sol"));
}

TEST_F(ExcelImportCommand, CancelOnTheSaveChangesQuestionKeepsTheDocument)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "algaas"});
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDCANCEL);
    ASSERT_TRUE(doc().OnCommand(ID_FILE_IMPORT_EXCEL));
    EXPECT_EQ(prompts.Texts().size(), 1u);
    EXPECT_TRUE(prompts.FileDialogs().empty());
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayersInUse(), 2);
    EXPECT_TRUE(doc().IsModified());
}

struct GeometryCase {
    const char* name;
    Cells changes;
    std::vector<std::string> messages;
    int planes;
    double zTo;
    int taperPoints;
};

void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }

const GeometryCase kGeometryCases[] = {
    {"taper points", {{"B17", "1;0,0"}, {"B18", "2;10,0"}}, {}, 3, 12.5, 2},
    {"a taper line above 9", {{"B17", "10;5,5"}, {"B18", "2;10,0"}}, {"Your taper line is too much!"}, 3, 12.5, 1},
    {"a taper point without numbers", {{"B17", "3"}}, {}, 3, 12.5, 1},
    {"a taper point that is no number", {{"B17", "1;0,x"}}, {"Sheet1!B17: '1;0,x' is not a taper point"}, 3, 12.5, 0},
    {"z planes beyond 1000", {{"B14", "2000"}}, {"Sheet1!B14: '2000' is not a number of z planes from 0 to 1000"}, 1,
     12.5, 0},
    {"z planes that are no number", {{"B14", "3 zplanes=9"}},
     {"Sheet1!B14: '3 zplanes=9' is not a number of z planes from 0 to 1000"}, 1, 12.5, 0},
    {"z to below z from", {{"B15", "20"}}, {"Sheet1!B16: '12.5' is below the z-segment's start 20"}, 3, 0.0, 0},
    {"no 3d-Geometry block", {{"A14", ""}}, {"You did not set z-segment info in sheet 1"}, 1, 0.0, 0},
};

class ExcelImportGeometry : public ExcelImportCommand, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(ExcelImportGeometry, IsTakenWhenItFitsTheZSegment)
{
    const GeometryCase& c = GetParam();
    Cells cells = SmallSheet();
    for (const auto& [name, text] : c.changes)
        cells[name] = text;
    SaveWorkbook(folder.File("dev.xlsx"), {cells});
    prompts.AllowUnscripted();
    Import(folder.File("dev.xlsx"));
    EXPECT_EQ(prompts.Texts(), c.messages);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Seg(0).m_Params.m_nZPlanes, c.planes);
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, c.zTo);
    EXPECT_EQ(Seg(0).m_Params.m_nTaperPointCount, c.taperPoints);
}

INSTANTIATE_TEST_SUITE_P(Table, ExcelImportGeometry, ::testing::ValuesIn(kGeometryCases));
