// The model-based series: the three commands that start one (the series code behind them is
// handed over by the application) and the changes of the model a series makes at every point.

#include "document/TessaronDoc.h"

#include "CommandIds.h"
#include "document/ModelSeriesHandler.h"
#include "platform/UserPrompts.h"

#include <cmath>

bool CTessaronDoc::OnModelSeriesCommand(int id)
{
    switch (id) {
    case ID_SERI_COLUMN_WIDTH: OnSeriColumnWidth(); return true;
    case ID_SERI_BULK_COMPOS: OnSeriBulkCompos(); return true;
    case ID_SERI_ACTIVE_COMPOS: OnSeriActiveCompos(); return true;
    default: return false;
    }
}

bool CTessaronDoc::QueryModelSeriesCommand(int id, CommandState& state) const
{
    if (id != ID_SERI_COLUMN_WIDTH && id != ID_SERI_BULK_COMPOS && id != ID_SERI_ACTIVE_COMPOS)
        return false;
    state.enabled = m_pModelSeriesHandler != nullptr && HasSelectedLayer();
    return true;
}

void CTessaronDoc::OnSeriColumnWidth()
{
    if (m_pModelSeriesHandler && HasSelectedLayer())
        m_pModelSeriesHandler->OnSeriColumnWidth(*this);
}

void CTessaronDoc::OnSeriBulkCompos()
{
    if (m_pModelSeriesHandler && HasSelectedLayer())
        m_pModelSeriesHandler->OnSeriCompos(*this, false);
}

void CTessaronDoc::OnSeriActiveCompos()
{
    if (m_pModelSeriesHandler && HasSelectedLayer())
        m_pModelSeriesHandler->OnSeriCompos(*this, true);
}

bool CTessaronDoc::HasSelectedLayer() const
{
    const CZSegment* segment = GetCurrentZSegment();
    // The selection must name a layer in use: the series read and change that layer.
    return segment && segment->m_nSelectionKind != 0 && segment->m_nSelectedColumn >= 0 &&
           segment->m_nSelectedRow >= 0 && segment->HasLayer(segment->m_nSelectedColumn, segment->m_nSelectedRow);
}

void CTessaronDoc::LoadEditImages(int zseg, int column, int row)
{
    CZSegment& segment = m_ZSegments.at(static_cast<std::size_t>(zseg));
    segment.Column(column).m_nSelectedLayer = row;
    FillEditImages(segment, column, row);
    LoadZsegmentImage(segment);
    g_EditColumn.m_Labels = segment.GetColumn(column).m_Labels;
}

void CTessaronDoc::StoreEditImages(int zseg, int column, int row)
{
    CZSegment& segment = m_ZSegments.at(static_cast<std::size_t>(zseg));
    CColumnRec& target = segment.Column(column);
    target.m_nTaperLine = g_EditColumn.m_nTaperLine;
    ApplyRegularColumnRule(target);
    TakeEditColumnContacts(zseg, column);
    const CLayerRec& before = target.GetLayer(row);
    if (g_EditLayer.m_Material != before.m_Material || g_EditLayer.m_Doping != before.m_Doping) {
        CountLayerColour(before, -1);
        PickLayerColour(g_EditLayer.m_Material, g_EditLayer.m_Doping, g_EditLayer.m_nColour, g_EditLayer.m_nPattern,
                        column, row, zseg);
    }
    ShiftNeighbourWidths(segment, column, row);
    target.m_fTaperPoint[0] = g_EditColumn.m_fTaperPoint[0];
    target.m_fTaperPoint[1] = g_EditColumn.m_fTaperPoint[1];
    WriteBackEditLayer(segment, column, row);
}

void CTessaronDoc::ApplySeriesValue(int kind, int zseg, int column, int row, float value)
{
    if (!IsZSegmentInUse(zseg) || !m_ZSegments[static_cast<std::size_t>(zseg)].HasLayer(column, row))
        return;
    LoadEditImages(zseg, column, row);
    if (kind == 0) {
        g_EditLayer.m_fHeight = value;
    } else {
        float& upper = g_EditLayer.m_fUpperWidth;
        float& lower = g_EditLayer.m_fLowerWidth;
        if (std::fabs(upper - lower) <= 1e-5f) {
            g_EditLayer.m_fWidth = value;
            upper = value;
            lower = value;
        } else if (upper > lower) {
            lower = value * (lower / upper);
            upper = value;
        } else {
            upper = value * (upper / lower);
            lower = value;
        }
    }
    StoreEditImages(zseg, column, row);
    if (!CheckZsegmentMeshTotals())
        AfxMessageBox("Not set mesh!", MB_OK | MB_ICONWARNING);
}

void CTessaronDoc::ApplySeriesMacroValue(bool active, int zseg, int column, int row, int k, double value)
{
    if (k < 0 || k >= 6 || !IsZSegmentInUse(zseg) || !m_ZSegments[static_cast<std::size_t>(zseg)].HasLayer(column, row))
        return;
    LoadEditImages(zseg, column, row);
    CMacroParamSet& macro = active ? g_EditLayer.m_Material.m_Active.Edit() : g_EditLayer.m_Material.m_Bulk;
    macro.m_dVar[k] = value;
    StoreEditImages(zseg, column, row);
}
