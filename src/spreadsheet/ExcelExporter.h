#pragma once
// Writes the whole device into a new ".xlsx" workbook, one worksheet per z-segment ("Sheet1" for
// z-segment 1, and so on), in a fixed grid of blocks that the import reads back: the device header,
// the column block, the layer rows, the contact block, the included structures, the DFB grating
// blocks and the 3d-Geometry block, then colour bands, thin separator rows and separator columns.
// Every structure column owns eight spreadsheet columns (seven of data, one separator).
//
// Which layer rows stand in the layer block, and which of them came from an included file, is
// read from the z-segment's ".layer" text: the document writes it (as a save would, into memory),
// and it is read back with the exporter's own load context, its includes resolved from the folder
// of the z-segment's own file. Nothing of the document's own state (include table, statements,
// undo, modified flag) changes; only unset mesh counts are filled, as a save fills them.
//
// The workbook is built in memory and put in place only when it is complete (a temporary file
// beside the target, then a rename): a failure anywhere leaves an existing workbook as it was.
//
// The members are spread over sources by subject:
//   ExcelExporter.cpp        the driver: checks, the z-segments' texts, the file
//   ExcelExporterBlocks.cpp  header, column, contact blocks, colour bands, separators
//   ExcelExporterLayers.cpp  layer rows, included structures, grating and 3d-Geometry blocks

#include "spreadsheet/DeviceSheetBase.h"
#include "spreadsheet/ExcelWorkbook.h"

#include <map>
#include <string>
#include <vector>

class CAtomicFileWriter;
class CColumnContacts;
struct CContactRange;
class CGratingComposRec;
class CKeywordLineList;
class CLayerRec;
class CTessaronDoc;

// One "layer" statement of a z-segment's text: the include source it came from (0 the main file)
// and, on the first statement of each included file, that file's name.
struct CIncludedFile {
    int m_nSource = 0;
    std::string m_strName;
};

// First and last row (from 1) of a block of the sheet; -1 while not set.
struct CRowRange {
    int first = -1;
    int last = -1;
};

class CExcelExporter : public CDeviceSheetBase {
public:
    // The heading cells and the value cells: "Times New Roman" 8.
    static constexpr const char* kFontName = "Times New Roman";
    static constexpr int kFontSize = 8;

    // is3dMode: the 3-D device editor runs (the sheets get the 3d-Geometry block).
    CExcelExporter(bool is3dMode, CTessaronDoc* doc);

    CTessaronDoc* GetDocument() const { return m_pDoc; }
    // The whole export to path; with open, the written workbook is then opened with the default
    // program. False after a message when nothing was written.
    bool Export(const std::string& path, bool open);
    // The workbook of the device, built in memory: false after a message naming the z-segment
    // whose text could not be written or read back.
    bool BuildWorkbook(CExcelWorkbook& workbook);
    // The cells whose text was longer than a cell takes and was cut ("Sheet1!G7").
    const std::vector<std::string>& GetCutCells() const { return m_CutCells; }

    // --- Texts of the grid ---
    // "[DFB-2-3]" or, with an active macro, "[DFB-m1-2-3]" (column and layer from 0, shown from 1).
    static std::string FormatDfbTag(int column, int layer, const std::string& activeMacro);
    // ";1;" and the grating tag.
    static std::string FormatGratingTag(int column, int layer, const std::string& activeMacro);
    // Macro cell `which` of a grating block: 0 hi macro, 1 hi active, 2 lo macro, 3 lo active;
    // the name, then ", value" up to the last value that is given (an unset one leaves a gap).
    std::string FormatGratingLayerRef(int which, const CGratingComposRec& grating) const;
    // The active-macro cell: the active macro text and, for a layer with a grating composition,
    // its grating reference.
    std::string FormatActiveMacroCell(int column, int layer, const CLayerRec& rec) const;
    // The remark cell: the remark without its ",##Layer" tail and without a leading '$'.
    static std::string StripLayerRemark(const CLayerRec& layer);
    // The largest number of layers in use over the z-segment's columns; -1 without columns.
    int GetMaxLayerCount(int zseg) const;

private:
    // --- The driver (ExcelExporter.cpp) ---
    // The z-segment's ".layer" statements as the document writes them, read back with includes
    // expanded; false after a message naming the z-segment.
    bool ReadZsegmentStatements(int zseg);
    // The file of the z-segment's text: in the folder its included files are found from.
    std::string ZsegmentTextPath(int zseg) const;
    void FillSheet(int zseg, const CExcelWorksheet& sheet);
    bool WriteWorkbookFile(CExcelWorkbook& workbook, const std::string& path, CAtomicFileWriter& target);
    void ReportCutCells() const;

    // --- Cells ---
    // Writes the text in the cell of row (from 1), block and offset, in the exchange's font.
    void WriteCell(const CExcelWorksheet& sheet, int row, int block, int offset, const std::string& text, bool bold);
    std::string Number(double value, bool singlePrecision) const;

    // --- Blocks (ExcelExporterBlocks.cpp) ---
    void AutoFitColumns(const CExcelWorksheet& sheet, int columns);
    void WriteDeviceHeader(int zseg, const CExcelWorksheet& sheet);
    void WriteColumnBlock(int& row, const CExcelWorksheet& sheet, int zseg);
    void WriteLayerHeadings(int& row, int columns, const CExcelWorksheet& sheet);
    void WriteContactHeadings(int row, int columns, const CExcelWorksheet& sheet);
    void WriteContactBlock(int& row, int zseg, const CExcelWorksheet& sheet);
    void WriteBottomContacts(int& row, int column, const CExcelWorksheet& sheet, const CColumnContacts& contacts);
    void WriteTopContacts(int& row, int column, const CExcelWorksheet& sheet, const CColumnContacts& contacts);
    void WriteContactRow(int row, int column, const CExcelWorksheet& sheet, const CContactRange& range,
                         const char* edge);
    void FormatBand(const CExcelRange& range, int columns, int colourIndex, bool oneCell);
    void ColourBlocks(const CExcelWorksheet& sheet, int columns);
    void SetSeparatorRowHeights(const CExcelWorksheet& sheet, int columns);

    // --- Layer rows and the blocks below the contacts (ExcelExporterLayers.cpp) ---
    // The included-file list of the statements; includes: source id -> include statement text.
    void CollectIncludedFiles(const CKeywordLineList& statements, std::map<int, std::string> includes);
    void WriteLayerRows(int& row, int zseg, int columns, const CExcelWorksheet& sheet);
    void WriteLayerRow(int row, int column, int layer, float columnWidth, const CExcelWorksheet& sheet,
                       const CLayerRec& rec, bool noNumber);
    // Source id of layer position l (0 for a position the statements do not reach).
    int SourceOfLayer(int l) const;
    void WriteIncludedStructures(int& row, int zseg, const CExcelWorksheet& sheet);
    void WriteIncludedHeadings(int& row, int zseg, int source, const CExcelWorksheet& sheet);
    void WriteIncludedLayerRows(int& row, int zseg, int source, const CExcelWorksheet& sheet);
    void WriteGratingBlocks(int& row, int zseg, const CExcelWorksheet& sheet);
    void WriteGratingHeadings(int row, int block, const std::string& tag, const CExcelWorksheet& sheet);
    void WriteGratingBlock(int row, int block, const std::string& tag, const CGratingComposRec& grating,
                           const CExcelWorksheet& sheet);
    void WriteGeometryBlock(int& row, int zseg, const CExcelWorksheet& sheet);

    CTessaronDoc* m_pDoc;
    bool m_b3dMode;
    CRowRange m_ColumnRange, m_LayerRange, m_ContactRange, m_IncludedRange, m_GratingRange, m_GeometryRange;
    std::vector<CIncludedFile> m_IncludedFiles;
    std::string m_strSheetName;
    std::vector<std::string> m_CutCells;
};
