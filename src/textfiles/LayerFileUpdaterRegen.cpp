// Statements regenerated on every save: the rotation angle, side contacts, label positions and
// VCSEL sections put back after the statements they belong to, and the per-column doping moved from
// the "layer" statements into the material statements.

#include "textfiles/LayerFileUpdater.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdaterText.h"

#include <unordered_map>

using namespace layer_updater;

bool CLayerFileUpdater::GetRotation(const CKeywordLineList& list, double& angle)
{
    for (const CKeywordLine& line : list.m_lines)
        if (IsKeyword(line.m_strKeyword, "rotation")) {
            angle = AtoF(line.GetParam("angle"));
            return true;
        }
    return false;
}

void CLayerFileUpdater::UpdateRotation(CKeywordLineList& old, double angle)
{
    for (int i = 0; i < old.GetCount(); ++i) {
        CKeywordLine& r = old[i];
        if (!IsKeyword(r.m_strKeyword, "rotation"))
            continue;
        const std::string before = r.GetParam("angle");
        const std::string written = StrFormat("%.2f", angle);
        r.SetParam("angle", written, true);
        r.Parse(r.FormatParams());
        // An included file is copied as it is: a new angle in it must go into the saved file.
        if (r.m_nSource > 0 && StrFormat("%.2f", AtoF(before)) != written)
            InlineUnitOfOldLine(old, i);
        return;
    }
    CKeywordLine line;
    const std::string value = StrFormat("%f", angle);
    line.Parse("rotation angle=" + value);
    for (int i = 0; i < old.GetCount(); ++i) {
        if (!Contains(old[i].m_strKeyword, "begin"))
            continue;
        // The new statement belongs to the saved file: a block that would hold it is given up.
        InlineUnitOfOldLine(old, i);
        CKeywordLineList one;
        one.Append(line);
        old.InsertLines(i + 1, one);
        ++i;
    }
}

void CLayerFileUpdater::InlineIncludesOnColumnChange(CKeywordLineList& old, CKeywordLineList& fresh)
{
    if (old.FindNthLine("begin_layer", 1) < 0)
        return;
    if (old.CountColumnLines() == fresh.CountColumnLines())
        return;
    for (CKeywordLine& line : old.m_lines)
        if (line.m_nSource > 0)
            line.m_nSource = 0;
    for (CKeywordLine& line : fresh.m_lines)
        if (line.m_nSource > 0)
            line.m_nSource = 0;
}

namespace {

bool StartsWithAny(const std::string& text, const char* const* prefixes, int count)
{
    for (int i = 0; i < count; ++i)
        if (StartsWith(text, prefixes[i]))
            return true;
    return false;
}

// Whether the statement's text, trimmed of white space, begins with the prefix.
bool TrimmedStartsWith(const CKeywordLine& line, const char* prefix)
{
    const std::string& text = line.m_strText;
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start]))
        ++start;
    return text.compare(start, std::char_traits<char>::length(prefix), prefix) == 0;
}

CKeywordLine ParsedCopy(const CKeywordLine& line)
{
    CKeywordLine copy = line;
    copy.Parse(line.m_strText);
    return copy;
}

int ColumnNumberOf(const CKeywordLine& line)
{
    std::string value = line.GetParam("column_num");
    return AtoI(value.empty() ? "1" : value);
}

}  // namespace

// Places each fresh statement for which isPlaced is true after the result statement that stands for
// the same layer: layers are counted over "layer" statements and the layers of included files.
template <class Test>
void CLayerFileUpdater::PlaceAfterAnchors(const CKeywordLineList& fresh, CKeywordLineList& result, Test isPlaced,
                                          const char* const* skipPrefixes, int skipCount)
{
    int k = -1;
    // k never falls, and what is inserted counts no layer: each search can start at the anchor the
    // previous one found, with the count it had there, instead of at the top of the result.
    int resumeAt = 0;
    int resumeCount = -1;
    for (const CKeywordLine& f : fresh.m_lines) {
        if (IsKeyword(f.m_strKeyword, "layer")) {
            ++k;
            continue;
        }
        if (IsKeyword(f.m_strKeyword, "include")) {
            k += CountLayersInInclude(f);
            continue;
        }
        if (!isPlaced(f))
            continue;
        CKeywordLine placed = f;
        RebuildLineText(placed);
        int r = resumeCount;
        for (int i = resumeAt; i < result.GetCount(); ++i) {
            const int countBefore = r;
            if (TrimmedStartsWith(result[i], "layer "))
                ++r;
            else if (TrimmedStartsWith(result[i], "include "))
                r += CountLayersInInclude(ParsedCopy(result[i]));
            else
                continue;
            int e = i;
            while (e + 1 < result.GetCount() && StartsWithAny(result[e + 1].m_strText, skipPrefixes, skipCount))
                ++e;
            if (r == k) {
                CKeywordLineList one;
                one.Append(placed);
                result.InsertLines(e + 1, one);
                resumeAt = i;
                resumeCount = countBefore;
                break;
            }
            i = e;
        }
    }
}

void CLayerFileUpdater::PlaceSideContacts(const CKeywordLineList& fresh, CKeywordLineList& result)
{
    static const char* const skip[] = {"left_contact ", "right_contact "};
    PlaceAfterAnchors(
        fresh, result,
        [](const CKeywordLine& f) { return IsKeyword(f.m_strKeyword, "left_contact") || IsKeyword(f.m_strKeyword, "right_contact"); },
        skip, 2);
}

void CLayerFileUpdater::PlaceLayerPositions(const CKeywordLineList& fresh, CKeywordLineList& result)
{
    static const char* const skip[] = {"layer_position "};
    PlaceAfterAnchors(
        fresh, result, [](const CKeywordLine& f) { return IsKeyword(f.m_strKeyword, "layer_position"); }, skip, 1);
}

void CLayerFileUpdater::PlaceColumnPositions(const CKeywordLineList& fresh, CKeywordLineList& result)
{
    int c = -1;
    for (const CKeywordLine& f : fresh.m_lines) {
        if (IsKeyword(f.m_strKeyword, "column")) {
            c = ColumnNumberOf(f);
            continue;
        }
        if (!IsKeyword(f.m_strKeyword, "column_position"))
            continue;
        CKeywordLine placed = f;
        RebuildLineText(placed);
        for (int i = 0; i < result.GetCount(); ++i) {
            if (!TrimmedStartsWith(result[i], "column ") || ColumnNumberOf(ParsedCopy(result[i])) != c)
                continue;
            int e = i;
            while (e + 1 < result.GetCount() && StartsWith(result[e + 1].m_strText, "column_position "))
                ++e;
            CKeywordLineList one;
            one.Append(placed);
            result.InsertLines(e + 1, one);
            break;
        }
    }
}

void CLayerFileUpdater::UpdateVcselSections(const CKeywordLineList& fresh, CKeywordLineList& result)
{
    // Every statement is parsed again from its own text, trimmed.
    for (CKeywordLine& line : result.m_lines)
        ParseResultStatement(line);
    RemoveVcselSectionLines(result);

    int k = 0;
    for (const CKeywordLine& f : fresh.m_lines) {
        if (IsKeyword(f.m_strKeyword, "layer")) {
            ++k;
            continue;
        }
        if (!EqualsNoCase(f.m_strKeyword, "vcsel_section"))
            continue;
        CKeywordLine placed = f;
        RebuildLineText(placed);
        // m counts the layers that stand before each result statement, those of kept include files
        // among them, so that a section finds its own layer behind an include.
        int m = 0;
        for (int j = 0; j < result.GetCount(); ++j) {
            if (IsKeyword(result[j].m_strKeyword, "layer"))
                ++m;
            else if (IsKeyword(result[j].m_strKeyword, "include"))
                m += CountLayersInInclude(result[j]);
            if (m != k)
                continue;
            int target = -1;
            for (int t = j; t < result.GetCount() && target < 0; ++t)
                if (IsKeyword(result[t].m_strKeyword, "layer_mater"))
                    target = t;
            if (target >= 0) {
                CKeywordLineList one;
                one.Append(placed);
                result.InsertLines(target, one);
            }
            break;
        }
    }
}

void CLayerFileUpdater::UpdateDopingParams(CKeywordLineList& list)
{
    std::vector<int> layers;  // the "layer" statements, in order
    for (int i = 0; i < list.GetCount(); ++i)
        if (IsKeyword(list[i].m_strKeyword, "layer"))
            layers.push_back(i);
    int c = 1;
    std::string name;  // "n_doping<column>", made in one buffer for every material statement
    // The text of each doping parameter, by kind and value: a device has a few doping values,
    // each written into many statements.
    std::unordered_map<std::string, std::string> texts[2];
    for (CKeywordLine& s : list.m_lines) {
        if (IsKeyword(s.m_strKeyword, "layer")) {
            ++c;
            continue;
        }
        if (!IsKeyword(s.m_strKeyword, "layer_mater") || c > static_cast<int>(layers.size()))
            continue;
        const CKeywordLine& layer = list[layers[static_cast<std::size_t>(c - 1)]];
        for (int k = 0; k < 2; ++k) {
            const char* const kind = k == 0 ? "n_doping" : "p_doping";
            // The column is read again for each kind: the statement changes only once found.
            name.assign(kind);
            name += s.ParamValue("column_num");
            const std::string& value = layer.ParamValue(name);
            if (value.empty())
                continue;
            CKeywordParam param(kind, value);
            auto text = texts[k].find(value);
            if (text == texts[k].end())
                text = texts[k].emplace(value, param.GetText(ParamTextForm::asRead)).first;
            s.AppendParamWrapped(std::move(param), text->second);
            break;
        }
    }
    RemoveNumberedLayerDopings(list);
}

namespace {

constexpr int kMaxDopingColumn = 100;

// 1..kMaxDopingColumn for a name "n_doping<i>" (kind 0) or "p_doping<i>" (kind 1) written as "%d"
// writes i; 0 for any other name.
int NumberedDopingColumn(const std::string& name, int& kind)
{
    if (name.size() < 9 || name.size() > 11 || name.compare(1, 7, "_doping") != 0)
        return 0;
    if (name[0] != 'n' && name[0] != 'p')
        return 0;
    kind = name[0] == 'n' ? 0 : 1;
    if (name[8] == '0')
        return 0;
    int number = 0;
    for (std::size_t i = 8; i < name.size(); ++i) {
        if (!IsDigitChar(name[i]))
            return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number <= kMaxDopingColumn ? number : 0;
}

}  // namespace

void CLayerFileUpdater::RemoveNumberedLayerDopings(CKeywordLineList& list)
{
    // Column by column from 1, the first "n_doping<i>" and the first "p_doping<i>" of every "layer"
    // statement go, up to the first column no "layer" statement names. Each name is looked at in
    // its own column's turn only, so one pass finds which columns are named and a second removes.
    std::vector<bool> named(kMaxDopingColumn + 2, false);
    for (const CKeywordLine& line : list.m_lines) {
        if (!IsKeyword(line.m_strKeyword, "layer"))
            continue;
        for (const CKeywordParam& param : line.m_params) {
            int kind = 0;
            named[static_cast<std::size_t>(NumberedDopingColumn(param.m_strName, kind))] = true;
        }
    }
    int end = 1;  // one past the last column removed
    while (end <= kMaxDopingColumn && named[static_cast<std::size_t>(end)])
        ++end;
    if (end == 1)
        return;
    std::vector<bool> remove;
    std::vector<char> taken;
    for (CKeywordLine& line : list.m_lines) {
        if (!IsKeyword(line.m_strKeyword, "layer"))
            continue;
        remove.assign(line.m_params.size(), false);
        taken.assign(2 * static_cast<std::size_t>(end), 0);
        bool any = false;
        for (std::size_t k = 0; k < line.m_params.size(); ++k) {
            int kind = 0;
            const int column = NumberedDopingColumn(line.m_params[k].m_strName, kind);
            if (column == 0 || column >= end)
                continue;
            char& first = taken[2 * static_cast<std::size_t>(column) + static_cast<std::size_t>(kind)];
            if (first)
                continue;
            first = 1;
            remove[k] = true;
            any = true;
        }
        if (any)
            line.RemoveFlaggedParams(remove);
    }
}
