// Column and row labels: collecting them with their locations, free-name tests, renumbering the
// labels of a copied z-segment, storing edited labels, and the duplicate-label report of a save.

#include "document/TessaronDoc.h"

#include "platform/TextRoutines.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cstdio>

namespace {

bool IsVoidName(const std::string& name) { return name == "void"; }

bool ContainsText(const std::vector<CLabelRec>& labels, const std::string& text)
{
    return std::any_of(labels.begin(), labels.end(),
                       [&text](const CLabelRec& label) { return label.m_strText == text; });
}

std::string Numbered(const std::string& base, int number) { return base + std::to_string(number); }

std::string Describe(const CLabelLocation& where)
{
    char text[128];
    if (where.m_nRow < 0)
        std::snprintf(text, sizeof text, "(Face %d column %d) column label", where.m_nZSeg + 1, where.m_nColumn + 1);
    else
        std::snprintf(text, sizeof text, "(Face %d layer %d) layer label", where.m_nZSeg + 1, where.m_nRow + 1);
    return text;
}

}  // namespace

void CTessaronDoc::CollectLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const
{
    out.clear();
    if (!IsZSegmentInUse(zseg))
        return;
    CollectAllLabels(zseg, skipRow, skipColumn, out);
}

// Appends the labels of z-segment zseg: column labels, then the row labels taken from each column
// up to the first one whose layer in that row is not "void".
void CTessaronDoc::CollectAllLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const
{
    const CZSegment& segment = m_ZSegments[zseg];
    std::vector<bool> rowTaken(GetMaxRowCount(zseg), false);
    for (int i = 0; i < segment.GetColumnCount(); ++i) {
        if (i == skipColumn)
            continue;
        const CColumnRec& column = segment.GetColumn(i);
        for (const CLabelRec& label : column.m_Labels)
            out.push_back({label.m_strText, zseg, i, -1});
        for (int j = 0; j < column.GetLayersInUse(); ++j) {
            if (j == skipRow || rowTaken[j])
                continue;
            const CLayerRec& layer = column.GetLayer(j);
            for (const CLabelRec& label : layer.m_Labels)
                out.push_back({label.m_strText, zseg, i, j});
            if (!IsVoidName(layer.m_Material.m_Bulk.m_strName))
                rowTaken[j] = true;
        }
    }
}

void CTessaronDoc::CollectLabelsExceptRow(int zseg, int skipRow, std::vector<CLabelLocation>& out) const
{
    CollectLabels(zseg, skipRow, -1, out);
}

void CTessaronDoc::CollectLabelsExceptColumn(int zseg, int skipColumn, std::vector<CLabelLocation>& out) const
{
    CollectLabels(zseg, -1, skipColumn, out);
}

namespace {

bool HasText(const std::vector<CLabelLocation>& locations, const std::string& text)
{
    return std::any_of(locations.begin(), locations.end(),
                       [&text](const CLabelLocation& where) { return where.m_strText == text; });
}

}  // namespace

bool CTessaronDoc::IsLabelFree(const std::string& text) const
{
    // No z-segment -1: every row of every z-segment counts.
    return IsRowLabelFree(-1, -1, text);
}

bool CTessaronDoc::IsRowLabelFree(int zseg, int row, const std::string& text) const
{
    std::vector<CLabelLocation> locations;
    for (int z = 0; z < g_nZSegCount; ++z) {
        CollectLabelsExceptRow(z, z == zseg ? row : -1, locations);
        if (HasText(locations, text))
            return false;
    }
    return true;
}

bool CTessaronDoc::IsColumnLabelFree(int zseg, int column, const std::string& text) const
{
    std::vector<CLabelLocation> locations;
    for (int z = 0; z < g_nZSegCount; ++z) {
        if (z == zseg)
            CollectLabelsExceptColumn(z, column, locations);
        else
            CollectLabelsExceptRow(z, -1, locations);
        if (HasText(locations, text))
            return false;
    }
    return true;
}

std::string CTessaronDoc::FreeLabelName(const std::string& name, const std::function<bool(const std::string&)>& accept)
{
    std::string base;
    int number = 0;
    SplitTrailingNumber(name, &base, &number);
    std::string candidate = Numbered(base, number);
    while (!accept(candidate))
        candidate = Numbered(base, ++number);
    return candidate;
}

void CTessaronDoc::RenameColumnLabels(std::vector<CLabelRec>& labels)
{
    for (CLabelRec& label : labels)
        label.m_strText = FreeLabelName(label.m_strText, [this](const std::string& text) { return IsLabelFree(text); });
}

void CTessaronDoc::RenameRowLabels(int zseg, int row, std::vector<CLabelRec>& labels) const
{
    for (std::size_t k = 0; k < labels.size(); ++k) {
        const auto usedByOther = [&labels, k](const std::string& text) {
            for (std::size_t other = 0; other < labels.size(); ++other) {
                if (other != k && labels[other].m_strText == text)
                    return true;
            }
            return false;
        };
        labels[k].m_strText = FreeLabelName(labels[k].m_strText, [&](const std::string& text) {
            return IsRowLabelFree(zseg, row, text) && !usedByOther(text);
        });
    }
}

void CTessaronDoc::AssignDefaultLabels(int zseg)
{
    if (zseg < 0 || zseg >= static_cast<int>(m_ZSegments.size()))
        return;
    CZSegment& segment = m_ZSegments[zseg];
    for (int i = 0; i < segment.GetColumnCount(); ++i)
        RenameColumnLabels(segment.Column(i).m_Labels);
    // Rows in the order they first occur over the columns.
    std::vector<int> rows;
    for (const CColumnRec& column : segment.GetColumns()) {
        for (int j = 0; j < column.GetLayersInUse(); ++j) {
            if (std::find(rows.begin(), rows.end(), j) == rows.end())
                rows.push_back(j);
        }
    }
    for (int j : rows) {
        std::vector<CLabelRec> labels;
        CollectLayerLabels(zseg, j, labels);
        RenameRowLabels(zseg, j, labels);
        SetRowLabels(zseg, j, labels);
    }
}

void CTessaronDoc::SetColumnAndRowLabels(int zseg, int column, int row, std::vector<CLabelRec> rowLabels,
                                         std::vector<CLabelRec> columnLabels)
{
    if (!IsZSegmentInUse(zseg))
        return;
    CZSegment& segment = m_ZSegments[zseg];
    if (column >= 0 && column < segment.GetColumnCount())
        segment.Column(column).m_Labels = std::move(columnLabels);
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        CColumnRec& each = segment.Column(c);
        if (each.HasRow(row) && !IsVoidName(each.Layer(row).m_Material.m_Bulk.m_strName))
            each.Layer(row).m_Labels = rowLabels;
    }
}

void CTessaronDoc::CollectEditLayerLabels(std::vector<CLabelRec>& out) const
{
    out.clear();
    const CZSegment* current = GetCurrentZSegment();
    if (!current || current->m_nSelectedColumn < 0)
        return;
    const int row = current->GetColumn(current->m_nSelectedColumn).m_nSelectedLayer;
    if (row >= 0)
        CollectLayerLabels(g_nCurZSeg - 1, row + 1, out);
}

void CTessaronDoc::CheckLabelsUnique() const
{
    std::vector<CLabelLocation> all;
    std::vector<CLabelLocation> one;
    for (int z = 0; z < g_nZSegCount; ++z) {
        CollectLabelsExceptRow(z, -1, one);
        all.insert(all.end(), one.begin(), one.end());
    }
    for (std::size_t a = 0; a < all.size(); ++a) {
        for (std::size_t b = a + 1; b < all.size(); ++b) {
            if (all[a].m_strText != all[b].m_strText)
                continue;
            AfxMessageBox(Describe(all[a]) + " is same as \n" + Describe(all[b]), MB_OK);
            if (AfxMessageBox("Do you want to see next label error prompt?", MB_YESNO | MB_ICONQUESTION) == IDNO)
                return;
        }
    }
}

void CTessaronDoc::CollectLayerLabels(int zseg, int row, std::vector<CLabelRec>& out) const
{
    out.clear();
    if (!IsZSegmentInUse(zseg))
        return;
    for (const CColumnRec& column : m_ZSegments[zseg].GetColumns()) {
        if (!column.HasRow(row))
            continue;
        const CLayerRec& layer = column.GetLayer(row);
        if (IsVoidName(layer.m_Material.m_Bulk.m_strName))
            continue;
        for (const CLabelRec& label : layer.m_Labels) {
            if (!ContainsText(out, label.m_strText))
                out.push_back(label);
        }
    }
}

void CTessaronDoc::SetRowLabels(int zseg, int row, const std::vector<CLabelRec>& labels)
{
    if (!IsZSegmentInUse(zseg))
        return;
    CZSegment& segment = m_ZSegments[zseg];
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        if (segment.GetColumn(c).HasRow(row))
            segment.Column(c).Layer(row).m_Labels = labels;
    }
}

void CTessaronDoc::MergeLabelLists(std::vector<CLabelRec> a, std::vector<CLabelRec>& b)
{
    std::vector<CLabelRec> kept;
    for (const CLabelRec& label : b) {
        if (std::find(a.begin(), a.end(), label) == a.end())
            kept.push_back(label);
    }
    std::vector<CLabelRec> result = kept;
    for (const CLabelRec& label : a) {
        const bool placed = std::any_of(kept.begin(), kept.end(),
                                        [&label](const CLabelRec& k) { return k.SamePlacement(label); });
        if (!placed)
            result.push_back(label);
    }
    b = std::move(result);
}
