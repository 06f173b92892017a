// Layer Copy, Cut and Paste. The layer clipboard lives in each z-segment; g_nClipboardZSeg names
// the z-segment whose clipboard a paste reads. The 2-D view's layer drag is made of these commands:
// Copy (Cut with CTRL), the drop target selected, then Paste.

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"

#include <algorithm>

namespace {

// The layer in use nearest to (column, row) of a z-segment whose layers moved: the same place when
// it still holds a layer, else the top layer of that column, or of the last column when the column
// itself is gone. False when the z-segment has no layer left.
bool NearestLayerInUse(const CZSegment& segment, int& column, int& row)
{
    if (segment.GetColumnCount() == 0)
        return false;
    column = std::min(std::max(column, 0), segment.GetColumnCount() - 1);
    const int rows = segment.GetColumn(column).GetLayersInUse();
    if (rows == 0)
        return false;
    row = std::min(std::max(row, 0), rows - 1);
    return true;
}

}  // namespace

void CTessaronDoc::OnLayerCopy()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    g_nClipboardZSeg = g_nCurZSeg;
    segment->CopySelectedLayer();
}

void CTessaronDoc::OnLayerCut() { OnLayerCut(-1, -1); }

void CTessaronDoc::OnLayerCut(int targetColumn, int targetRow)
{
    int c = -1;
    int r = -1;
    if (!GetSelectedCell(c, r))
        return;
    CheckPoint();
    OnLayerCopy();
    DeleteLayerFromColumn(c, r);
    TidyCurrentZsegment();
    const bool dropped = targetColumn >= 0 && targetRow >= 0;
    if (dropped && NearestLayerInUse(*GetCurrentZSegment(), targetColumn, targetRow))
        SetSelection(g_nCurZSeg - 1, targetColumn, targetRow);
    else
        SetSelection(-1, -1, -1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::OnLayerPaste()
{
    int c = -1;
    int r = -1;
    CLayerRec pasted;
    CZSegment* segment = GetLayerPasteTarget(c, r, pasted);
    if (!segment)
        return;
    if (segment->GetColumn(c).IsFull()) {
        AfxMessageBox(CColumnRec::kFullColumnMessage, MB_OK);
        return;
    }
    CheckPoint();
    CColumnRec& column = segment->Column(c);
    column.m_nSelectedLayer = r;

    // The new layer sits on layer r: both its edges take that layer's upper edge.
    pasted.m_nRed = 0;
    pasted.m_nWhite = 0;
    pasted.m_fUpperWidth = column.GetLayer(r).m_fUpperWidth;
    pasted.m_fLowerWidth = pasted.m_fUpperWidth;
    CountLayerColour(pasted, +1);
    const int newRow = r + 1;
    column.InsertLayer(newRow, pasted);

    // The row's labels: those of the other columns' layers that the pasted ones do not repeat,
    // then the pasted ones placed where none of those stands, all with free names.
    const int zseg = g_nCurZSeg - 1;
    std::vector<CLabelRec> labels;
    CollectLayerLabels(zseg, newRow, labels);
    MergeLabelLists(pasted.m_Labels, labels);
    RenameRowLabels(zseg, newRow, labels);
    SetRowLabels(zseg, newRow, labels);

    ++column.m_nSelectedLayer;
    TidyCurrentZsegment();
    if (segment->m_nSelectedColumn >= 0 && segment->m_nSelectedRow + 1 >= 0)
        SetSelection(zseg, segment->m_nSelectedColumn, segment->m_nSelectedRow + 1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}
