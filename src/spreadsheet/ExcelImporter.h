#pragma once
// Reads a workbook of the export's layout back into a device. Each worksheet becomes one ".layer"
// file beside the workbook ("dev.layer", "dev1.layer", ...), which the document then loads into
// the z-segment of the same index; in the 3-D editor every worksheet (at most 40) is converted,
// its 3d-Geometry block is copied into the z-segment's parameters and the device is saved as the
// ".sol" deck "dev.sol", in the layer builder only the first worksheet is read.
//
// No cell text reaches a statement unchecked: a number must read wholly as one, a name must be one
// token; a cell that fails is named in a message ("Sheet2!C14: '0.5 d=9' is not a number") and
// its text left out. Every file is written whole or not at all.
//
// The members are spread over sources by subject:
//   ExcelImporter.cpp          the driver: worksheets, overwrite questions, files, the document
//   ExcelImporterLayers.cpp    column and layer rows, included structures
//   ExcelImporterMacros.cpp    bulk and active macro cells (with their grating references)
//   ExcelImporterContacts.cpp  bottom and top contacts, the 3d-Geometry block

#include "spreadsheet/DeviceSheetBase.h"
#include "spreadsheet/ImportSheet.h"
#include "statements/KeywordLine.h"

#include <string>
#include <vector>

class CMacroList;
class CTessaronDoc;

using CStatementVector = std::vector<CKeywordLine>;

class CExcelImporter : public CDeviceSheetBase {
public:
    // The document holds this many z-segments: later worksheets are refused.
    static constexpr int kMaxWorksheets = 40;
    static constexpr int kColumnHeadingRow = 3;
    static constexpr int kLayerHeadingRow = 6;

    // is3dMode: the 3-D device editor runs (every worksheet, the 3d-Geometry block, the deck).
    explicit CExcelImporter(bool is3dMode);

    // The document that loads the files; without one nothing is loaded and no deck saved.
    void SetDocument(CTessaronDoc* doc);
    // Converts and loads the workbook; returns the path the document takes as its own ("dev.sol"
    // or "dev.layer"), also when the import failed (GetStatus then says so).
    std::string Import(const std::string& path);
    // 1 while the import goes on, 0 once it failed or the user refused to overwrite a file.
    int GetStatus() const { return m_nStatus; }
    // True when no file is at path, when it is the path just confirmed, or when the user says Yes.
    bool ConfirmOverwrite(const std::string& path);
    // The ".layer" file of one worksheet: false (status 0) after a message when it is not written.
    bool ConvertSheet(const CImportSheet& sheet, const std::string& outPath);
    void NoteLastRow(int row);
    int GetLastRow() const { return m_nLastRow; }

    // --- Columns and layers (ExcelImporterLayers.cpp) ---
    void WriteColumnLines(const CImportSheet& sheet, int columns, CStatementVector& out);
    // The row after the first row without layers, or -1 when an included file was not to be
    // overwritten.
    int WriteLayerLines(const CImportSheet& sheet, int columns, CStatementVector& out);
    // The mesh parameters of a column mesh cell; false when it is no 2 or 3 numbers.
    static bool AppendColumnMesh(const std::string& text, std::string& out);
    std::string AppendThickness(const CImportSheet& sheet, int row, int block, const std::string& text);
    // "" for a cell that is no 2 or 3 numbers.
    static std::string AppendLayerMesh(const std::string& text);
    // "" after a message for a cell that is no "n,<number>" or "p,<number>".
    static std::string AppendDoping(int block, const std::string& text);
    // "$" lines of a remark cell, one per line of it; suffix goes on the last one.
    static void AppendRemark(const std::string& text, const std::string& suffix, CStatementVector& out);

    // --- Macro cells (ExcelImporterMacros.cpp) ---
    std::string AppendBulkMacro(const CImportSheet& sheet, int row, int block, const std::string& text);
    // The active part; grating receives a "grating_compos" statement text or "".
    std::string AppendActiveMacro(const CImportSheet& sheet, int row, int block, const std::string& text,
                                  std::string& grating);
    // " grade_var=i grade_from=.. grade_to=.." of a range value, "" for any other.
    static std::string AppendGrade(const std::string& value, int i);
    // A range is two numbers joined by a dash that is neither leading nor after an exponent's e.
    static bool HasInnerDash(const std::string& value);
    bool IsOldStyleMacro(const std::string& name, const std::string& values);

    // --- Contacts and z-segment data (ExcelImporterContacts.cpp) ---
    void WriteBottomContactLines(const CImportSheet& sheet, int startRow, int columns, CStatementVector& out);
    void WriteTopContactLines(const CImportSheet& sheet, int startRow, int columns, CStatementVector& out);
    void WriteSolSegments(const CImportSheet& sheet);

    static void Append(CStatementVector& out, const std::string& text);
    // The statements as the file holds them: wrapped, each line ended by CR LF.
    static std::string StatementBytes(CStatementVector& lines);

private:
    // The worksheet's own file: header, columns, bottom contacts, layers, top contacts, end.
    std::string BuildSheetText(const CImportSheet& sheet, bool& ok);
    static int CountColumnBlocks(const CImportSheet& sheet);
    bool WriteTextFile(const std::string& path, const std::string& bytes);
    bool WriteIncludedLayerLines(const CImportSheet& sheet, int headingRow, int columns, const std::string& name,
                                 int& layerNumber);
    // The statements of one layer row (all blocks); false when no block has a thickness.
    bool ConvertLayerRow(const CImportSheet& sheet, int row, int columns, bool included, int layerNumber,
                         CStatementVector& out, std::string& layer);
    void WriteContactLines(const CImportSheet& sheet, int startRow, int columns, const char* keyword,
                           const char* edge, const char* where, CStatementVector& out);
    void LoadIntoDocument();
    bool SaveDeck(const std::string& solPath);
    std::string SymbolOf(const std::string& macro, int i);
    // The number text of a macro value, reported and "" when it is none.
    std::string MacroValue(const CImportSheet& sheet, int row, int block, int offset, const std::string& value);

    CTessaronDoc* m_pDoc = nullptr;
    CMacroList* m_pMacroList = nullptr;
    bool m_b3dMode;
    int m_nLastRow = -1;
    int m_nSheetIndex = 0;
    std::string m_strOutPath;
    std::string m_strLastConfirmed;
    int m_nStatus = 1;
    std::vector<std::string> m_LayerPaths;  // the files loaded, by z-segment
};
