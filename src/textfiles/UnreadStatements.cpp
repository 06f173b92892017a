#include "textfiles/UnreadStatements.h"

#include "platform/NumberText.h"
#include "textfiles/LabelStatements.h"

#include <string_view>

namespace {

// What the walk over a list knows at each line: the column and layer statements passed.
class CReadingPosition {
public:
    explicit CReadingPosition(const CKeywordLineList& lines)
        : m_columns(lines.CountColumnLines()), m_rows(lines.CountLayerLines())
    {
        // A column's layers in use: its named material statements, all rows when it has none.
        for (const int named : lines.CountMacroLinesOfColumns(m_columns))
            m_inUse.push_back(named > 0 ? named : m_rows);
    }

    void Pass(const CKeywordLine& line)
    {
        // A view: its comparisons with the words below look at the lengths first.
        const std::string_view keyword = line.m_strKeyword;
        if (keyword == "column") {
            ++m_columnsSeen;
            std::string number = line.GetParam("column_num");
            m_labelColumn = AtoIndex(number.empty() ? "1" : number);
        } else if (keyword == "layer") {
            ++m_layersSeen;
        }
    }

    bool IsColumn(int k) const { return k >= 0 && k < m_columns; }
    bool HasLayer(int k, int row) const { return IsColumn(k) && row >= 0 && row < m_inUse[static_cast<std::size_t>(k)]; }

    bool ColumnLabelIsRead() const { return m_columnsSeen > 0 && IsColumn(m_labelColumn); }
    bool LayerLabelIsRead() const
    {
        const int row = m_layersSeen - 1;
        for (int k = 0; k < m_columns; ++k)
            if (HasLayer(k, row))
                return true;
        return false;
    }
    bool SideContactIsWritten() const { return m_layersSeen > 0; }
    bool ContactRangeIsRead(const CKeywordLine& line) const { return IsColumn(AtoIndex(line.GetParam("column_num"))); }
    bool GratingIsRead(const CKeywordLine& line)
    {
        // The reader gives up on the compositions at the first one after the last row.
        if (m_layersSeen >= m_rows)
            m_gratingsGivenUp = true;
        const std::string column = line.GetParam("column_num");
        return !m_gratingsGivenUp && !column.empty() && HasLayer(AtoIndex(column), m_layersSeen);
    }

private:
    int m_columns;
    int m_rows;
    std::vector<int> m_inUse;
    int m_columnsSeen = 0;
    int m_labelColumn = -1;
    int m_layersSeen = 0;
    bool m_gratingsGivenUp = false;
};

}  // namespace

bool CUnreadStatements::HasNoPosition(bool column, const CKeywordLine& line)
{
    CLabelRec label;
    CLabelStatements::ParseLabelPosition(column, line, label);
    return label.m_nLocation == -1;
}

std::vector<bool> CUnreadStatements::Find(const CKeywordLineList& lines)
{
    std::vector<bool> unread(static_cast<std::size_t>(lines.GetCount()), false);
    CReadingPosition at(lines);
    for (int i = 0; i < lines.GetCount(); ++i) {
        const CKeywordLine& line = lines[i];
        // A view: its comparisons with the words below look at the lengths first.
        const std::string_view keyword = line.m_strKeyword;
        bool read = true;
        if (keyword == "column_position")
            read = at.ColumnLabelIsRead() && !HasNoPosition(true, line);
        else if (keyword == "layer_position")
            read = at.LayerLabelIsRead() && !HasNoPosition(false, line);
        else if (keyword == "left_contact" || keyword == "right_contact")
            read = at.SideContactIsWritten();
        else if (keyword == "bottom_contact" || keyword == "top_contact")
            read = at.ContactRangeIsRead(line);
        else if (keyword == "grating_compos")
            read = at.GratingIsRead(line);
        unread[static_cast<std::size_t>(i)] = !read;
        at.Pass(line);
    }
    return unread;
}
