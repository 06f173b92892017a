// "Insert hori line" and "Insert verti line": a straight cut through the selection, asked for in the
// cut-line dialog. A horizontal cut makes every layer of the selected row two layers, one above the
// other; a vertical cut makes the selected column two columns.

#include "document/TessaronDoc.h"

#include "platform/SheetRunner.h"
#include "platform/UserPrompts.h"

#include <algorithm>

namespace {

// A value the dialog accepts lies inside the layer: above 0 and below the limit. The dialog refuses
// a value at or past the limit itself; a value that reaches here past it is refused the same way.
bool CutsInside(double value, double limit)
{
    if (value >= limit) {
        AfxMessageBox("Input value is too big", MB_OK);
        return false;
    }
    return value > 0.0;
}

// Every layer a horizontal cut splits, empty ones too, must keep a positive height: the limit is the
// lowest layer of the row, as a column's narrowest layer limits a vertical cut. -1 when the row has
// no real layer in any column.
double RowCutLimit(const CZSegment& segment, int row, double firstRealHeight)
{
    if (firstRealHeight < 0.0)
        return -1.0;
    double limit = firstRealHeight;
    for (const CColumnRec& column : segment.GetColumns())
        if (column.HasRow(row))
            limit = std::min(limit, static_cast<double>(column.GetLayer(row).m_fHeight));
    return limit;
}

}  // namespace

double CTessaronDoc::GetRowHeight(int zseg, int row) const
{
    if (zseg < 0 || zseg >= static_cast<int>(m_ZSegments.size()))
        return -1.0;
    for (const CColumnRec& column : m_ZSegments[zseg].GetColumns()) {
        if (column.HasRow(row) && !column.GetLayer(row).IsEmpty())
            return column.GetLayer(row).m_fHeight;
    }
    return -1.0;
}

double CTessaronDoc::GetColumnWidth(int zseg, int column) const
{
    if (zseg < 0 || zseg >= static_cast<int>(m_ZSegments.size()) || column < 0 ||
        column >= m_ZSegments[zseg].GetColumnCount())
        return -1.0;
    for (const CLayerRec& layer : m_ZSegments[zseg].GetColumn(column).GetLayers()) {
        if (!layer.IsEmpty())
            return std::max({layer.m_fWidth, layer.m_fUpperWidth, layer.m_fLowerWidth});
    }
    return -1.0;
}

double CTessaronDoc::GetColumnCutLimit(const CZSegment& segment, int column) const
{
    const CSharedLayers& layers = segment.GetColumn(column).GetLayers();
    if (std::all_of(layers.begin(), layers.end(), [](const CLayerRec& layer) { return layer.IsEmpty(); }))
        return -1.0;
    // Every layer of the column is cut, empty ones too: none of them may be left with a negative
    // edge.
    double limit = layers.front().m_fUpperWidth;
    for (const CLayerRec& layer : layers)
        limit = std::min({limit, static_cast<double>(layer.m_fUpperWidth), static_cast<double>(layer.m_fLowerWidth)});
    return limit;
}

void CTessaronDoc::OnInsertHoriLine()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    const int r = segment->m_nSelectedRow;
    const double height = RowCutLimit(*segment, r, GetRowHeight(g_nCurZSeg - 1, r));
    if (height < 0.0)
        return;
    const auto& columns = segment->GetColumns();
    if (std::any_of(columns.begin(), columns.end(),
                    [r](const CColumnRec& column) { return column.HasRow(r) && column.IsFull(); })) {
        AfxMessageBox(CColumnRec::kFullColumnMessage, MB_OK);
        return;
    }
    CutLineRequest request;
    request.limit = height;
    request.vertical = 0;
    if (!SheetRunner().RunCutLineDlg(request) || !CutsInside(request.value, height))
        return;
    CheckPoint();
    CutRowAt(*segment, r, request.value);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::CutRowAt(CZSegment& segment, int r, double value)
{
    for (int k = 0; k < segment.GetColumnCount(); ++k) {
        CColumnRec& column = segment.Column(k);
        if (!column.HasRow(r))
            continue;
        // The lower piece, as high as the value, goes in at row r; the upper piece keeps the rest.
        CLayerRec upper;
        CLayerRec lower;
        column.GetLayer(r).SplitHorizontal(value, upper, lower);
        column.Layer(r) = upper;
        column.InsertLayer(r, lower);
        CountLayerColour(lower, +1);
    }
    const int zseg = g_nCurZSeg - 1;
    std::vector<CLabelRec> labels;
    CollectLayerLabels(zseg, r + 1, labels);
    RenameRowLabels(zseg, r + 1, labels);
    SetRowLabels(zseg, r + 1, labels);
}

void CTessaronDoc::OnInsertVertiLine()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    const int c = segment->m_nSelectedColumn;
    if (c < 0 || c >= segment->GetColumnCount())
        return;
    const double limit = GetColumnCutLimit(*segment, c);
    if (limit < 0.0)
        return;
    CutLineRequest request;
    request.limit = limit;
    request.vertical = 1;
    if (!SheetRunner().RunCutLineDlg(request) || !CutsInside(request.value, limit))
        return;
    CheckPoint();
    CutColumnAt(*segment, c, request.value);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::CutColumnAt(CZSegment& segment, int c, double value)
{
    CColumnRec right = segment.GetColumn(c);
    // The contact ranges stay with the left piece; the right piece is no selected column.
    right.m_Contacts.Clear();
    right.m_nSelectedLayer = -1;
    const CColumnRec& left = segment.GetColumn(c);
    for (int j = 0; j < left.GetLayersInUse(); ++j) {
        CLayerRec first;
        CLayerRec second;
        left.GetLayer(j).SplitVertical(value, first, second);
        second.m_nSelected = 0;
        right.Layer(j) = second;
        segment.Column(c).Layer(j) = first;
        CountLayerColour(first, +1);
    }
    segment.ReserveColumnSlots(segment.GetColumnCount() + 1);
    segment.InsertColumn(c + 1, right);
    RenameColumnLabels(segment.Column(c + 1).m_Labels);
}
