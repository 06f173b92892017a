// Layer Copy, Cut and Paste. The layer clipboard lives in each z-segment; g_nClipboardZSeg names
// the z-segment whose clipboard a paste reads. The 2-D view's layer drag is made of these commands:
// Copy (Cut with CTRL), the drop target selected, then Paste.

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"

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
    CZSegment* segment = GetSelectedCell(c, r);
    if (!segment)
        return;
    // The target is the layer that stood at (targetColumn, targetRow) before the cut; the source
    // itself is no target.
    const bool dropped = segment->HasLayer(targetColumn, targetRow) && (targetColumn != c || targetRow != r);
    if (dropped)
        segment->PlaceAfterLayerRemoval(c, r, targetColumn, targetRow);
    CheckPoint();
    OnLayerCopy();
    DeleteLayerFromColumn(c, r);
    TidyCurrentZsegment();
    if (dropped && GetCurrentZSegment()->HasLayer(targetColumn, targetRow))
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
