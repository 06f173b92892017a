#include "textfiles/LayerStatementWriter.h"

#include <cmath>
#include <cstdint>
#include <cstring>

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

// "var_symbol<k>": the name under which a macro definition gives the symbol of its variable k.
std::string SymbolName(int k)
{
    if (k < 1 || k > 6)
        return NumberedName("var_symbol", k);
    return VariableSymbolNames(false)[static_cast<std::size_t>(k - 1)];
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

// A doping as "%4.2e" writes it: the field width reaches only the texts of infinity and NaN.
std::string DopingText(float value)
{
    const double number = value;
    return std::isfinite(number) ? ScientificText(number, 2) : StrFormat("%4.2e", number);
}

bool IsTrapezoid(const CLayerRec& layer) { return layer.m_fUpperWidth != layer.m_fLowerWidth; }

bool IsDoped(const CLayerDoping& doping) { return doping.m_strKind != "none" && !doping.m_strKind.empty(); }

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
    AppendNewParam(rotation, "angle", FixedText(z.GetAngle(), 6));
    m_ctx.lines.Append(std::move(rotation));

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

void CLayerStatementWriter::AppendStatements(std::vector<CKeywordLine>& statements)
{
    for (CKeywordLine& line : statements) m_ctx.lines.Append(std::move(line));
}

void CLayerStatementWriter::AppendSeparator()
{
    m_ctx.lines.Append(NewStatement("$"));
}

CKeywordLine CLayerStatementWriter::FormatColumn(const CColumnRec& column, int k) const
{
    const bool shifted = column.m_Mesh.m_dShiftCenter != 0.0;
    CKeywordLine line = NewStatement("column", shifted ? 5 : 4);
    AppendNewParam(line, "column_num", std::to_string(k + 1));
    AppendNewParam(line, "w", FileNumberOfFloat(ColumnBaseWidth(column)));
    AppendNewParam(line, "mesh_num", std::to_string(column.m_Mesh.m_nMeshNum));
    AppendNewParam(line, "r", FileNumberOfFloat(column.m_Mesh.m_fRatio));
    if (shifted)
        AppendNewParam(line, "shift_center", FileNumber(column.m_Mesh.m_dShiftCenter));
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
            CKeywordLine line = NewStatement(bottom ? "bottom_contact" : "top_contact", 7);
            AppendNewParam(line, "column_num", std::to_string(k + 1));
            AppendContactParams(line, range.m_fFrom, range.m_fTo, range.m_nContactNum, range.m_strType,
                                range.m_dBarrier, range.m_dWorkFunction);
            m_ctx.lines.Append(std::move(line));
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

const std::string& CLayerStatementWriter::VariableText(bool active, int k, double value)
{
    CNumberText& last = m_variableTexts[static_cast<std::size_t>((active ? 6 : 0) + k)];
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if (last.text.empty() || bits != last.bits) {
        last.text = FileNumber(value);
        last.bits = bits;
    }
    return last.text;
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
    const int grade = material.m_Grading->m_nGradeVar;

    CMaterialStatements materials(m_ctx);
    // A layer holds six variables of each macro.
    const int bulkCount = std::min(materials.GetMacroParamCount("bulk", stored), 6);
    const std::string& storedActive = material.m_Active->m_strName;
    std::string active = storedActive;
    FromVoidMacroName(active);
    const bool hasActive = active != "void" && !storedActive.empty();
    const int activeCount = hasActive ? std::min(materials.GetMacroParamCount("active", storedActive), 6) : 0;

    // Room for the most the statement can get: macro_name, insulator_macro, column_num, the four
    // of a grading, a symbol and a value per variable, active_macro, solve_wave,
    // embedded_structure and a new-doping index.
    const int most = 7 + (grade != 0 ? 4 : 0) + 2 * std::max(bulkCount, 0) +
                     (hasActive ? 1 + 2 * std::max(activeCount, 0) : 0);
    CKeywordLine line = NewStatement("layer_mater", static_cast<std::size_t>(most));
    AppendNewParam(line, "macro_name", name);
    if (CMaterialStatements::IsInsulatorMaterial(stored) || material.IsMarkedInsulator())
        AppendNewParam(line, "insulator_macro", "yes");
    AppendNewParam(line, "column_num", std::to_string(column + 1));
    // A symbol the macro list cannot give is reported and left out: an empty value would make the
    // file's next parameter part of this one when it is read again.
    auto appendSymbol = [&](const char* prefix, int k, const std::string& symbol) {
        if (!symbol.empty()) AppendNewParam(line, NumberedName(prefix, k), symbol);
    };
    if (grade != 0) {
        if (!oldStyle) appendSymbol("var_symbol", grade, LookUpSymbol(stored, grade, kBulkSymbolMessage));
        AppendNewParam(line, "grade_var", std::to_string(grade));
        AppendNewParam(line, "grade_from", FileNumberOfFloat(material.m_Grading->m_fGradeFrom));
        AppendNewParam(line, "grade_to", FileNumberOfFloat(material.m_Grading->m_fGradeTo));
    }
    const CMacroDef* bulkDef = bulkCount > 0 && !oldStyle ? m_ctx.macros.FindDefinition(stored) : nullptr;
    for (int k = 1; k <= bulkCount; ++k) {
        if (k == grade) continue;
        const double value = material.m_Bulk.m_dVar[k - 1];
        if (!oldStyle) {
            std::string symbol;
            if (bulkDef) symbol = bulkDef->FindParamValue(SymbolName(k));
            if (symbol == "xlam" && std::fabs(value) < 0.0001) continue;
            if (symbol.empty()) AfxMessageBox(kBulkSymbolMessage, MB_OK);
            appendSymbol("var_symbol", k, symbol);
        }
        AppendNewParam(line, NumberedName("var", k), VariableText(false, k - 1, value));
    }

    if (hasActive) {
        AppendNewParam(line, "active_macro", WithoutOldStyle(active));
        const bool activeOldStyle = Contains(active, "_old_style");
        const CMacroDef* activeDef =
            activeCount > 0 && !activeOldStyle ? m_ctx.macros.FindDefinition(active) : nullptr;
        for (int k = 1; k <= activeCount; ++k) {
            const double value = material.m_Active->m_dVar[k - 1];
            if (!activeOldStyle) {
                std::string symbol;
                if (activeDef) symbol = activeDef->FindParamValue(SymbolName(k));
                if (symbol == "xlam" && std::fabs(value) < 0.0001) continue;
                if (symbol.empty()) AfxMessageBox(kActiveSymbolMessage, MB_OK);
                appendSymbol("avar_symbol", k, symbol);
            }
            AppendNewParam(line, NumberedName("avar", k), VariableText(true, k - 1, value));
        }
    }

    AppendNewParam(line, "solve_wave", layer.m_nSolveWave != 0 ? "yes" : "no");
    AppendNewParam(line, "embedded_structure", std::to_string(layer.m_nEmbedded));
    if (layer.m_Doping.m_strKind == "n")
        AppendNewParam(line, "n_newdoping_index", std::to_string(layer.m_Doping.m_nNNewDopingIndex));
    if (layer.m_Doping.m_strKind == "p")
        AppendNewParam(line, "p_newdoping_index", std::to_string(layer.m_Doping.m_nPNewDopingIndex));
    return line;
}

CLayerStatementWriter::WidthForm CLayerStatementWriter::RowWidthForm(int column, int row) const
{
    const CLayerRec& layer = RowLayer(column, row);
    if (row == 0)
        return IsTrapezoid(layer) ? WidthForm::trapezoid : WidthForm::none;
    const CLayerRec& below = RowLayer(column, row - 1);
    // A rectangle on a trapezoid gives its one width; a layer away from the column's base width
    // gives both unless it is a rectangle on a rectangle. The two exclude each other.
    if (IsTrapezoid(below) && !IsTrapezoid(layer))
        return WidthForm::single;
    const float base = ColumnBaseWidth(m_ctx.zsegs[m_nZSeg].GetColumn(column));
    const bool atBase = layer.m_fUpperWidth == base && layer.m_fLowerWidth == base;
    if (!atBase && (!IsTrapezoid(below) || IsTrapezoid(layer)))
        return WidthForm::trapezoid;
    return WidthForm::none;
}

CKeywordLine CLayerStatementWriter::FormatLayer(int row)
{
    const CLayerRec& reference = RowLayer(m_nReference, row);
    const bool shifted = reference.m_Mesh.m_dShiftCenter != 0.0;
    const CLayerRec* first = m_nColumns > 0 ? &RowLayer(0, row) : nullptr;
    const bool tail = first && first->m_Doping.m_fGaussianTail != 0.001f;
    const bool vcsel = first && !first->m_Vcsel->m_strVcselType.empty();

    // The statement gets exactly the room it takes: the widths and dopings are decided first.
    m_widthForms.resize(static_cast<std::size_t>(m_nColumns));
    std::size_t count = 3 + (shifted ? 1 : 0) + (tail ? 1 : 0) + (vcsel ? 1 : 0);
    for (int c = 0; c < m_nColumns; ++c) {
        const WidthForm form = RowWidthForm(c, row);
        m_widthForms[static_cast<std::size_t>(c)] = form;
        count += form == WidthForm::trapezoid ? 2 : form == WidthForm::single ? 1 : 0;
        count += IsDoped(RowLayer(c, row).m_Doping) ? 1 : 0;
    }

    CKeywordLine line = NewStatement("layer", count);
    AppendNewParam(line, "d", FileNumberOfFloat(reference.m_fHeight));
    AppendNewParam(line, "n", std::to_string(reference.m_Mesh.m_nMeshNum));
    AppendNewParam(line, "r", FileNumberOfFloat(reference.m_Mesh.m_fRatio));
    if (shifted)
        AppendNewParam(line, "shift_center", FileNumber(reference.m_Mesh.m_dShiftCenter));

    // The single widths of all columns come before the trapezoids.
    for (int c = 0; c < m_nColumns; ++c) {
        if (m_widthForms[static_cast<std::size_t>(c)] == WidthForm::single)
            AppendNewParam(line, NumberedName("w", c + 1), FileNumberOfFloat(RowLayer(c, row).m_fLowerWidth));
    }
    for (int c = 0; c < m_nColumns; ++c) {
        if (m_widthForms[static_cast<std::size_t>(c)] != WidthForm::trapezoid)
            continue;
        const CLayerRec& layer = RowLayer(c, row);
        AppendNewParam(line, NumberedName("upper_w", c + 1), FileNumberOfFloat(layer.m_fUpperWidth));
        AppendNewParam(line, NumberedName("lower_w", c + 1), FileNumberOfFloat(layer.m_fLowerWidth));
    }

    // The columns of a row mostly share its doping: a value's text is made once for a run of them.
    // The bits are compared, so that -0 keeps its own text.
    std::uint32_t textBits = 0;
    std::string text;
    for (int c = 0; c < m_nColumns; ++c) {
        const CLayerDoping& doping = RowLayer(c, row).m_Doping;
        if (!IsDoped(doping)) continue;
        std::uint32_t bits = 0;
        std::memcpy(&bits, &doping.m_fValue, sizeof bits);
        if (text.empty() || bits != textBits) {
            text = DopingText(doping.m_fValue);
            textBits = bits;
        }
        AppendNewParam(line, NumberedName(doping.m_strKind.substr(0, 1) + "_doping", c + 1), text);
    }
    if (tail)
        AppendNewParam(line, "gaussian_tail", FileNumberOfFloat(first->m_Doping.m_fGaussianTail));
    if (vcsel)
        AppendNewParam(line, "vcsel_type", first->m_Vcsel->m_strVcselType);
    return line;
}
