// The contact block below the layer rows, and the 3d-Geometry block that gives a z-segment its
// z planes, z range and taper points.

#include "spreadsheet/ExcelImporter.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <cmath>

namespace {

// A block holds at most this many rows, its heading included.
constexpr int kContactRows = 40;
constexpr int kMaxZPlanes = 1000;
constexpr int kMaxTaperLine = 9;

}  // namespace

void CExcelImporter::WriteBottomContactLines(const CImportSheet& sheet, int startRow, int columns,
                                             CStatementVector& out)
{
    WriteContactLines(sheet, startRow, columns, "bottom_contact", "bottom", "Bottom contact In colum %d", out);
}

void CExcelImporter::WriteTopContactLines(const CImportSheet& sheet, int startRow, int columns, CStatementVector& out)
{
    WriteContactLines(sheet, startRow, columns, "top_contact", "top", "Top contact In colum %d", out);
}

void CExcelImporter::WriteContactLines(const CImportSheet& sheet, int startRow, int columns, const char* keyword,
                                       const char* edge, const char* where, CStatementVector& out)
{
    Append(out, "$");
    for (int b = 0; b < columns; ++b)
        for (int r = startRow + 1; r <= startRow + kContactRows; ++r) {
            std::string text = StrFormat("%s column_num=%d", keyword, b + 1);
            NoteLastRow(r);
            const std::string side = ToLowerAscii(sheet.Read(r, b, 3));
            if (side.empty())
                break;
            if (side != edge)
                continue;
            std::string from, to;
            if (!CImportSheet::SplitAt(ToLowerAscii(sheet.Read(r, b, 1)), ',', from, to)) {
                AfxMessageBox(std::string("Your contact from-to is not correct!\n") + StrFormat(where, b + 1), MB_OK);
            } else {
                from = sheet.CheckedNumber(r, b, 1, from);
                to = sheet.CheckedNumber(r, b, 1, to);
                if (!from.empty() && !to.empty())
                    text += " from=" + from + " to=" + to;
            }
            std::string type, workFunction;
            const std::string typeCell = ToLowerAscii(sheet.Read(r, b, 2));
            const bool split = CImportSheet::SplitAt(typeCell, ',', type, workFunction);
            if (!type.empty() && !(type = sheet.CheckedName(r, b, 2, type)).empty()) {
                text += " contact_type=" + type;
                if (split && !(workFunction = sheet.CheckedNumber(r, b, 2, workFunction)).empty())
                    text += " work_function=" + workFunction;
            }
            const std::string number = ToLowerAscii(sheet.Read(r, b, 0));
            if (!number.empty() && !sheet.CheckedNumber(r, b, 0, number).empty())
                text += " contact_num=" + number;
            Append(out, text);
        }
}

void CExcelImporter::WriteSolSegments(const CImportSheet& sheet)
{
    if (!m_b3dMode || !m_pDoc || m_nSheetIndex >= static_cast<int>(m_pDoc->m_ZSegments.size()))
        return;
    int label = -1;
    for (int r = std::max(m_nLastRow, 1); r < sheet.EndRow() && label < 0; ++r)
        if (ToLowerAscii(sheet.Read(r, 0, 0)).find("segment_num") != std::string::npos)
            label = r;
    if (label < 0) {
        AfxMessageBox(StrFormat("You did not set z-segment info in sheet %d", m_nSheetIndex + 1), MB_OK);
        return;
    }
    CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(m_nSheetIndex)];
    CZSegmentParams& params = segment.m_Params;

    const std::string planes = sheet.Read(label, 0, 1);
    const double value = CImportSheet::IsNumberText(planes) ? AtoF(planes) : -1.0;
    if (value != std::floor(value) || value < 0 || value > kMaxZPlanes)
        sheet.Report(label, 0, 1, planes, StrFormat("is not a number of z planes from 0 to %d", kMaxZPlanes));
    else
        params.m_nZPlanes = static_cast<int>(value);

    const std::string from = sheet.Read(label + 1, 0, 1), to = sheet.Read(label + 2, 0, 1);
    if (!CImportSheet::IsNumberText(from))
        sheet.Report(label + 1, 0, 1, from, "is not a number");
    else if (!CImportSheet::IsNumberText(to))
        sheet.Report(label + 2, 0, 1, to, "is not a number");
    else if (static_cast<float>(AtoF(to)) < static_cast<float>(AtoF(from)))
        sheet.Report(label + 2, 0, 1, to, "is below the z-segment's start " + from);
    else {
        params.m_dZFrom = static_cast<float>(AtoF(from));
        params.m_dZTo = static_cast<float>(AtoF(to));
    }

    int count = 0;
    for (int t = 0; t < CZSegmentParams::kMaxTaperPoints; ++t) {
        const int row = label + 3 + t;
        const std::string text = sheet.Read(row, 0, 1);
        if (text.empty())
            break;
        std::string line, rest, x, y;
        CImportSheet::SplitAt(text, ';', line, rest);
        if (AtoI(line) > kMaxTaperLine) {
            AfxMessageBox("Your taper line is too much!", MB_OK);
            continue;
        }
        CImportSheet::SplitAt(rest, ',', x, y);
        // A coordinate left out is 0; one that is given must be a number.
        if ((!x.empty() && !CImportSheet::IsNumberText(x)) || (!y.empty() && !CImportSheet::IsNumberText(y))) {
            sheet.Report(row, 0, 1, text, "is not a taper point");
            continue;
        }
        params.m_fTaperPoints[count][0] = static_cast<float>(AtoF(x));
        params.m_fTaperPoints[count][1] = static_cast<float>(AtoF(y));
        ++count;
    }
    params.m_nTaperPointCount = count;
    // The points are matched with the columns' laid-out edges: the z-segment just loaded is laid
    // out first.
    m_pDoc->UpdateDrawing();
    float xs[CZSegmentParams::kMaxTaperPoints], ys[CZSegmentParams::kMaxTaperPoints];
    for (int i = 0; i < count; ++i) {
        xs[i] = params.m_fTaperPoints[i][0];
        ys[i] = params.m_fTaperPoints[i][1];
    }
    segment.SnapColumnsToVertices(count, xs, ys);
}
