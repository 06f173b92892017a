// The layer rows of a worksheet and the blocks below the contact block: the included structures
// (one block per included file, its layers in the rows of that file), the DFB grating blocks
// (stacked in the block of their column) and the 3d-Geometry block of the 3-D editor.

#include "spreadsheet/ExcelExporter.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "statements/KeywordLineList.h"

#include <algorithm>
#include <cmath>

namespace {

// A statement read from an included file has a source id of at least this.
constexpr int kIncludedSource = 500;
constexpr int kGratingValues = 5;
constexpr int kGratingBlockRows = 7;  // six rows and an empty one

const char* const kIncludedHeadings[7] = {
    nullptr,  // the file's name
    "Thickness, (lower_width, higher_width)",
    "Bulk_macro",
    "Active_macro,var1,var2... ;  (embedded_structure) ; (grating_compos, [gr_comp link])",
    "doping",
    "Mesh;num,ratio, (shft_ctr)",
    "Remark",
};

bool IsUnsetGratingValue(float value) { return std::fabs(value - -9999.0f) <= 0.0001f; }

// The width of a column that its layers' edges are compared with: the lower edge of its first slot.
float ColumnWidthOf(const CColumnRec& column) { return column.GetLayer(0).m_fLowerWidth; }

// The layer a column has at a layer position. Above the layers of a column shorter than others it
// is the empty layer the device's ".layer" file gives that position: void, with the row's
// thickness and mesh (those of the first column that reaches the row) and as wide as the layer
// below. The slot itself holds no geometry: written as it is, it would come back from the
// workbook as a layer of no width, which moves every column right of it, or in the first column
// as a row of no thickness.
CLayerRec LayerAtPosition(const CZSegment& segment, int column, int position)
{
    const CColumnRec& own = segment.GetColumn(column);
    if (own.HasRow(position))
        return own.GetLayer(position);
    int reference = 0;
    for (int c = 0; c < segment.GetColumnCount(); ++c)
        if (segment.GetColumn(c).GetLayersInUse() > segment.GetColumn(reference).GetLayersInUse())
            reference = c;
    const CLayerRec& row = segment.GetColumn(reference).GetLayer(position);
    CLayerRec filler;
    filler.m_Material.m_Bulk.m_strName = "void";
    filler.m_Material.m_Active.Edit().m_strName = "void";
    filler.m_Doping.m_strKind = "none";
    filler.m_fHeight = row.m_fHeight;
    filler.m_Mesh = row.m_Mesh;
    const int top = own.GetLayersInUse() - 1;
    filler.m_fLowerWidth = filler.m_fUpperWidth = top >= 0 ? own.GetLayer(top).m_fLowerWidth : own.m_Size.m_fLowerWidth;
    return filler;
}

}  // namespace

int CExcelExporter::GetMaxLayerCount(int zseg) const
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    if (segment.GetColumnCount() == 0)
        return -1;
    int most = 0;
    for (int c = 0; c < segment.GetColumnCount(); ++c)
        most = std::max(most, segment.GetColumn(c).GetLayersInUse());
    return most;
}

void CExcelExporter::CollectIncludedFiles(const CKeywordLineList& statements, std::map<int, std::string> includes)
{
    m_IncludedFiles.clear();
    for (const CKeywordLine& line : statements.m_lines) {
        if (line.m_strKeyword != "layer")
            continue;
        CIncludedFile entry;
        entry.m_nSource = line.m_nSource;
        // The name goes with the first statement of each included file only.
        auto include = includes.find(line.m_nSource);
        if (include != includes.end()) {
            const std::string& text = include->second;
            const std::size_t equals = text.find('=');
            entry.m_strName = Trim(equals == std::string::npos ? text : text.substr(equals + 1));
            includes.erase(include);
        }
        m_IncludedFiles.push_back(entry);
    }
}

int CExcelExporter::SourceOfLayer(int l) const
{
    return l < static_cast<int>(m_IncludedFiles.size()) ? m_IncludedFiles[static_cast<std::size_t>(l)].m_nSource : 0;
}

void CExcelExporter::WriteLayerRows(int& row, int zseg, int columns, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    const int n = GetMaxLayerCount(zseg);
    for (int i = 0; i < n; ++i) {
        const int source = SourceOfLayer(i);
        if (source >= kIncludedSource) {
            const std::string& name = m_IncludedFiles[static_cast<std::size_t>(i)].m_strName;
            // An included file takes one row, at the place of its first layer.
            if (!name.empty()) {
                WriteCell(sheet, row, 0, 0, StrFormat("%d;[\"%s\"]", i + 1, name.c_str()), false);
                ++row;
            }
            continue;
        }
        for (int c = 0; c < columns; ++c) {
            const CColumnRec& column = segment.GetColumn(c);
            WriteLayerRow(row, c, i, ColumnWidthOf(column), sheet, LayerAtPosition(segment, c, i), false);
        }
        ++row;
    }
    m_LayerRange.last = row;
}

void CExcelExporter::WriteLayerRow(int row, int column, int layer, float columnWidth, const CExcelWorksheet& sheet,
                                   const CLayerRec& rec, bool noNumber)
{
    if (!noNumber)
        WriteCell(sheet, row, column, 0, StrFormat("%d", layer + 1), false);
    WriteCell(sheet, row, column, 1, FormatWidthList(columnWidth, rec, NumberForm::exact), false);
    const std::string bulk = FormatBulkMacro(rec, NumberForm::exact);
    WriteCell(sheet, row, column, 2, bulk.empty() ? std::string("void") : bulk, false);
    const std::string active = FormatActiveMacroCell(column, layer, rec);
    if (!active.empty() && active != "void")
        WriteCell(sheet, row, column, 3, active, false);
    const std::string& doping = rec.m_Doping.m_strKind;
    // An empty doping type means no doping as "none" does.
    if (doping != "none" && !doping.empty()) {
        std::string concentration = StrFormat("%e", double(rec.m_Doping.m_fValue));
        TrimNumberText(concentration);
        WriteCell(sheet, row, column, 4, doping + "," + concentration, false);
    }
    const std::string mesh = FormatLayerMesh(rec, NumberForm::exact);
    if (!mesh.empty())
        WriteCell(sheet, row, column, 5, mesh, false);
    WriteCell(sheet, row, column, 6, StripLayerRemark(rec), false);
}

std::string CExcelExporter::FormatActiveMacroCell(int column, int layer, const CLayerRec& rec) const
{
    std::string text = FormatActiveMacro(rec, NumberForm::exact);
    if (rec.m_Grating->m_nPresent)
        text += FormatGratingTag(column, layer, rec.m_Material.m_Active->m_strName);
    return text;
}

std::string CExcelExporter::StripLayerRemark(const CLayerRec& layer)
{
    std::string remark = layer.m_strComment;
    const std::size_t tail = remark.size() >= 8 ? remark.find(",##Layer") : std::string::npos;
    if (tail != std::string::npos)
        remark.erase(tail);
    if (!remark.empty() && remark[0] == '$')
        remark.erase(0, 1);
    // The model keeps a line end after each comment line; the cell holds the lines between them.
    while (!remark.empty() && (remark.back() == '\n' || remark.back() == '\r'))
        remark.pop_back();
    return remark;
}

std::string CExcelExporter::FormatDfbTag(int column, int layer, const std::string& activeMacro)
{
    if (activeMacro.empty() || activeMacro == "void")
        return StrFormat("[DFB-%d-%d]", column + 1, layer + 1);
    return StrFormat("[DFB-%s-%d-%d]", activeMacro.c_str(), column + 1, layer + 1);
}

std::string CExcelExporter::FormatGratingTag(int column, int layer, const std::string& activeMacro)
{
    return ";1;" + FormatDfbTag(column, layer, activeMacro);
}

std::string CExcelExporter::FormatGratingLayerRef(int which, const CGratingComposRec& grating) const
{
    const std::string* name = nullptr;
    const double* values = nullptr;
    switch (which) {
    case 0: name = &grating.m_strHiMacro, values = grating.m_dHiVar; break;
    case 1: name = &grating.m_strHiActiveMacro, values = grating.m_dHiAVar; break;
    case 2: name = &grating.m_strLoMacro, values = grating.m_dLoVar; break;
    case 3: name = &grating.m_strLoActiveMacro, values = grating.m_dLoAVar; break;
    default: return std::string();
    }
    if (name->empty())
        return std::string();
    float narrowed[kGratingValues];
    int last = -1;
    for (int i = 0; i < kGratingValues; ++i) {
        narrowed[i] = static_cast<float>(values[i]);
        if (!IsUnsetGratingValue(narrowed[i]))
            last = i;
    }
    std::string text = *name;
    for (int i = 0; i <= last; ++i) {
        text += ", ";
        if (!IsUnsetGratingValue(narrowed[i]))
            text += Number(narrowed[i], true);
    }
    return text;
}

void CExcelExporter::WriteIncludedStructures(int& row, int zseg, const CExcelWorksheet& sheet)
{
    m_IncludedRange = {row, row};
    if (m_IncludedFiles.empty())
        return;
    // One block per file name (an empty name counts once), under the first source that brought it.
    std::vector<const CIncludedFile*> taken;
    for (const CIncludedFile& entry : m_IncludedFiles) {
        if (entry.m_nSource < kIncludedSource)
            continue;
        const bool known = std::any_of(taken.begin(), taken.end(),
                                       [&entry](const CIncludedFile* t) { return t->m_strName == entry.m_strName; });
        if (!known)
            taken.push_back(&entry);
    }
    std::vector<int> written;
    for (std::size_t k = 0; k < taken.size(); ++k) {
        const int source = taken[k]->m_nSource;
        bool earlier = false;
        for (std::size_t j = 0; j < k; ++j)
            earlier = earlier || taken[j]->m_nSource == source;
        if (earlier)
            continue;
        if (k > 0)
            ++row;
        WriteIncludedHeadings(row, zseg, source, sheet);
        WriteIncludedLayerRows(row, zseg, source, sheet);
        written.push_back(source);
    }
    if (!written.empty()) {
        m_IncludedRange.last = row - 1;
        ++row;
    }
}

void CExcelExporter::WriteIncludedHeadings(int& row, int zseg, int source, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    if (segment.GetColumnCount() == 0)
        return;
    auto entry = std::find_if(m_IncludedFiles.begin(), m_IncludedFiles.end(),
                              [source](const CIncludedFile& f) { return f.m_nSource == source; });
    if (entry == m_IncludedFiles.end()) {
        ++row;
        return;
    }
    for (int b = 0; b < segment.GetColumnCount(); ++b) {
        WriteCell(sheet, row, b, 0, "[\"" + entry->m_strName + "\"]", true);
        for (int offset = 1; offset < 7; ++offset)
            WriteCell(sheet, row, b, offset, kIncludedHeadings[offset], true);
    }
    ++row;
}

void CExcelExporter::WriteIncludedLayerRows(int& row, int zseg, int source, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    const int n = GetMaxLayerCount(zseg);
    if (segment.GetColumnCount() == 0 || n < 1)
        return;
    for (int l = 0; l < n; ++l) {
        if (SourceOfLayer(l) != source)
            continue;
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            const CColumnRec& column = segment.GetColumn(c);
            WriteLayerRow(row, c, l, ColumnWidthOf(column), sheet, LayerAtPosition(segment, c, l), true);
        }
        ++row;
    }
}

void CExcelExporter::WriteGratingBlocks(int& row, int zseg, const CExcelWorksheet& sheet)
{
    const CZSegment& segment = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)];
    const int columns = segment.GetColumnCount();
    if (columns == 0)
        return;
    const int n = GetMaxLayerCount(zseg);
    std::vector<int> cursor(static_cast<std::size_t>(columns), row);
    for (int l = 0; l < n; ++l)
        for (int c = 0; c < columns; ++c) {
            const CColumnRec& column = segment.GetColumn(c);
            if (l >= column.GetLayersInUse())
                continue;
            const CLayerRec& layer = column.GetLayer(l);
            if (layer.m_Material.m_Bulk.m_strName == "void" || !layer.m_Grating->m_nPresent)
                continue;
            int& r = cursor[static_cast<std::size_t>(c)];
            WriteGratingBlock(r, c, FormatDfbTag(c, l, layer.m_Material.m_Active->m_strName), layer.m_Grating, sheet);
            r += kGratingBlockRows;
        }
    const int deepest = *std::max_element(cursor.begin(), cursor.end());
    m_GratingRange = {row, deepest - 1};
    row = deepest;
}

void CExcelExporter::WriteGratingHeadings(int row, int block, const std::string& tag, const CExcelWorksheet& sheet)
{
    WriteCell(sheet, row, block, 0, tag, true);
    WriteCell(sheet, row, block, 1, "d_layer", true);
    WriteCell(sheet, row, block, 2, "macro_name", true);
    WriteCell(sheet, row, block, 3, "active_macro", true);
    WriteCell(sheet, row + 1, block, 0, "grating_order", true);
    WriteCell(sheet, row + 2, block, 0, "hi_layer", true);
    WriteCell(sheet, row + 3, block, 0, "lo_layer", true);
    WriteCell(sheet, row + 4, block, 0, "raise_layer", true);
    WriteCell(sheet, row + 5, block, 0, "fall_layer", true);
}

void CExcelExporter::WriteGratingBlock(int row, int block, const std::string& tag, const CGratingComposRec& grating,
                                       const CExcelWorksheet& sheet)
{
    WriteGratingHeadings(row, block, tag, sheet);
    WriteCell(sheet, row + 1, block, 1, StrFormat("%d", grating.m_nGratingOrder), false);
    WriteCell(sheet, row + 2, block, 1, Number(grating.m_dHigh, false), false);
    WriteCell(sheet, row + 2, block, 2, FormatGratingLayerRef(0, grating), false);
    WriteCell(sheet, row + 2, block, 3, FormatGratingLayerRef(1, grating), false);
    WriteCell(sheet, row + 3, block, 1, Number(grating.m_dLow, false), false);
    WriteCell(sheet, row + 3, block, 2, FormatGratingLayerRef(2, grating), false);
    WriteCell(sheet, row + 3, block, 3, FormatGratingLayerRef(3, grating), false);
    WriteCell(sheet, row + 4, block, 1, Number(grating.m_dRise, false), false);
    WriteCell(sheet, row + 5, block, 1, Number(grating.m_dFall, false), false);
}

void CExcelExporter::WriteGeometryBlock(int& row, int zseg, const CExcelWorksheet& sheet)
{
    if (!m_b3dMode || !m_pDoc)
        return;
    const CZSegmentParams& params = m_pDoc->m_ZSegments[static_cast<std::size_t>(zseg)].m_Params;
    m_GeometryRange.first = row;
    auto line = [&](const std::string& label, const std::string& value) {
        WriteCell(sheet, row, 0, 0, label, true);
        if (!value.empty())
            WriteCell(sheet, row, 0, 1, value, false);
        ++row;
    };
    line("3d-Geometry", "");
    line("Z-segment_num", StrFormat("%d", params.m_nZPlanes));
    line("Z-segment_from", Number(params.m_dZFrom, false));
    line("Z-segment_to", Number(params.m_dZTo, false));
    const int points = std::clamp(params.m_nTaperPointCount, 0, CZSegmentParams::kMaxTaperPoints);
    for (int i = 0; i < points; ++i)
        line("taper_line;taper_points", StrFormat("%d;%s,%s", i + 1, Number(params.m_fTaperPoints[i][0], true).c_str(),
                                                  Number(params.m_fTaperPoints[i][1], true).c_str()));
    m_GeometryRange.last = row;
}
