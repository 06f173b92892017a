// The blocks at the top of a worksheet (device header, column block, layer headings), the contact
// block, and the formatting that follows once a sheet is filled: colour bands, separator rows and
// separator columns.

#include "spreadsheet/ExcelExporter.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "spreadsheet/WorkbookData.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kLayerHeadings[7] = {
    "Layer_num; ([layer_link])",
    "Thickness, (lower_width, higher_width)",
    "Bulk_macro",
    "Active_macro,var1,var2... ;  (embedded_structure) ; (grating_compos, [gr_comp link])",
    "doping",
    "Mesh;num,ratio,(shft_ctr)",
    "Remark",
};
const char* const kContactHeadings[4] = {"Contact_num", "from-to", "type, ([work_function])", "edge"};

// Colour indexes of the bands.
constexpr int kHeaderColour = 37;
constexpr int kColumnColour = 34;
constexpr int kLayerColour = 36;
constexpr int kContactColour = 40;
constexpr int kIncludedColour = 3;
constexpr int kGratingColour = 44;
constexpr int kGeometryColour = 34;
constexpr int kSeparatorColour = 3;
constexpr int kThinBorder = 2;
constexpr double kSeparatorRowHeight = 5.0;
constexpr double kSeparatorColumnWidth = 0.5;
constexpr int kSeparatorOffset = 7;

bool IsUnset(double value) { return std::abs(value - kUnsetValue) <= 0.0001; }

}  // namespace

void CExcelExporter::AutoFitColumns(const CExcelWorksheet& sheet, int columns)
{
    if (columns < 1)
        return;
    sheet.GetCells(0, 0, 0, columns * kColumnsPerBlock - 1).GetEntireColumn().AutoFit();
}

void CExcelExporter::WriteDeviceHeader(int zseg, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    WriteCell(sheet, 1, 0, 0, "Dev_type:", true);
    WriteCell(sheet, 1, 0, 1, segment.m_strHeaderComment[0], false);
    WriteCell(sheet, 2, 0, 0, "Remark", true);
    WriteCell(sheet, 2, 0, 1, segment.m_strHeaderComment[1], false);
}

void CExcelExporter::WriteColumnBlock(int& row, const CExcelWorksheet& sheet, int zseg)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    m_ColumnRange = {row, row + 1};
    for (int b = 0; b < segment.GetColumnCount(); ++b) {
        const CColumnRec& column = segment.GetColumn(b);
        WriteCell(sheet, row, b, 0, "Column_num", true);
        WriteCell(sheet, row, b, 1, "Width", true);
        WriteCell(sheet, row, b, 2, "Mesh;num,ratio, (shft_ctr)", true);
        WriteCell(sheet, row + 1, b, 0, StrFormat("%d", b + 1), false);
        WriteCell(sheet, row + 1, b, 1, Number(column.GetLayer(0).m_fLowerWidth, true), false);
        WriteCell(sheet, row + 1, b, 2, StrFormat("%d,", column.m_Mesh.m_nMeshNum) + Number(column.m_Mesh.m_fRatio, true),
                  false);
    }
    row += 2;
}

void CExcelExporter::WriteLayerHeadings(int& row, int columns, const CExcelWorksheet& sheet)
{
    m_LayerRange.first = row;
    for (int b = 0; b < columns; ++b)
        for (int offset = 0; offset < 7; ++offset)
            WriteCell(sheet, row, b, offset, kLayerHeadings[offset], true);
    row += 1;
}

void CExcelExporter::WriteContactHeadings(int row, int columns, const CExcelWorksheet& sheet)
{
    for (int b = 0; b < columns; ++b)
        for (int offset = 0; offset < 4; ++offset)
            WriteCell(sheet, row, b, offset, kContactHeadings[offset], true);
}

void CExcelExporter::WriteContactBlock(int& row, int zseg, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    m_ContactRange = {row, row};
    WriteContactHeadings(row, segment.GetColumnCount(), sheet);
    row += 1;
    // Every column's contacts start in the first contact row; the block ends with the longest list.
    int deepest = row;
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        const CColumnContacts contacts = segment.GetColumn(c).m_Contacts;
        int own = row;
        WriteBottomContacts(own, c, sheet, contacts);
        WriteTopContacts(own, c, sheet, contacts);
        if (own > deepest) {
            deepest = own;
            m_ContactRange.last = own - 1;
        }
    }
    row = deepest + 1;
}

void CExcelExporter::WriteContactRow(int row, int column, const CExcelWorksheet& sheet, const CContactRange& range,
                                     const char* edge)
{
    WriteCell(sheet, row, column, 0, StrFormat("%d", range.m_nContactNum), false);
    WriteCell(sheet, row, column, 1, Number(range.m_fFrom, true) + ", " + Number(range.m_fTo, true), false);
    std::string type = range.m_strType;
    if (!IsUnset(range.m_dWorkFunction))
        type += "," + Number(static_cast<float>(range.m_dWorkFunction), true);
    WriteCell(sheet, row, column, 2, type, false);
    WriteCell(sheet, row, column, 3, edge, false);
}

void CExcelExporter::WriteBottomContacts(int& row, int column, const CExcelWorksheet& sheet,
                                         const CColumnContacts& contacts)
{
    for (const CBottomContact& range : contacts.GetBottoms())
        WriteContactRow(row++, column, sheet, range, "bottom");
}

void CExcelExporter::WriteTopContacts(int& row, int column, const CExcelWorksheet& sheet, const CColumnContacts& contacts)
{
    for (const CTopContact& range : contacts.GetTops())
        WriteContactRow(row++, column, sheet, range, "top");
}

void CExcelExporter::FormatBand(const CExcelRange& range, int columns, int colourIndex, bool oneCell)
{
    CExcelRange band = range.GetResize(oneCell ? 1 : columns * kColumnsPerBlock);
    band.SetWrapText(true);
    band.GetInterior().SetColorIndex(colourIndex);
    if (!oneCell)
        band.GetBorders().SetWeight(kThinBorder);
}

void CExcelExporter::ColourBlocks(const CExcelWorksheet& sheet, int columns)
{
    auto band = [&](int first, int last, int colour) {
        FormatBand(sheet.GetCells(first - 1, 0, last - 1, 0), columns, colour, false);
    };
    band(1, 2, kHeaderColour);
    band(m_ColumnRange.first, m_ColumnRange.last, kColumnColour);
    band(m_LayerRange.first, m_LayerRange.last, kLayerColour);
    band(m_ContactRange.first, m_ContactRange.last, kContactColour);
    for (const auto& [range, colour] : {std::make_pair(m_IncludedRange, kIncludedColour),
                                        std::make_pair(m_GratingRange, kGratingColour),
                                        std::make_pair(m_GeometryRange, kGeometryColour)})
        if (range.first > 0 && range.first < range.last)
            band(range.first, range.last, colour);
}

void CExcelExporter::SetSeparatorRowHeights(const CExcelWorksheet& sheet, int columns)
{
    auto separatorRow = [&](int row) { sheet.GetCells(row - 1, 0, row - 1, 0).SetRowHeight(kSeparatorRowHeight); };
    separatorRow(m_ColumnRange.last + 1);
    separatorRow(m_LayerRange.last + 1);
    separatorRow(m_ContactRange.last + 1);
    if (m_IncludedRange.first > 0 && m_IncludedRange.first < m_IncludedRange.last)
        separatorRow(m_IncludedRange.last + 1);
    if (m_GeometryRange.first > 1)
        separatorRow(m_GeometryRange.first - 1);

    const int lastRow = std::max({m_ContactRange.last, m_GratingRange.last, m_GeometryRange.last});
    for (int b = 0; b < columns; ++b) {
        const int column = b * kColumnsPerBlock + kSeparatorOffset;
        CExcelRange separator = sheet.GetCells(0, column, lastRow - 1, column);
        separator.SetColumnWidth(kSeparatorColumnWidth);
        FormatBand(separator, columns, kSeparatorColour, true);
    }
}
