// The 3-D editor's first z-segment: instead of the "New Column" sheet of the layer builder, the
// "New segment" sheet, which shows only the z-segment page, gives z-segment 1 its z range and
// parameters; its one column of one layer is made from the edit images as they stand.

#include "document/TessaronDoc.h"

namespace {

const int kFirstColumnSlots = 15;
// The mesh totals every first z-segment starts with (the z-segment page does not edit them).
const int kFirstTotalXMesh = 3;
const int kFirstTotalYMesh = 2;

}  // namespace

void CTessaronDoc::NewZsegmentSheet()
{
    m_nLastSheetAccepted = 0;
    if (g_nCurZSeg < 1)
        g_nCurZSeg = 1;
    if (g_nCurZSeg > static_cast<int>(m_ZSegments.size()))
        return;
    const int zseg = g_nCurZSeg - 1;
    PresetNewColumnImages(false);
    g_EditLayer.m_nZSeg = g_nCurZSeg;
    g_EditLayer.m_nColumn = 0;
    g_EditLayer.m_Grating.Edit().m_nColumn = 0;
    g_nLayerEditMode = 1;
    g_EditLayer.m_nSolveWave = 1;

    if (!RunBuildSheet("New segment", false, zseg))
        return;

    const bool resetViews = ApplyIsolatedLayerRule(static_cast<float>(g_EditZSegment.m_Params.m_dZFrom),
                                                   static_cast<float>(g_EditZSegment.m_Params.m_dZTo));
    CZSegment& segment = m_ZSegments[zseg];
    segment.m_Params.m_dAngle = g_EditZSegment.m_Params.m_dAngle;
    m_nLastSheetAccepted = 1;
    g_EditZSegment.m_nTotalXMesh = kFirstTotalXMesh;
    g_EditZSegment.m_nTotalYMesh = kFirstTotalYMesh;
    StoreZsegmentImage(segment);

    segment.m_nColumnSlots = kFirstColumnSlots;
    CColumnRec column = NewColumnFromImages();
    column.m_nSelectedLayer = 0;
    segment.SetColumnCount(0);
    segment.AppendColumn(column);
    SetSelection(zseg, g_EditLayer.m_nColumn, g_EditLayer.m_nRow);
    SetModifiedFlag(true);
    if (resetViews)
        UpdateAllViews(1);
    UpdateAllViews(0);
}
