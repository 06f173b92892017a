#include "textfiles/LabelStatements.h"
#include <string_view>

#include <vector>

#include "platform/NumberText.h"

namespace {

const char* const kColumnWords[] = {"left", "middle", "right"};
const char* const kLayerWords[] = {"top", "middle", "bottom"};

int ColumnCount(const CZSegment& z)
{
    return z.GetColumnCount();
}

}  // namespace

void CLabelStatements::ClearZsegmentLabels(int n)
{
    CZSegment& z = m_ctx.zsegs[n];
    for (int c = 0; c < z.GetColumnCount(); ++c) {
        CColumnRec& column = z.Column(c);
        column.m_Labels.clear();
        for (int row = 0; row < column.GetLayersInUse(); ++row) column.Layer(row).m_Labels.clear();
    }
}

void CLabelStatements::ReadLabelPositions(int n)
{
    ClearZsegmentLabels(n);
    CZSegment& z = m_ctx.zsegs[n];
    const CKeywordLineList& lines = m_ctx.lines;
    const int count = lines.GetCount();

    // Where the "column" and "layer" statements stand, found in one pass rather than per row.
    std::vector<int> columnsAt;
    std::vector<int> layersAt;
    for (int k = 0; k < count; ++k) {
        // Compared as a view: a comparison with a text literal then needs no library call.
        const std::string_view keyword = lines[k].m_strKeyword;
        if (keyword == "column") columnsAt.push_back(k);
        else if (keyword == "layer") layersAt.push_back(k);
    }
    auto nextOr = [count](const std::vector<int>& at, std::size_t i) { return i < at.size() ? at[i] : count; };

    for (std::size_t i = 0; i < columnsAt.size(); ++i) {
        const int a = columnsAt[i];
        const int b = nextOr(columnsAt, i + 1);
        std::string num = lines[a].GetParam("column_num");
        if (num.empty()) num = "1";
        const int target = AtoIndex(num);
        // Labels of a column number the z-segment does not have are left out.
        if (target < 0 || target >= ColumnCount(z)) continue;
        for (int k = a + 1; k < b; ++k) {
            if (std::string_view(lines.GetKeyword(k)) != "column_position") continue;
            CLabelRec label;
            ParseLabelPosition(true, lines[k], label);
            // A statement without a position the reader knows is no label: a save keeps its text.
            if (label.m_nLocation != -1) z.Column(target).m_Labels.push_back(label);
        }
    }

    for (int row = 0; row < static_cast<int>(layersAt.size()); ++row) {
        const int a = layersAt[static_cast<std::size_t>(row)];
        const int b = nextOr(layersAt, static_cast<std::size_t>(row) + 1);
        for (int k = a + 1; k < b; ++k) {
            if (std::string_view(lines.GetKeyword(k)) != "layer_position") continue;
            CLabelRec label;
            ParseLabelPosition(false, lines[k], label);
            if (label.m_nLocation == -1) continue;
            for (int c = 0; c < ColumnCount(z); ++c)
                if (z.GetColumn(c).HasRow(row)) z.Column(c).Layer(row).m_Labels.push_back(label);
        }
    }
}

void CLabelStatements::ParseLabelPosition(bool column, const CKeywordLine& line, CLabelRec& out)
{
    out = CLabelRec();
    out.m_strText = line.GetParam("label");
    const std::string word = line.GetParam("location");
    const char* const* words = column ? kColumnWords : kLayerWords;
    for (int code = 0; code < 3; ++code)
        if (word == words[code]) out.m_nLocation = code;
    const std::string fromStart = line.GetParam(column ? "delta_x_from_left" : "delta_y_from_bottom");
    if (!fromStart.empty()) {
        out.m_nLocation = 3;
        out.m_dOffset = AtoF(fromStart);
    }
    const std::string fromEnd = line.GetParam(column ? "delta_x_from_right" : "delta_y_from_top");
    if (!fromEnd.empty()) {
        out.m_nLocation = 4;
        out.m_dOffset = AtoF(fromEnd);
    }
}

bool CLabelStatements::FormatLabelPosition(bool column, CKeywordLine& out, const CLabelRec& label)
{
    if (label.m_nLocation == -1) return false;
    std::string text = column ? "column_position " : "layer_position ";
    text += " label=" + label.m_strText;
    const char* const* words = column ? kColumnWords : kLayerWords;
    switch (label.m_nLocation) {
    case 0:
    case 1:
    case 2:
        text += std::string(" location=") + words[label.m_nLocation];
        break;
    case 3:
        text += StrFormat(column ? " delta_x_from_left=%.3f" : " delta_y_from_bottom=%.3f", label.m_dOffset);
        break;
    case 4:
        text += StrFormat(column ? " delta_x_from_right=%.3f" : " delta_y_from_top=%.3f", label.m_dOffset);
        break;
    default:
        break;
    }
    out.Parse(text);
    return true;
}

void CLabelStatements::WriteColumnLabels(int n, int column, std::vector<CKeywordLine>& out) const
{
    out.clear();
    if (!IsInUse(n)) return;
    const CZSegment& z = m_ctx.zsegs[n];
    if (column < 0 || column >= ColumnCount(z)) return;
    for (const CLabelRec& label : z.GetColumn(column).m_Labels) {
        CKeywordLine line;
        if (FormatLabelPosition(true, line, label)) out.push_back(line);
    }
}

void CLabelStatements::CollectLayerLabels(int n, int row, std::vector<CLabelRec>& out) const
{
    out.clear();
    if (!IsInUse(n)) return;
    const CZSegment& z = m_ctx.zsegs[n];
    for (int c = 0; c < ColumnCount(z); ++c) {
        const CColumnRec& column = z.GetColumn(c);
        if (!column.HasRow(row)) continue;
        const CLayerRec& layer = column.GetLayer(row);
        if (layer.m_Material.m_Bulk.m_strName == "void") continue;
        for (const CLabelRec& label : layer.m_Labels) {
            bool known = false;
            for (const CLabelRec& have : out) known = known || have.m_strText == label.m_strText;
            if (!known) out.push_back(label);
        }
    }
}

void CLabelStatements::WriteLayerLabels(int n, int row, std::vector<CKeywordLine>& out) const
{
    out.clear();
    std::vector<CLabelRec> labels;
    CollectLayerLabels(n, row, labels);
    for (const CLabelRec& label : labels) {
        CKeywordLine line;
        if (FormatLabelPosition(false, line, label)) out.push_back(line);
    }
}
