#include "textfiles/LayerStatementWriter.h"

#include <cmath>

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "textfiles/ContactMacroLines.h"
#include "textfiles/GratingStatements.h"
#include "textfiles/LabelStatements.h"
#include "textfiles/LayerComments.h"
#include "model/RowPadding.h"
#include "model/VoidMacroName.h"
#include "textfiles/MaterialStatements.h"
#include "textfiles/SideContactStatements.h"
#include "textfiles/VcselSectionStatements.h"

namespace {

const char kBulkSymbolMessage[] = "Your bulk macro info. is not correct!";
const char kActiveSymbolMessage[] = "Your active macro info. is not correct!";

// "var_symbol<k>": the name under which a macro definition gives the symbol of its variable k,
// looked up for every variable of every layer written; the six a layer holds come from a table.
std::string SymbolName(int k)
{
    static const char* const names[] = {"var_symbol1", "var_symbol2", "var_symbol3",
                                        "var_symbol4", "var_symbol5", "var_symbol6"};
    return k >= 1 && k <= 6 ? std::string(names[k - 1]) : StrFormat("var_symbol%d", k);
}

// The macro name as the file names it: no "_old_style" tail.
std::string WithoutOldStyle(const std::string& name)
{
    const std::size_t at = name.find("_old_style");
    return at == std::string::npos ? name : name.substr(0, at);
}

// The width a column starts from: its first layer's lower width, or the column's own width when
// it has no layer.
float ColumnBaseWidth(const CColumnRec& column)
{
    return column.HasRow(0) ? column.GetLayer(0).m_fLowerWidth : column.m_Size.m_fLowerWidth;
}

}  // namespace

void CLayerStatementWriter::WriteLayerStatements(int nZSeg)
{
    m_nZSeg = nZSeg;
    const CZSegment& z = m_ctx.zsegs[nZSeg];
    m_nColumns = z.GetColumnCount();

    AppendComments(z.m_strComments[CLayerComments::BeforeBegin]);
    m_ctx.lines.Append(NewStatement("begin_layer"));
    AppendSeparator();
    CKeywordLine rotation = NewStatement("rotation");
    AppendParam(rotation, "angle", StrFormat("%f", z.GetAngle()));
    m_ctx.lines.Append(rotation);

    AppendComments(z.m_strComments[CLayerComments::BeforeColumns]);
    WriteColumns();
    AppendSeparator();
    AppendComments(z.m_strComments[CLayerComments::BeforeBottomContacts]);
    WriteContactRanges(true);
    if (m_nColumns > 0) {
        AppendSeparator();
        AppendSeparator();
    }

    m_nReference = CRowPadding::ReferenceColumn(z);
    m_nRows = m_nColumns > 0 ? z.GetColumn(m_nReference).GetLayersInUse() : 0;
    m_fillers.assign(m_nColumns, CLayerRec());
    m_prevFillers.assign(m_nColumns, CLayerRec());
    std::vector<std::string> writtenTypes;
    for (int row = 0; row < m_nRows; ++row) WriteRow(row, writtenTypes);

    AppendComments(z.m_strComments[CLayerComments::BeforeTopContacts]);
    WriteContactRanges(false);
    AppendSeparator();
    AppendComments(z.m_strComments[CLayerComments::BeforeEnd]);
    m_ctx.lines.Append(NewStatement("end_layer"));

    WriteContactMacroLines(m_ctx.lines);
}

const CLayerRec& CLayerStatementWriter::RowLayer(int column, int row) const
{
    const CColumnRec& col = m_ctx.zsegs[m_nZSeg].GetColumn(column);
    if (col.HasRow(row)) return col.GetLayer(row);
    return row == m_nCurrentRow ? m_fillers[column] : m_prevFillers[column];
}

void CLayerStatementWriter::PrepareFillers(int row)
{
    m_prevFillers.swap(m_fillers);
    m_nCurrentRow = row;
    const CZSegment& z = m_ctx.zsegs[m_nZSeg];
    for (int c = 0; c < m_nColumns; ++c) {
        if (z.GetColumn(c).HasRow(row)) continue;
        // A column shorter than the others is written with an empty layer in the rows it lacks.
        m_fillers[c] = CRowPadding::WrittenFiller(z, c, row, m_nReference, row > 0 ? &RowLayer(c, row - 1) : nullptr);
        m_fillers[c].m_nZSeg = m_nZSeg;
    }
}

void CLayerStatementWriter::AppendComments(std::string block)
{
    while (!block.empty()) {
        const std::string line = CLayerComments::PopCommentLine(block);
        if (!line.empty()) m_ctx.lines.Append(NewStatement(line));
    }
}

void CLayerStatementWriter::AppendStatements(const std::vector<CKeywordLine>& statements)
{
    for (const CKeywordLine& line : statements) m_ctx.lines.Append(line);
}

void CLayerStatementWriter::AppendSeparator()
{
    m_ctx.lines.Append(NewStatement("$"));
}

CKeywordLine CLayerStatementWriter::FormatColumn(const CColumnRec& column, int k) const
{
    CKeywordLine line = NewStatement("column");
    AppendParam(line, "column_num", StrFormat("%d", k + 1));
    AppendParam(line, "w", FileNumberOfFloat(ColumnBaseWidth(column)));
    AppendParam(line, "mesh_num", StrFormat("%d", column.m_Mesh.m_nMeshNum));
    AppendParam(line, "r", FileNumberOfFloat(column.m_Mesh.m_fRatio));
    if (column.m_Mesh.m_dShiftCenter != 0.0)
        AppendParam(line, "shift_center", FileNumber(column.m_Mesh.m_dShiftCenter));
    return line;
}

void CLayerStatementWriter::WriteColumns()
{
    CLabelStatements labels(m_ctx);
    for (int k = 0; k < m_nColumns; ++k) {
        m_ctx.lines.Append(FormatColumn(m_ctx.zsegs[m_nZSeg].GetColumn(k), k));
        std::vector<CKeywordLine> statements;
        labels.WriteColumnLabels(m_nZSeg, k, statements);
        AppendStatements(statements);
    }
}

void CLayerStatementWriter::WriteContactRanges(bool bottom)
{
    const CZSegment& z = m_ctx.zsegs[m_nZSeg];
    for (int k = 0; k < m_nColumns; ++k) {
        const CColumnContacts& contacts = z.GetColumn(k).m_Contacts;
        const int count = bottom ? contacts.GetBottomCount() : contacts.GetTopCount();
        for (int i = 0; i < count; ++i) {
            const CContactRange& range = bottom ? static_cast<const CContactRange&>(contacts.Bottom(i))
                                                : static_cast<const CContactRange&>(contacts.Top(i));
            CKeywordLine line = NewStatement(bottom ? "bottom_contact" : "top_contact");
            AppendParam(line, "column_num", StrFormat("%d", k + 1));
            AppendContactParams(line, range.m_fFrom, range.m_fTo, range.m_nContactNum, range.m_strType,
                                range.m_dBarrier, range.m_dWorkFunction);
            m_ctx.lines.Append(line);
        }
    }
}

void CLayerStatementWriter::WriteRow(int row, std::vector<std::string>& writtenTypes)
{
    const CZSegment& z = m_ctx.zsegs[m_nZSeg];
    PrepareFillers(row);

    if (const CLayerRec* holder = CLayerComments::RowCommentHolder(z, row)) AppendComments(holder->m_strComment);
    CVcselSectionStatements(m_ctx).WriteVcselSections(writtenTypes, m_nZSeg, row);

    CMaterialStatements materials(m_ctx);
    CGratingStatements gratings(m_ctx);
    for (int c = 0; c < m_nColumns; ++c) {
        if (materials.WriteLayerMacro(RowLayer(c, row), c) != 0) continue;
        gratings.IsGratingComplete(m_nZSeg, c, row);
        // Read after the check: when the check changes the layer's embedded flag while an undo
        // snapshot shares the layer, the column holds a copy of it from then on, and the flag
        // written is the copy's.
        const CLayerRec& layer = RowLayer(c, row);
        m_ctx.lines.Append(FormatLayerMater(layer, c));
        if (!layer.m_Doping.m_strNewDoping.empty()) {
            CKeywordLine newDoping;
            std::string text = layer.m_Doping.m_strNewDoping;
            newDoping.Parse(text);
            newDoping.SetText(std::string());
            m_ctx.lines.Append(newDoping);
        }
    }
    for (int c = 0; c < m_nColumns; ++c) gratings.WriteGratingCompos(m_nZSeg, c, row);

    m_ctx.lines.Append(FormatLayer(row));
    CSideContactStatements(m_ctx).WriteSideContacts(m_nZSeg, row);
    std::vector<CKeywordLine> labels;
    CLabelStatements(m_ctx).WriteLayerLabels(m_nZSeg, row, labels);
    AppendStatements(labels);
    AppendSeparator();
}

std::string CLayerStatementWriter::LookUpSymbol(const std::string& macroName, int k, const char* message)
{
    std::string symbol;
    if (const CMacroDef* def = m_ctx.macros.FindDefinition(macroName)) symbol = def->FindParamValue(SymbolName(k));
    if (symbol.empty()) AfxMessageBox(message, MB_OK);
    return symbol;
}

CKeywordLine CLayerStatementWriter::FormatLayerMater(const CLayerRec& layer, int column)
{
    const CLayerMaterial& material = layer.m_Material;
    const std::string& stored = material.m_Bulk.m_strName;
    std::string name = WithoutOldStyle(stored);
    FromVoidMacroName(name);
    // A layer without a bulk name (New Layer makes one) is an empty layer. Written without
    // "macro_name" it would not count among the column's layers when read back, and the column
    // would lose a row: it is written as the empty layer the reader takes back.
    if (Trim(name).empty())
        name = "void";
    const bool oldStyle = Contains(stored, "_old_style");
    const int grade = material.m_Grading.m_nGradeVar;

    CKeywordLine line = NewStatement("layer_mater");
    AppendParam(line, "macro_name", name);
    if (CMaterialStatements::IsInsulatorMaterial(stored) || material.IsMarkedInsulator())
        AppendParam(line, "insulator_macro", "yes");
    AppendParam(line, "column_num", StrFormat("%d", column + 1));
    // A symbol the macro list cannot give is reported and left out: an empty value would make the
    // file's next parameter part of this one when it is read again.
    auto appendSymbol = [&](const char* format, int k, const std::string& symbol) {
        if (!symbol.empty()) AppendParam(line, StrFormat(format, k), symbol);
    };
    if (grade != 0) {
        if (!oldStyle) appendSymbol("var_symbol%d", grade, LookUpSymbol(stored, grade, kBulkSymbolMessage));
        AppendParam(line, "grade_var", StrFormat("%d", grade));
        AppendParam(line, "grade_from", FileNumberOfFloat(material.m_Grading.m_fGradeFrom));
        AppendParam(line, "grade_to", FileNumberOfFloat(material.m_Grading.m_fGradeTo));
    }
    CMaterialStatements materials(m_ctx);
    // A layer holds six variables of each macro.
    const int bulkCount = std::min(materials.GetMacroParamCount("bulk", stored), 6);
    const CMacroDef* bulkDef = bulkCount > 0 && !oldStyle ? m_ctx.macros.FindDefinition(stored) : nullptr;
    for (int k = 1; k <= bulkCount; ++k) {
        if (k == grade) continue;
        const double value = material.m_Bulk.m_dVar[k - 1];
        if (!oldStyle) {
            std::string symbol;
            if (bulkDef) symbol = bulkDef->FindParamValue(SymbolName(k));
            if (symbol == "xlam" && std::fabs(value) < 0.0001) continue;
            if (symbol.empty()) AfxMessageBox(kBulkSymbolMessage, MB_OK);
            appendSymbol("var_symbol%d", k, symbol);
        }
        AppendParam(line, StrFormat("var%d", k), FileNumber(value));
    }

    const std::string& storedActive = material.m_Active->m_strName;
    std::string active = storedActive;
    FromVoidMacroName(active);
    if (active != "void" && !storedActive.empty()) {
        AppendParam(line, "active_macro", WithoutOldStyle(active));
        const bool activeOldStyle = Contains(active, "_old_style");
        const int activeCount = std::min(materials.GetMacroParamCount("active", storedActive), 6);
        const CMacroDef* activeDef =
            activeCount > 0 && !activeOldStyle ? m_ctx.macros.FindDefinition(active) : nullptr;
        for (int k = 1; k <= activeCount; ++k) {
            const double value = material.m_Active->m_dVar[k - 1];
            if (!activeOldStyle) {
                std::string symbol;
                if (activeDef) symbol = activeDef->FindParamValue(SymbolName(k));
                if (symbol == "xlam" && std::fabs(value) < 0.0001) continue;
                if (symbol.empty()) AfxMessageBox(kActiveSymbolMessage, MB_OK);
                appendSymbol("avar_symbol%d", k, symbol);
            }
            AppendParam(line, StrFormat("avar%d", k), FileNumber(value));
        }
    }

    AppendParam(line, "solve_wave", layer.m_nSolveWave != 0 ? "yes" : "no");
    AppendParam(line, "embedded_structure", StrFormat("%d", layer.m_nEmbedded));
    if (layer.m_Doping.m_strKind == "n")
        AppendParam(line, "n_newdoping_index", StrFormat("%d", layer.m_Doping.m_nNNewDopingIndex));
    if (layer.m_Doping.m_strKind == "p")
        AppendParam(line, "p_newdoping_index", StrFormat("%d", layer.m_Doping.m_nPNewDopingIndex));
    return line;
}

CKeywordLine CLayerStatementWriter::FormatLayer(int row)
{
    const CZSegment& z = m_ctx.zsegs[m_nZSeg];
    const CLayerRec& reference = RowLayer(m_nReference, row);
    CKeywordLine line = NewStatement("layer");
    AppendParam(line, "d", FileNumberOfFloat(reference.m_fHeight));
    AppendParam(line, "n", StrFormat("%d", reference.m_Mesh.m_nMeshNum));
    AppendParam(line, "r", FileNumberOfFloat(reference.m_Mesh.m_fRatio));
    if (reference.m_Mesh.m_dShiftCenter != 0.0)
        AppendParam(line, "shift_center", FileNumber(reference.m_Mesh.m_dShiftCenter));

    auto width = [](float value) { return FileNumberOfFloat(value); };
    auto appendTrapezoid = [&](int c, const CLayerRec& layer) {
        AppendParam(line, StrFormat("upper_w%d", c + 1), width(layer.m_fUpperWidth));
        AppendParam(line, StrFormat("lower_w%d", c + 1), width(layer.m_fLowerWidth));
    };
    if (row == 0) {
        for (int c = 0; c < m_nColumns; ++c) {
            const CLayerRec& layer = RowLayer(c, 0);
            if (layer.m_fUpperWidth != layer.m_fLowerWidth) appendTrapezoid(c, layer);
        }
    } else {
        for (int c = 0; c < m_nColumns; ++c) {
            const CLayerRec& layer = RowLayer(c, row);
            const CLayerRec& below = RowLayer(c, row - 1);
            if (below.m_fUpperWidth != below.m_fLowerWidth && layer.m_fUpperWidth == layer.m_fLowerWidth)
                AppendParam(line, StrFormat("w%d", c + 1), width(layer.m_fLowerWidth));
        }
        for (int c = 0; c < m_nColumns; ++c) {
            const CLayerRec& layer = RowLayer(c, row);
            const CLayerRec& below = RowLayer(c, row - 1);
            const float base = ColumnBaseWidth(z.GetColumn(c));
            const bool atBase = layer.m_fUpperWidth == base && layer.m_fLowerWidth == base;
            if (!atBase && (below.m_fUpperWidth == below.m_fLowerWidth || layer.m_fUpperWidth != layer.m_fLowerWidth))
                appendTrapezoid(c, layer);
        }
    }

    for (int c = 0; c < m_nColumns; ++c) {
        const CLayerDoping& doping = RowLayer(c, row).m_Doping;
        if (doping.m_strKind == "none" || doping.m_strKind.empty()) continue;
        AppendParam(line, doping.m_strKind.substr(0, 1) + StrFormat("_doping%d", c + 1),
                    StrFormat("%4.2e", static_cast<double>(doping.m_fValue)));
    }
    if (m_nColumns > 0) {
        const CLayerRec& first = RowLayer(0, row);
        if (first.m_Doping.m_fGaussianTail != 0.001f)
            AppendParam(line, "gaussian_tail", FileNumberOfFloat(first.m_Doping.m_fGaussianTail));
        if (!first.m_Vcsel->m_strVcselType.empty()) AppendParam(line, "vcsel_type", first.m_Vcsel->m_strVcselType);
    }
    return line;
}
