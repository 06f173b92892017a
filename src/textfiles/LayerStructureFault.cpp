#include "textfiles/LayerStructureFault.h"

#include "platform/NumberText.h"
#include "textfiles/LayerStatementReader.h"

#include <vector>

namespace {

// The contact statements of the keyword per column (1..columns, index column - 1).
std::vector<int> CountContacts(const CKeywordLineList& lines, const char* keyword, int columns)
{
    std::vector<int> counts(static_cast<std::size_t>(columns), 0);
    for (const CKeywordLine& line : lines.m_lines) {
        if (line.m_strKeyword != keyword)
            continue;
        const int column = AtoI(line.GetParam("column_num"));
        if (column >= 1 && column <= columns)
            ++counts[static_cast<std::size_t>(column) - 1];
    }
    return counts;
}

bool HasEndAfterBegin(const CKeywordLineList& lines)
{
    const int begin = lines.FindNthLine("begin_layer", 1);
    if (begin < 0)
        return true;
    for (int i = begin + 1; i < lines.GetCount(); ++i)
        if (lines.GetKeyword(i) == "end_layer")
            return true;
    return false;
}

}  // namespace

std::string DescribeLayerStructureFault(const CKeywordLineList& lines)
{
    const int columns = lines.CountColumnLines();
    const int rows = lines.CountLayerLines();
    if (columns < 1)
        return "it has no column statement.";
    if (columns > CLayerStatementReader::kMaxColumns)
        return StrFormat("it has %d columns; at most %d are read.", columns, CLayerStatementReader::kMaxColumns);
    if (rows > CLayerStatementReader::kMaxRows)
        return StrFormat("it has %d layer statements; at most %d are read.", rows, CLayerStatementReader::kMaxRows);
    const std::vector<int> materials = lines.CountMacroLinesOfColumns(columns);
    const std::vector<int> bottoms = CountContacts(lines, "bottom_contact", columns);
    const std::vector<int> tops = CountContacts(lines, "top_contact", columns);
    const int most = CLayerStatementReader::kMaxContactRanges;
    for (int k = 0; k < columns; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        if (bottoms[i] > most || tops[i] > most)
            return StrFormat("column %d has more than %d %s contacts.", k + 1, most,
                             bottoms[i] > most ? "bottom" : "top");
        if (materials[i] > rows)
            return StrFormat("column %d has %d layer_mater statements but there are only %d layer statements; "
                             "the file may be cut off.",
                             k + 1, materials[i], rows);
    }
    if (!HasEndAfterBegin(lines))
        return "begin_layer has no end_layer after it; the file may be cut off.";
    return std::string();
}

std::string LayerDataErrorText(const std::string& path, const CKeywordLineList& lines)
{
    const std::string fault = DescribeLayerStructureFault(lines);
    return "File data error!\n" + path + (fault.empty() ? std::string() : ": " + fault);
}
