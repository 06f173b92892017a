#include "textfiles/LayerStatementReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "model/UnsetValue.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/ContactMacroLines.h"
#include "textfiles/GratingStatements.h"
#include "textfiles/LabelStatements.h"
#include "textfiles/LayerComments.h"
#include "model/VoidMacroName.h"
#include "textfiles/MaterialStatements.h"
#include "textfiles/SideContactStatements.h"
#include "textfiles/VcselSectionStatements.h"

namespace {

// Number of contact statements of the keyword whose "column_num" names the column, for columns 1..columns
// (index column - 1), in one pass over the list.
std::vector<int> CountColumnContacts(const CKeywordLineList& lines, std::string_view keyword, int columns)
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(columns, 0)), 0);
    for (const CKeywordLine& line : lines.m_lines) {
        if (line.m_strKeyword != keyword) continue;
        const int column = AtoI(line.ParamValue("column_num"));
        if (column >= 1 && column <= columns) ++counts[static_cast<std::size_t>(column) - 1];
    }
    return counts;
}

// The names of a row statement's parameters that belong to one column (from 1), made once for
// every column a reader can meet instead of formatted for every layer.
struct ColumnParamNames {
    std::string doping;  // "_doping%d", a part of the name
    std::string upper;   // "upper_w%d"
    std::string lower;   // "lower_w%d"
    std::string width;   // "w%d"
};

const ColumnParamNames& NamesOfColumn(int column)
{
    static const std::vector<ColumnParamNames> names = [] {
        std::vector<ColumnParamNames> made(CLayerStatementReader::kMaxColumns + 1);
        for (int c = 1; c <= CLayerStatementReader::kMaxColumns; ++c)
            made[static_cast<std::size_t>(c)] = {StrFormat("_doping%d", c), StrFormat("upper_w%d", c),
                                                 StrFormat("lower_w%d", c), StrFormat("w%d", c)};
        return made;
    }();
    return names.at(static_cast<std::size_t>(column));
}

// The row statement's doping parameter of a column (from 1), such as "n_doping2"; null when there
// is none. The column number must end there: "n_doping12" is no doping of column 1.
const CKeywordParam* ColumnDopingParam(const CKeywordLine& statement, int column)
{
    const std::string& part = NamesOfColumn(column).doping;
    for (const CKeywordParam& param : statement.m_params) {
        const std::string& name = param.m_strName;
        for (std::size_t at = name.find(part); at != std::string::npos; at = name.find(part, at + 1)) {
            const std::size_t after = at + part.size();
            if (after == name.size() || name[after] < '0' || name[after] > '9') return &param;
        }
    }
    return nullptr;
}

// The layers of a file that name no active macro share one value of it.
CCopyOnWrite<CMacroParamSet> SharedActiveMacro(const CMacroParamSet& active)
{
    static const CCopyOnWrite<CMacroParamSet> kNone = [] {
        CMacroParamSet none;
        none.m_strName = "void";
        ToVoidMacroName(none.m_strName);  // as a statement without "active_macro" is read
        return CCopyOnWrite<CMacroParamSet>(none);
    }();
    // Compared bit for bit: a variable read as -0 is kept as it was read.
    if (active.m_strName == kNone->m_strName && std::memcmp(active.m_dVar, kNone->m_dVar, sizeof active.m_dVar) == 0)
        return kNone;
    return CCopyOnWrite<CMacroParamSet>(active);
}

// The layers of a file that are not graded share one value of their grading.
CCopyOnWrite<CLayerGrading> SharedGrading(const CLayerGrading& grading)
{
    static const CCopyOnWrite<CLayerGrading> kNone = [] {
        CLayerGrading none;
        none.m_strDirection = "+y";  // the direction a read gives every layer
        return CCopyOnWrite<CLayerGrading>(none);
    }();
    const CLayerGrading& none = *kNone;
    // Compared bit for bit: a bound read as -0 is kept as it was read.
    const bool same = grading.m_nGradeVar == none.m_nGradeVar && grading.m_strDirection == none.m_strDirection &&
                      std::memcmp(&grading.m_fGradeFrom, &none.m_fGradeFrom, sizeof(float)) == 0 &&
                      std::memcmp(&grading.m_fGradeTo, &none.m_fGradeTo, sizeof(float)) == 0;
    return same ? kNone : CCopyOnWrite<CLayerGrading>(grading);
}

bool HasEndAfterBegin(const CKeywordLineList& lines)
{
    const int begin = lines.FindNthLine("begin_layer", 1);
    if (begin < 0) return true;
    for (int i = begin + 1; i < lines.GetCount(); ++i)
        if (std::string_view(lines.GetKeyword(i)) == "end_layer") return true;
    return false;
}

}  // namespace

bool CLayerStatementReader::IsReadableStructure(const CKeywordLineList& lines, const std::vector<int>& materials)
{
    const int columns = lines.CountColumnLines();
    const int rows = lines.CountLayerLines();
    if (columns > kMaxColumns || rows > kMaxRows) return false;
    const std::vector<int> bottoms = CountColumnContacts(lines, "bottom_contact", columns);
    const std::vector<int> tops = CountColumnContacts(lines, "top_contact", columns);
    for (std::size_t k = 0; k < static_cast<std::size_t>(std::max(columns, 0)); ++k) {
        if (bottoms[k] > kMaxContactRanges || tops[k] > kMaxContactRanges) return false;
        // Materials of rows whose "layer" statement never came: the text was cut off.
        if (materials[k] > rows) return false;
    }
    return HasEndAfterBegin(lines);
}

int CLayerStatementReader::ReadLayerStatements(int nZSeg)
{
    CZSegment& z = m_ctx.zsegs[nZSeg];
    const int columns = m_ctx.lines.CountColumnLines();
    if (columns < 1) {
        z.SetColumnCount(0);
        return 0;
    }
    m_columnMaterials = m_ctx.lines.CountMacroLinesOfColumns(columns);
    if (!IsReadableStructure(m_ctx.lines, m_columnMaterials)) return 0;

    ReadContactMacroLines(m_ctx.lines);
    if (m_ctx.copyLines && m_ctx.copyLines != &m_ctx.lines) ReadContactMacroLines(*m_ctx.copyLines);

    z.SetColumnCount(columns);
    z.m_nColumnSlots = kMaxColumns;
    z.m_SideContacts.clear();
    const int rows = m_ctx.lines.CountLayerLines();
    z.m_nTotalXMesh = 0;
    z.m_nTotalYMesh = 0;
    z.m_strHeaderComment[0] = m_ctx.lines.GetFirstComment();
    z.m_strHeaderComment[1] = m_ctx.lines.GetHeaderComment();

    m_materLines.clear();
    m_layerLines.clear();
    m_contactLines[0].clear();
    m_contactLines[1].clear();
    for (int i = 0; i < m_ctx.lines.GetCount(); ++i) {
        // Compared as a view: a comparison with a text literal then needs no library call.
        const std::string_view keyword = m_ctx.lines.GetKeyword(i);
        if (keyword == "layer_mater") m_materLines.push_back(i);
        if (keyword == "layer") m_layerLines.push_back(i);
        if (keyword == "bottom_contact") m_contactLines[0].push_back(i);
        if (keyword == "top_contact") m_contactLines[1].push_back(i);
    }

    for (int k = 0; k < columns; ++k) ReadColumn(nZSeg, k, rows);

    // Rows beyond a column's layers in use are read like the others into this record and dropped.
    CLayerRec unused;
    for (int j = 0; j < rows; ++j) {
        auto cell = [&](int k) -> CLayerRec& {
            CColumnRec& column = z.Column(k);
            return column.HasRow(j) ? column.Layer(j) : unused;
        };
        for (int k = 0; k < columns; ++k) ReadLayerMaterial(cell(k), j * columns + k + 1);
        // The row's layers share one copy of the statement.
        const CCopyOnWrite<CKeywordLine> section = RowSectionStatement(j);
        const RowValues row = ReadRowValues(m_ctx.lines[m_layerLines[j]]);
        for (int k = 0; k < columns; ++k) {
            CLayerRec& layer = cell(k);
            layer.m_VcselStatement = section;
            ReadLayerGeometry(layer, z.GetColumn(k), section, row, j, k);
        }
    }

    CVcselSectionStatements(m_ctx).RebuildSectionList();
    CGratingStatements(m_ctx).ReadGratingCompos(nZSeg);
    CSideContactStatements sides(m_ctx);
    sides.ReadSideContacts(nZSeg);
    sides.LinkSideContactsToPrevious(nZSeg);
    CLabelStatements(m_ctx).ReadLabelPositions(nZSeg);
    sides.ReadRotation(nZSeg);
    CLayerComments(m_ctx).CollectComments(nZSeg);
    return 1;
}

CCopyOnWrite<CKeywordLine> CLayerStatementReader::RowSectionStatement(int row) const
{
    // The last "vcsel_section" statement between the row's "layer" statement and the one before;
    // the empty statement when there is none.
    const int from = row > 0 ? m_layerLines[row - 1] + 1 : 0;
    for (int i = m_layerLines[row] - 1; i >= from; --i)
        if (std::string_view(m_ctx.lines.GetKeyword(i)) == "vcsel_section")
            return CCopyOnWrite<CKeywordLine>(m_ctx.lines[i]);
    return {};
}

void CLayerStatementReader::ReadColumn(int nZSeg, int k, int layerCount)
{
    CColumnRec& column = m_ctx.zsegs[nZSeg].Column(k);
    const CKeywordLineList& lines = m_ctx.lines;
    column.m_nColumnIndex = k;
    column.SetLayerCount(CColumnRec::kMaxLayers);
    const int materials = m_columnMaterials[static_cast<std::size_t>(k)];
    column.SetLayersInUse(materials > 0 ? materials : layerCount);

    auto param = [&](const char* name) { return lines.GetNthLineParam("column", k + 1, name); };
    column.m_Size.m_fLowerWidth = static_cast<float>(AtoF(param("w")));
    column.m_Mesh.m_nMeshNum = AtoI(param("mesh_num"));
    column.m_Mesh.m_fRatio = static_cast<float>(AtoF(param("r")));
    column.m_Mesh.m_dShiftCenter = AtoF(param("shift_center"));
    column.m_Mesh.m_nExtraLow = AtoI(param("xp1"));
    column.m_Mesh.m_nExtraHigh = AtoI(param("xp2"));

    ReadContactRanges(nZSeg, k, true);
    ReadContactRanges(nZSeg, k, false);
}

void CLayerStatementReader::ReadContactRanges(int nZSeg, int k, bool bottom)
{
    CColumnContacts& contacts = m_ctx.zsegs[nZSeg].Column(k).m_Contacts;
    if (bottom)
        contacts.SetBottomCount(0);
    else
        contacts.SetTopCount(0);

    const CColumnContacts* previous = nullptr;
    if (nZSeg > 0 && k < static_cast<int>(m_ctx.zsegs[nZSeg - 1].GetColumnCount()))
        previous = &m_ctx.zsegs[nZSeg - 1].GetColumn(k).m_Contacts;

    // The column's statements in file order, from the list of the keyword's statements: a column
    // does not search the whole file.
    for (const int i : m_contactLines[bottom ? 0 : 1]) {
        const CKeywordLine& statement = m_ctx.lines[i];
        if (AtoI(statement.ParamValue("column_num")) != k + 1)
            continue;
        auto param = [&](const char* name) -> const std::string& { return statement.ParamValue(name); };
        CContactRange range;
        range.m_nContactNum = AtoI(param("contact_num"));
        range.m_fFrom = static_cast<float>(AtoF(param("from")));
        range.m_fTo = static_cast<float>(AtoF(param("to")));
        range.m_strType = param("contact_type");
        range.m_nLink = 0;
        range.m_dWorkFunction = AtoFOr(param("work_function"), kUnsetValue);
        range.m_dBarrier = AtoFOr(param("barrier"), kUnsetValue);
        const int index = bottom ? contacts.GetBottomCount() : contacts.GetTopCount();
        // Linked when the previous z-segment's same column has a range in use at this index with
        // the same contact number.
        if (previous) {
            const int previousCount = bottom ? previous->GetBottomCount() : previous->GetTopCount();
            if (index < previousCount) {
                const int number = bottom ? previous->Bottom(index).m_nContactNum : previous->Top(index).m_nContactNum;
                if (number == range.m_nContactNum) range.m_nLink = 1;
            }
        }
        if (bottom) {
            CBottomContact stored;
            static_cast<CContactRange&>(stored) = range;
            contacts.AddBottom(stored);
        } else {
            CTopContact stored;
            static_cast<CContactRange&>(stored) = range;
            contacts.AddTop(stored);
        }
    }
}

void CLayerStatementReader::ReadLayerMaterial(CLayerRec& layer, int n)
{
    const CKeywordLineList& lines = m_ctx.lines;
    const int index = n <= static_cast<int>(m_materLines.size()) ? m_materLines[n - 1] : -1;
    static const CKeywordLine kNone;
    const CKeywordLine& statement = index >= 0 ? lines[index] : kNone;
    auto param = [&](std::string_view name) -> const std::string& { return statement.ParamValue(name); };

    // The remark: the comment standing directly before the statement.
    layer.m_strMaterialComment.clear();
    if (index > 0 && StartsWith(lines.GetKeyword(index - 1), "$")) layer.m_strMaterialComment = lines.GetKeyword(index - 1);

    CMacroParamSet& bulk = layer.m_Material.m_Bulk;
    const std::string& name = param("macro_name");
    bulk.m_strName = name;
    ToVoidMacroName(bulk.m_strName);
    // Every variable, variable symbol and "grade_var" name holds "var": a statement without one,
    // as most are, has none of the variables looked up below.
    const bool namesVariables =
        std::any_of(statement.m_params.begin(), statement.m_params.end(),
                    [](const CKeywordParam& p) { return p.m_strName.find("var") != std::string::npos; });
    static const std::string kNotGiven;
    auto variable = [&](const std::string& varName) -> const std::string& {
        return namesVariables ? param(varName) : kNotGiven;
    };
    const bool contact = StartsWith(name, "contact");
    for (int v = 1; v <= 6; ++v) {
        const std::string& value = variable(VariableNames(false)[static_cast<std::size_t>(v - 1)]);
        bulk.m_dVar[v - 1] = contact && value.empty() ? kUnsetValue : AtoF(value);
    }
    if (namesVariables && ReadsAsOldStyle(statement, true))
        bulk.m_strName += "_old_style";
    else if (namesVariables)
        ReadVarSymbols(statement, name, bulk.m_dVar, true);
    // The simulator takes a macro other than the known insulators for one only when told so.
    const bool marked = param("insulator_macro") == "yes" && !CMaterialStatements::IsInsulatorMaterial(bulk.m_strName);
    layer.m_Material.m_strInsulatorFor = marked ? bulk.m_strName : std::string();

    CMacroParamSet active;
    const std::string& activeName = param("active_macro");
    active.m_strName = activeName.empty() ? "void" : activeName;
    ToVoidMacroName(active.m_strName);
    for (int v = 1; v <= 6; ++v) active.m_dVar[v - 1] = AtoF(variable(VariableNames(true)[static_cast<std::size_t>(v - 1)]));
    if (!activeName.empty() && namesVariables) {
        if (ReadsAsOldStyle(statement, false))
            active.m_strName += "_old_style";
        else
            ReadVarSymbols(statement, activeName, active.m_dVar, false);
    }
    layer.m_Material.m_Active = SharedActiveMacro(active);

    static const std::string kSolveWave = "solve_wave", kEmbedded = "embedded_structure";
    static const std::string kNDoping = "n_doping", kPDoping = "p_doping";
    const std::string& solveWave = param(kSolveWave);
    layer.m_nSolveWave = solveWave.empty() || solveWave == "yes" ? 1 : 0;
    const std::string& embedded = param(kEmbedded);
    layer.m_nEmbedded = embedded.empty() ? 0 : AtoI(embedded);
    CLayerDoping& doping = layer.m_Doping;
    doping.m_nNNewDopingIndex = AtoI(param("n_newdoping_index"));
    doping.m_nPNewDopingIndex = AtoI(param("p_newdoping_index"));

    doping.m_fValue = 0.0f;
    const std::string& nDoping = param(kNDoping);
    const std::string& pDoping = param(kPDoping);
    if (!nDoping.empty()) {
        doping.m_strKind = "n";
        doping.m_fValue = static_cast<float>(AtoF(nDoping));
    } else if (!pDoping.empty()) {
        doping.m_strKind = "p";
        doping.m_fValue = static_cast<float>(AtoF(pDoping));
    } else {
        doping.m_strKind = "none";
    }

    CLayerGrading grading;
    grading.m_nGradeVar = AtoI(param("grade_var"));
    grading.m_fGradeFrom = static_cast<float>(AtoF(param("grade_from")));
    grading.m_fGradeTo = static_cast<float>(AtoF(param("grade_to")));
    grading.m_strDirection = "+y";
    layer.m_Material.m_Grading = SharedGrading(grading);

    // The whole statement is kept, so that a save writes it back with its parameters.
    doping.m_strNewDoping.clear();
    if (index >= 0) {
        const int next = n < static_cast<int>(m_materLines.size()) ? m_materLines[n] : lines.GetCount();
        for (int i = index + 1; i < next; ++i) {
            if (lines.GetKeyword(i).compare(0, 10, "new_doping") == 0) {
                doping.m_strNewDoping = lines[i].FormatParams();
                break;
            }
        }
    }
}

bool CLayerStatementReader::ReadsAsOldStyle(const CKeywordLine& statement, bool bulk)
{
    // Variables but no symbols name an old-style macro. The test is on parts of names, so "avar1"
    // counts as "var1" too.
    // One pass over the parameters.
    static const std::string kGradeVar = "grade_var";
    const auto& vars = VariableNames(!bulk);
    const auto& symbols = VariableSymbolNames(!bulk);
    bool hasVar = false;
    for (const CKeywordParam& param : statement.m_params) {
        const std::string& name = param.m_strName;
        // Every variable, symbol and "grade_var" name holds "var": most names are passed at once.
        if (name.find("var") == std::string::npos) continue;
        for (const std::string& symbol : symbols)
            if (name.find(symbol) != std::string::npos) return false;
        if (hasVar) continue;
        if (bulk && name.find(kGradeVar) != std::string::npos) hasVar = true;
        for (std::size_t v = 0; v < vars.size() && !hasVar; ++v)
            if (name.find(vars[v]) != std::string::npos) hasVar = true;
    }
    return hasVar;
}

CLayerStatementReader::RowValues CLayerStatementReader::ReadRowValues(const CKeywordLine& statement)
{
    static const std::string kGaussianTail = "gaussian_tail";
    RowValues row;
    row.statement = &statement;
    row.height = static_cast<float>(AtoF(statement.ParamValue("d")));
    row.meshNum = AtoI(statement.ParamValue("n"));
    row.ratio = static_cast<float>(AtoF(statement.ParamValue("r")));
    row.extraLow = AtoI(statement.ParamValue("xp1"));
    row.extraHigh = AtoI(statement.ParamValue("xp2"));
    row.vcselType = &statement.ParamValue("vcsel_type");
    row.shiftCenter = AtoF(statement.ParamValue("shift_center"));
    const std::string& tail = statement.ParamValue(kGaussianTail);
    row.gaussianTail = tail.empty() ? 0.001f : static_cast<float>(AtoF(tail));
    return row;
}

void CLayerStatementReader::ReadLayerGeometry(CLayerRec& layer, const CColumnRec& column,
                                              const CKeywordLine& section, const RowValues& row, int j, int k)
{
    const CKeywordLine& statement = *row.statement;
    auto param = [&](std::string_view name) -> const std::string& { return statement.ParamValue(name); };
    const ColumnParamNames& names = NamesOfColumn(k + 1);

    layer.m_nColumn = k;
    layer.m_nRow = j;
    layer.m_fHeight = row.height;
    layer.m_Mesh.m_nMeshNum = row.meshNum;
    layer.m_Mesh.m_fRatio = row.ratio;
    layer.m_Mesh.m_nExtraLow = row.extraLow;
    layer.m_Mesh.m_nExtraHigh = row.extraHigh;

    // Most layers belong to no VCSEL section and keep the shared default block.
    if (!row.vcselType->empty()) {
        layer.m_Vcsel.Edit().m_strVcselType = *row.vcselType;
        CVcselSectionStatements::ReadLayerSection(section, layer);
    }

    layer.m_Mesh.m_dShiftCenter = row.shiftCenter;

    // The first parameter of that name is the one found: its value is the one a lookup by name gives.
    const CKeywordParam* doping = ColumnDopingParam(statement, k + 1);
    if (doping != nullptr) {
        layer.m_Doping.m_strKind = doping->m_strName.substr(0, 1);
        layer.m_Doping.m_fValue = static_cast<float>(AtoF(doping->m_strValue));
    }
    layer.m_Doping.m_fGaussianTail = row.gaussianTail;

    const float width = column.m_Size.m_fLowerWidth;
    layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = width;
    const std::string& upper = param(names.upper);
    if (!upper.empty()) {
        layer.m_fUpperWidth = static_cast<float>(AtoF(upper));
        m_bUpperWidthRead = true;
    }
    const std::string& lower = param(names.lower);
    if (!lower.empty()) layer.m_fLowerWidth = static_cast<float>(AtoF(lower));
    const std::string& own = param(names.width);
    if (!own.empty()) layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = static_cast<float>(AtoF(own));
}

void CLayerStatementReader::ReadVarSymbols(const CKeywordLine& line, const std::string& macroName, double vars[6],
                                           bool bulk)
{
    const auto& symbols = VariableSymbolNames(!bulk);
    // Without a symbol nothing moves: the macro is not looked up.
    bool anySymbol = false;
    for (std::size_t p = 0; p < symbols.size() && !anySymbol; ++p) anySymbol = !line.ParamValue(symbols[p]).empty();
    if (!anySymbol) return;
    double saved[6];
    std::copy(vars, vars + 6, saved);
    CMacroDef def;
    if (!m_ctx.macros.Find(macroName, def)) def = CMacroDef();
    for (int p = 1; p <= 6; ++p) {
        const std::string& symbol = line.ParamValue(symbols[static_cast<std::size_t>(p - 1)]);
        if (symbol.empty()) continue;
        for (int q = 1; q <= 6; ++q) {
            if (def.FindParamValue(VariableSymbolNames(false)[static_cast<std::size_t>(q - 1)]) == symbol) {
                vars[q - 1] = saved[p - 1];
                break;
            }
        }
    }
}
