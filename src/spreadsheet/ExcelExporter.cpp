#include "spreadsheet/ExcelExporter.h"

#include "document/TessaronDoc.h"
#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/TempFolder.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/CellText.h"
#include "spreadsheet/ExcelApplication.h"
#include "spreadsheet/WorkbookData.h"

namespace {

const char kNoWritePermission[] = "This .xls file has no write permission!";
const char kTempLayerFailed[] = "Failed to open temp .layer file!";
// How many cut cells the message names before it only counts the rest.
constexpr std::size_t kCutCellsNamed = 10;

}  // namespace

CExcelExporter::CExcelExporter(bool is3dMode, CTessaronDoc* doc)
    : CDeviceSheetBase(doc ? &doc->GetMacroList() : nullptr), m_pDoc(doc), m_b3dMode(is3dMode)
{
}

bool CExcelExporter::Export(const std::string& path, bool open)
{
    if (!m_pDoc || g_nZSegCount <= 0)
        return false;
    if (!m_pDoc->CheckZsegmentMeshTotals())
        return false;
    m_strPath = path;
    // The target is claimed first: a workbook that may not be replaced stops the export before
    // any work is done.
    CAtomicFileWriter target;
    if (!target.Open(path)) {
        if (FileExists(path))
            AfxMessageBox(std::string(kNoWritePermission) + "\n" + path, MB_OK);
        else
            AfxMessageBox("Cannot write " + path + ":\n" + target.ErrorText(), MB_OK);
        return false;
    }
    CExcelWorkbook workbook;
    if (!BuildWorkbook(workbook) || !WriteWorkbookFile(workbook, path, target))
        return false;
    ReportCutCells();
    if (!open)
        return true;
    // The written workbook is read back before it is handed over, so what the user is shown is
    // what the file holds.
    CExcelApplication application;
    CExcelWorkbook opened;
    std::string error;
    if (!application.GetWorkbooks().Open(path, opened, error)) {
        AfxMessageBox("Cannot open " + path + ":\n" + error, MB_OK);
        return true;
    }
    if (!application.SetVisible(true, error))
        AfxMessageBox("Cannot open " + error + " with the default program.", MB_OK);
    return true;
}

bool CExcelExporter::BuildWorkbook(CExcelWorkbook& workbook)
{
    m_CutCells.clear();
    CExcelSheets sheets = workbook.GetWorksheets();
    const int count = std::min<int>(g_nZSegCount, static_cast<int>(m_pDoc->m_ZSegments.size()));
    for (int k = 1; k <= count; ++k)
        sheets.Add(StrFormat("Sheet%d", k));
    for (int z = 0; z < count; ++z) {
        // A z-segment without columns keeps its blank sheet, so sheet positions stay z-segment numbers.
        if (m_pDoc->m_ZSegments[static_cast<std::size_t>(z)].GetColumnCount() == 0)
            continue;
        if (!ReadZsegmentStatements(z))
            return false;
        const CExcelWorksheet sheet = sheets.GetItem(z + 1);
        m_strSheetName = sheet.GetName();
        FillSheet(z, sheet);
    }
    return true;
}

std::string CExcelExporter::ZsegmentTextPath(int zseg) const
{
    std::string folder;
    if (zseg < static_cast<int>(m_pDoc->m_MaterialSets.size()))
        folder = m_pDoc->m_MaterialSets[static_cast<std::size_t>(zseg)].m_strIncludeFolder;
    if (folder.empty())
        folder = PathFolder(m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)].m_strLayerFile);
    if (folder.empty())
        folder = PathFolder(m_pDoc->GetPathName());
    return folder + StrFormat("z-segment%d.layer", zseg + 1);
}

bool CExcelExporter::ReadZsegmentStatements(int zseg)
{
    const std::string path = ZsegmentTextPath(zseg);
    std::string bytes;
    if (!m_pDoc->BuildZsegmentLayerText(zseg, path, bytes)) {
        AfxMessageBox(StrFormat("z-segment%d cannot be written as \".layer\" statements.", zseg + 1), MB_OK);
        return false;
    }
    // The text is read as the file would be, with a load context of the export's own: the
    // document's include table stays as it is.
    CArchive archive;
    archive.OpenLoadFromMemory(bytes, path);
    CKeywordLineList statements;
    CLoadContext context;
    const bool loaded = statements.Serialize(archive, context);
    archive.Close();
    if (!loaded) {
        AfxMessageBox(StrFormat("%s\nz-segment%d", kTempLayerFailed, zseg + 1), MB_OK);
        return false;
    }
    CollectIncludedFiles(statements, context.m_Includes);
    return true;
}

void CExcelExporter::FillSheet(int zseg, const CExcelWorksheet& sheet)
{
    const int columns = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)].GetColumnCount();
    AutoFitColumns(sheet, columns);
    WriteDeviceHeader(zseg, sheet);
    int row = 3;
    WriteColumnBlock(row, sheet, zseg);
    row += 1;
    WriteLayerHeadings(row, columns, sheet);
    WriteLayerRows(row, zseg, columns, sheet);
    row += 2;
    WriteContactBlock(row, zseg, sheet);
    WriteIncludedStructures(row, zseg, sheet);
    WriteGratingBlocks(row, zseg, sheet);
    row += 1;
    WriteGeometryBlock(row, zseg, sheet);
    ColourBlocks(sheet, columns);
    SetSeparatorRowHeights(sheet, columns);
}

bool CExcelExporter::WriteWorkbookFile(CExcelWorkbook& workbook, const std::string& path, CAtomicFileWriter& target)
{
    CTempFolder scratch;
    if (!scratch.Create("tessaron-export")) {
        AfxMessageBox("Cannot write " + path + ":\n" + scratch.ErrorText(), MB_OK);
        return false;
    }
    const std::string written = scratch.Path() + "workbook.xlsx";
    std::string bytes;
    if (!workbook.SaveAs(written, scratch.Path())) {
        AfxMessageBox("Cannot write " + path + ":\n" + workbook.ErrorText(), MB_OK);
        return false;
    }
    if (!ReadFileBytes(written, bytes)) {
        AfxMessageBox("Cannot write " + path + ":\nThe workbook could not be read back.", MB_OK);
        return false;
    }
    if (!target.Write(bytes) || !target.Commit()) {
        AfxMessageBox("Cannot write " + path + ":\n" + target.ErrorText(), MB_OK);
        return false;
    }
    return true;
}

void CExcelExporter::ReportCutCells() const
{
    if (m_CutCells.empty())
        return;
    std::string text = StrFormat("These cells had more than %zu characters; their texts were cut:", kMaxCellCharacters);
    for (std::size_t i = 0; i < m_CutCells.size() && i < kCutCellsNamed; ++i)
        text += "\n" + m_CutCells[i];
    if (m_CutCells.size() > kCutCellsNamed)
        text += StrFormat("\nand %zu more.", m_CutCells.size() - kCutCellsNamed);
    AfxMessageBox(text, MB_OK);
}

void CExcelExporter::WriteCell(const CExcelWorksheet& sheet, int row, int block, int offset, const std::string& text,
                               bool bold)
{
    const int column = block * kColumnsPerBlock + offset;
    CExcelRange cell = sheet.GetCells(row - 1, column, row - 1, column);
    cell.ChangeStyle([bold](CCellStyle& style) {
        style.m_strFontName = kFontName;
        style.m_dFontSize = kFontSize;
        style.m_bBold = bold;
    });
    std::string value = ToCellText(text);
    if (CountUtf8Characters(value) > kMaxCellCharacters) {
        value = CutUtf8(value, kMaxCellCharacters);
        m_CutCells.push_back(m_strSheetName + "!" + ColumnName(block, offset) + std::to_string(row));
    }
    cell.SetValue(value);
}

std::string CExcelExporter::Number(double value, bool singlePrecision) const
{
    return NumberText(value, NumberForm::exact, singlePrecision);
}
