#include "spreadsheet/ExcelImporter.h"

#include "document/TessaronDoc.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/ExcelApplication.h"
#include "textfiles/LayerFileUpdater.h"

namespace {

// The stem of the files the import writes: the workbook's path without the extension of its file
// name ("dev" for "dev.xlsx"); a dot in a folder name is no extension.
std::string OutputStem(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return path;
    return path.substr(0, dot);
}

}  // namespace

CExcelImporter::CExcelImporter(bool is3dMode) : m_b3dMode(is3dMode) {}

void CExcelImporter::SetDocument(CTessaronDoc* doc)
{
    m_pDoc = doc;
    m_pMacroList = doc ? &doc->GetMacroList() : nullptr;
}

std::string CExcelImporter::Import(const std::string& path)
{
    m_strPath = path;
    m_nStatus = 1;
    m_strLastConfirmed.clear();
    m_LayerPaths.clear();
    const std::string stem = OutputStem(path);
    const std::string result = stem + (m_b3dMode ? ".sol" : ".layer");

    CExcelApplication application;
    CExcelWorkbook workbook;
    std::string error;
    if (!application.GetWorkbooks().Open(path, workbook, error)) {
        AfxMessageBox("Cannot open " + path + ":\n" + error, MB_OK);
        m_nStatus = 0;
        return result;
    }
    const CExcelSheets sheets = workbook.GetWorksheets();
    int count = sheets.GetCount();
    if (!m_b3dMode)
        count = std::min(count, 1);
    if (count > kMaxWorksheets) {
        AfxMessageBox(StrFormat("The workbook has %d worksheets; the device holds %d z-segments, so worksheets "
                                "after the %dth are not imported.",
                                count, kMaxWorksheets, kMaxWorksheets),
                      MB_OK | MB_ICONEXCLAMATION);
        count = kMaxWorksheets;
    }
    for (int i = 0; i < count; ++i) {
        m_strOutPath = i == 0 ? stem + ".layer" : StrFormat("%s%d.layer", stem.c_str(), i);
        if (!ConfirmOverwrite(m_strOutPath)) {
            m_nStatus = 0;
            break;
        }
        const CImportSheet sheet(sheets.GetItem(i + 1));
        if (!ConvertSheet(sheet, m_strOutPath) || GetStatus() == 0)
            break;
        m_nSheetIndex = i;
        LoadIntoDocument();
        WriteSolSegments(sheet);
    }
    application.Quit();
    if (m_b3dMode && m_nStatus != 0 && m_pDoc && !SaveDeck(result))
        m_nStatus = 0;
    return result;
}

bool CExcelImporter::ConfirmOverwrite(const std::string& path)
{
    if (!FileExists(path) || path == m_strLastConfirmed)
        return true;
    m_strLastConfirmed = path;
    return AfxMessageBox(path + " exists, Do you want to continue?", MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void CExcelImporter::NoteLastRow(int row)
{
    if (row > m_nLastRow)
        m_nLastRow = row;
}

int CExcelImporter::CountColumnBlocks(const CImportSheet& sheet)
{
    int n = 0;
    while (n < 1000 && !sheet.Read(kColumnHeadingRow, n, 0).empty())
        ++n;
    return n;
}

void CExcelImporter::Append(CStatementVector& out, const std::string& text)
{
    CKeywordLine line;
    line.Parse(text);
    out.push_back(line);
}

bool CExcelImporter::ConvertSheet(const CImportSheet& sheet, const std::string& outPath)
{
    m_nLastRow = -1;
    bool ok = true;
    const std::string bytes = BuildSheetText(sheet, ok);
    if (!ok)
        return false;
    return WriteTextFile(outPath, bytes);
}

std::string CExcelImporter::BuildSheetText(const CImportSheet& sheet, bool& ok)
{
    CStatementVector header, columns, bottoms, layers, tops;
    // The device type and the remark keep their blanks; a line break cannot stand in a comment.
    auto headerLine = [&](int row) {
        std::string text = sheet.ReadRaw(row, 0, 1);
        for (char& c : text)
            if (c == '\n' || c == '\r')
                c = ' ';
        Append(header, "$" + text);
    };
    headerLine(1);
    headerLine(2);
    Append(header, "begin_layer");
    const int n = CountColumnBlocks(sheet);
    WriteColumnLines(sheet, n, columns);
    const int row = WriteLayerLines(sheet, n, layers);
    if (row < 0 || GetStatus() == 0) {
        ok = false;
        return std::string();
    }
    NoteLastRow(row);
    WriteBottomContactLines(sheet, row, n, bottoms);
    WriteTopContactLines(sheet, row, n, tops);

    Append(tops, "end_layer");
    std::string bytes;
    for (CStatementVector* part : {&header, &columns, &bottoms, &layers, &tops}) {
        for (CKeywordLine& line : *part)
            CLayerFileUpdater::RemoveDefaultParamsOfLine(line);
        bytes += StatementBytes(*part);
    }
    return bytes;
}

std::string CExcelImporter::StatementBytes(CStatementVector& lines)
{
    std::string bytes;
    for (CKeywordLine& line : lines) {
        if (line.m_strKeyword.empty())
            continue;
        line.WrapText();
        bytes += line.m_strText + "\r\n";
    }
    return bytes;
}

bool CExcelImporter::WriteTextFile(const std::string& path, const std::string& bytes)
{
    CAtomicFileWriter writer;
    if (writer.Open(path) && writer.Write(bytes) && writer.Commit())
        return true;
    AfxMessageBox("Cannot write " + path + ":\n" + writer.ErrorText(), MB_OK);
    m_nStatus = 0;
    return false;
}

void CExcelImporter::LoadIntoDocument()
{
    if (!m_pDoc)
        return;
    m_pDoc->LoadZsegmentLayerFile(m_strOutPath, m_nSheetIndex);
    m_LayerPaths.resize(static_cast<std::size_t>(m_nSheetIndex) + 1);
    m_LayerPaths[static_cast<std::size_t>(m_nSheetIndex)] = m_strOutPath;
}

bool CExcelImporter::SaveDeck(const std::string& solPath)
{
    if (m_LayerPaths.empty() || !ConfirmOverwrite(solPath))
        return false;
    return m_pDoc->SaveImportedDeck(solPath, m_LayerPaths);
}
