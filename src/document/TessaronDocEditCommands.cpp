// Routing and enabling rules of the editing commands on columns, layers, cut lines and z-segments,
// with the lookups of the selection and the clipboards they share.

#include "document/TessaronDoc.h"

#include "CommandIds.h"

CZSegment* CTessaronDoc::GetSelectedCell(int& column, int& row)
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return nullptr;
    column = segment->m_nSelectedColumn;
    row = segment->m_nSelectedRow;
    return segment->HasLayer(column, row) ? segment : nullptr;
}

bool CTessaronDoc::HasLayerSelection() const
{
    const CZSegment* segment = GetCurrentZSegment();
    return segment && segment->m_nSelectionKind == 1 && segment->m_nSelectedColumn >= 0 &&
           segment->m_nSelectedRow >= 0;
}

const CZSegment* CTessaronDoc::GetClipboardZSegment() const
{
    if (g_nClipboardZSeg <= 0 || g_nClipboardZSeg > GetZSegmentsInUse())
        return nullptr;
    return &m_ZSegments[g_nClipboardZSeg - 1];
}

const CLayerRec* CTessaronDoc::GetClipboardLayer() const
{
    const CZSegment* clipboard = GetClipboardZSegment();
    if (!clipboard || clipboard->m_LayerClipboard.empty())
        return nullptr;
    return &clipboard->m_LayerClipboard.front();
}

CZSegment* CTessaronDoc::GetLayerPasteTarget(int& column, int& row, CLayerRec& layer)
{
    CZSegment* segment = GetSelectedCell(column, row);
    const CLayerRec* clipboardLayer = GetClipboardLayer();
    if (!segment || !clipboardLayer)
        return nullptr;
    // A copy: the clipboard may be the current z-segment's own, which the paste changes.
    layer = *clipboardLayer;
    return segment;
}

bool CTessaronDoc::OnEditCommand(int id)
{
    switch (id) {
    case ID_COLUMN_COPY: OnColumnCopy(); return true;
    case ID_COLUMN_CUT: OnColumnCut(); return true;
    case ID_COLUMN_PASTE: OnColumnPaste(); return true;
    case ID_LAYER_COPY: OnLayerCopy(); return true;
    case ID_LAYER_CUT: OnLayerCut(); return true;
    case ID_LAYER_PASTE: OnLayerPaste(); return true;
    case ID_LAYER_MODIFY: OnLayerModify(); return true;
    case ID_LAYER_PASTE_MATERIAL: OnLayerPasteMaterialOnly(); return true;
    case ID_LAYER_PASTE_ROW_MATERIAL: OnLayerPasteTotalLayerMaterial(); return true;
    case ID_LAYER_PASTE_COLUMN_MATERIAL: OnLayerPasteTotalColumnMaterial(); return true;
    case ID_INSERT_HORI_LINE: OnInsertHoriLine(); return true;
    case ID_INSERT_VERTI_LINE: OnInsertVertiLine(); return true;
    case ID_ZSEG_PROPERTY: OnCurrentZsegmentProperty(); return true;
    case ID_ZSEG_COPY: OnCopyZsegment(); return true;
    case ID_ZSEG_PASTE: OnPasteZsegment(); return true;
    case ID_ZSEG_COPY_MATERIAL: OnCopyZsegmentMaterial(); return true;
    case ID_ZSEG_PASTE_MATERIAL: OnPasteZsegmentMaterial(); return true;
    default: return false;
    }
}

bool CTessaronDoc::QueryEditCommand(int id, CommandState& state) const
{
    const CZSegment* current = GetCurrentZSegment();
    const bool unlocked = m_nForcedSelection == 0;
    // Selection kind 1 with a selected column (the row is not looked at).
    const bool columnSelected = current && current->m_nSelectionKind == 1 && current->m_nSelectedColumn >= 0;
    const bool layerSelected = HasLayerSelection();
    switch (id) {
    case ID_COLUMN_COPY:
    case ID_INSERT_HORI_LINE:
    case ID_INSERT_VERTI_LINE:
        state.enabled = columnSelected && unlocked;
        break;
    case ID_COLUMN_CUT: state.enabled = layerSelected; break;
    case ID_COLUMN_PASTE: {
        const CZSegment* clipboard = GetClipboardZSegment();
        state.enabled = layerSelected && unlocked && clipboard && clipboard->m_ColumnClipboard.GetLayerSlots() > 0;
        break;
    }
    case ID_LAYER_COPY:
        state.enabled = layerSelected && unlocked &&
                        current->GetColumn(current->m_nSelectedColumn)
                                .GetLayer(current->m_nSelectedRow)
                                .m_Material.m_Bulk.m_strName != "void";
        break;
    case ID_LAYER_CUT: state.enabled = layerSelected && unlocked; break;
    case ID_LAYER_MODIFY:
        state.enabled = current && current->m_nSelectedColumn >= 0 && current->m_nSelectedRow >= 0 && unlocked;
        break;
    case ID_LAYER_PASTE:
    case ID_LAYER_PASTE_MATERIAL:
    case ID_LAYER_PASTE_ROW_MATERIAL:
    case ID_LAYER_PASTE_COLUMN_MATERIAL:
        state.enabled = layerSelected && unlocked && GetClipboardLayer() != nullptr;
        break;
    case ID_ALT_S:  // "Scale All": enabled by its rule, though nothing acts on it
        state.enabled = unlocked && g_nZSegCount > 0;
        break;
    case ID_ZSEG_PROPERTY:
    case ID_ZSEG_COPY_MATERIAL:
        state.enabled = g_nCurZSeg > 0;
        break;
    case ID_ZSEG_PASTE_MATERIAL: state.enabled = g_nCurZSeg > 0 && m_ZSegClipboard.GetColumnCount() > 0; break;
    case ID_ZSEG_COPY:
    case ID_ZSEG_PASTE:
        state.enabled = true;
        break;
    default: return false;
    }
    state.handled = true;
    return true;
}
