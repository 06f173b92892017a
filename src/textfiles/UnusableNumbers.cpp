#include "textfiles/UnusableNumbers.h"

#include "model/LayerFileIndex.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileIndexReader.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

enum class ValueKind { other, number, size };

// The statements whose parameters the reader takes as numbers.
enum class StatementKind { other, column, layer, layerMater, contact };

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return name == n; });
}

// name is prefix followed by a column number ("w3", "upper_w12").
bool IsColumnParam(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// A row's doping of one column: "n_doping2", "p_doping1".
bool IsColumnDoping(const std::string& name)
{
    const std::size_t at = name.find("_doping");
    return at != std::string::npos && IsColumnParam(std::string_view(name).substr(at), "_doping");
}

StatementKind KindOfStatement(const std::string& keyword)
{
    if (keyword == std::string_view("column"))
        return StatementKind::column;
    if (keyword == std::string_view("layer"))
        return StatementKind::layer;
    if (keyword == std::string_view("layer_mater"))
        return StatementKind::layerMater;
    if (keyword == std::string_view("bottom_contact") || keyword == std::string_view("top_contact"))
        return StatementKind::contact;
    return StatementKind::other;
}

// How the reader takes the parameter of a statement: as a size, as another number, or not as a
// number at all.
ValueKind KindOf(StatementKind statement, const std::string& name)
{
    switch (statement) {
    case StatementKind::column:
        if (name == std::string_view("w"))
            return ValueKind::size;
        return IsOneOf(name, {"mesh_num", "r", "shift_center", "xp1", "xp2"}) ? ValueKind::number : ValueKind::other;
    case StatementKind::layer:
        if (name == std::string_view("d") || IsColumnParam(name, "w"))
            return ValueKind::size;
        if (IsOneOf(name, {"n", "r", "shift_center", "xp1", "xp2", "gaussian_tail"}) ||
            IsColumnParam(name, "upper_w") || IsColumnParam(name, "lower_w") || IsColumnDoping(name))
            return ValueKind::number;
        return ValueKind::other;
    case StatementKind::layerMater:
        if (IsColumnParam(name, "var") || IsColumnParam(name, "avar"))
            return ValueKind::number;
        return IsOneOf(name, {"grade_var", "grade_from", "grade_to", "n_doping", "p_doping", "n_newdoping_index",
                              "p_newdoping_index", "embedded_structure"})
                   ? ValueKind::number
                   : ValueKind::other;
    case StatementKind::contact:
        return IsOneOf(name, {"contact_num", "from", "to", "barrier", "work_function"}) ? ValueKind::number
                                                                                       : ValueKind::other;
    case StatementKind::other:
        break;
    }
    return ValueKind::other;
}

// Why the value cannot be used; "" when it can.
std::string ReasonFor(ValueKind kind, const std::string& text)
{
    std::size_t consumed = 0;
    const double value = StrToD(text, &consumed);
    if (consumed == 0)
        return "not a number, read as 0";
    if (kind == ValueKind::size && static_cast<float>(value) < CUnusableNumbers::kLeastSize)
        return "less than 0.00001";
    return std::string();
}

// The physical line (from 1) of a statement whose raw text starts at line start (from 0): past the
// blank lines the raw text begins with.
int OwnLine(const std::string& raw, int start)
{
    const std::size_t first = raw.find_first_not_of(" \t\r\n");
    const std::string blanks = raw.substr(0, first == std::string::npos ? raw.size() : first);
    return start + static_cast<int>(std::count(blanks.begin(), blanks.end(), '\n')) + 1;
}

}  // namespace

void CUnusableNumbers::Collect(const CKeywordLineList& lines, const std::string& path)
{
    std::vector<std::pair<int, CUnusableNumber>> found;  // statement index, value
    for (int i = 0; i < lines.GetCount(); ++i) {
        const CKeywordLine& line = lines[i];
        const StatementKind statement = KindOfStatement(line.m_strKeyword);
        if (statement == StatementKind::other)
            continue;
        for (const CKeywordParam& param : line.m_params) {
            const ValueKind kind = KindOf(statement, param.m_strName);
            // An empty value is a parameter left out: the reader has its default for it.
            if (kind == ValueKind::other || param.m_strValue.empty())
                continue;
            std::string reason = ReasonFor(kind, param.m_strValue);
            if (!reason.empty())
                found.push_back({i, CUnusableNumber{path, 0, param.m_strName, param.m_strValue, std::move(reason)}});
        }
    }
    if (found.empty())
        return;

    // The same statements read again with their files and lines; the loaded list has no include
    // statements, the index keeps them.
    CLayerFileIndex index;
    CLayerFileIndexReader reader(index);
    std::vector<int> places;
    if (reader.Load(path, 0))
        for (int k = 0; k < index.m_Lines.GetCount(); ++k)
            if (index.m_Lines.GetKeyword(k) != "include")
                places.push_back(k);
    const bool placesKnown = static_cast<int>(places.size()) == lines.GetCount();
    for (auto& [statement, value] : found) {
        if (placesKnown) {
            const std::size_t k = static_cast<std::size_t>(places[static_cast<std::size_t>(statement)]);
            value.m_strFile = index.m_LineFiles[k];
            value.m_nLine = OwnLine(index.m_Lines[static_cast<int>(k)].GetText(), index.m_LineStarts[k]);
        }
        m_Values.push_back(std::move(value));
    }
}

std::string CUnusableNumbers::Report() const
{
    std::string text = "Some values cannot be used as numbers:";
    const int count = static_cast<int>(m_Values.size());
    for (int i = 0; i < count && i < kMostReported; ++i) {
        const CUnusableNumber& value = m_Values[static_cast<std::size_t>(i)];
        text += "\n" + value.m_strFile;
        if (value.m_nLine > 0)
            text += ", line " + std::to_string(value.m_nLine);
        text += ": " + value.m_strParam + "=" + value.m_strText + " (" + value.m_strReason + ")";
    }
    if (count > kMostReported)
        text += "\nand " + std::to_string(count - kMostReported) + " more.";
    return text;
}
