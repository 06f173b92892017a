// Column Copy, Cut and Paste. The column clipboard lives in each z-segment; g_nClipboardZSeg names
// the z-segment whose clipboard a paste reads, so a column copied in one z-segment can be pasted
// into another.

#include "document/TessaronDoc.h"

void CTessaronDoc::OnColumnCopy()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    g_nClipboardZSeg = g_nCurZSeg;
    segment->CopySelectedColumn();
}

void CTessaronDoc::OnColumnCut()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment || segment->m_nSelectedColumn < 0 || segment->m_nSelectedColumn >= segment->GetColumnCount())
        return;
    CheckPoint();
    g_nClipboardZSeg = g_nCurZSeg;
    segment->CopySelectedColumn();
    const int c = segment->m_nSelectedColumn;
    // The layers leave the device: their pairs are no longer in use.
    for (const CLayerRec& layer : segment->GetColumn(c).GetLayers())
        CountLayerColour(layer, -1);
    segment->RemoveColumn(c);
    TidyCurrentZsegment();
    SetSelection(-1, -1, -1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::OnColumnPaste()
{
    int c = -1;
    int r = -1;
    CZSegment* segment = GetSelectedCell(c, r);
    const CZSegment* clipboard = GetClipboardZSegment();
    if (!segment || !clipboard || clipboard->m_ColumnClipboard.GetLayerSlots() == 0)
        return;
    // A copy: the clipboard may be the current z-segment's own.
    CColumnRec pasted = clipboard->m_ColumnClipboard;
    CheckPoint();
    CColumnRec& selected = segment->Column(c);
    selected.Layer(r).m_nSelected = 0;
    selected.m_nSelectedLayer = -1;

    pasted.m_fTaperPoint[0] = 0.0f;
    pasted.m_fTaperPoint[1] = 0.0f;
    pasted.SetLayerCount(CColumnRec::kMaxLayers);
    for (const CLayerRec& layer : pasted.GetLayers())
        CountLayerColour(layer, +1);
    const int n = c + 1;
    segment->ReserveColumnSlots(segment->GetColumnCount() + 1);
    segment->InsertColumn(n, pasted);
    // In place, so that the names tested include the pasted column's own.
    RenameColumnLabels(segment->Column(n).m_Labels);

    TidyCurrentZsegment();
    const int newColumn = segment->m_nSelectedColumn + 1;
    const int topRow = segment->GetColumn(newColumn).GetLayersInUse() - 1;
    if (newColumn >= 0 && topRow >= 0)
        SetSelection(g_nCurZSeg - 1, newColumn, topRow);
    else
        SetSelection(-1, -1, -1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}
