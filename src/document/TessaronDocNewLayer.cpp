// New Layer: the layer entered in the layer property sheet goes in right above the selected layer
// of its column; the layers above it move up one row. Only that column changes.

#include "document/TessaronDoc.h"

#include "model/RowPadding.h"
#include "platform/UserPrompts.h"

bool CTessaronDoc::CanAddLayer() const
{
    const CZSegment* current = GetCurrentZSegment();
    return g_nCurZSeg > 0 && current && current->m_nSelectionKind == 1 && current->m_nSelectedColumn >= 0 &&
           current->m_nSelectedRow >= 0 && m_nForcedSelection == 0;
}

void CTessaronDoc::OnNewLayer()
{
    if (!CanAddLayer())
        return;
    const CZSegment* current = GetCurrentZSegment();
    const int zseg = g_nCurZSeg - 1;
    const int c = current->m_nSelectedColumn;
    const int r = current->m_nSelectedRow;
    if (!current->HasLayer(c, r))
        return;
    if (current->GetColumn(c).GetLayersInUse() >= CColumnRec::kMaxLayers) {
        AfxMessageBox(CColumnRec::kFullColumnMessage, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CheckPoint();
    m_ZSegments[zseg].Column(c).m_nSelectedLayer = r;
    PresetNewLayerImages(m_ZSegments[zseg], c, r);
    g_nLayerEditMode = 2;
    g_EditLayer.m_Grating.Edit().m_nColumn = c;
    g_EditLayer.m_nSolveWave = 1;

    if (!RunBuildSheet("New Layer", true, zseg)) {
        m_nLastSheetAccepted = 0;
        DiscardLastCheckPoint();
        return;
    }
    InsertNewLayer(zseg, c, r);
}

void CTessaronDoc::PresetNewLayerImages(const CZSegment& segment, int c, int r)
{
    const CColumnRec& column = segment.GetColumn(c);
    // The new layer starts as high as the layer under it and as wide as that layer's top edge.
    const CLayerRec& below = column.GetLayer(r);
    g_EditLayer.m_nZSeg = g_nCurZSeg;
    g_EditLayer.m_nColumn = c;
    g_EditLayer.m_nRow = r + 1;
    g_EditLayer.m_fHeight = below.m_fHeight;
    g_EditLayer.m_fWidth = below.m_fUpperWidth;
    g_EditLayer.m_fUpperWidth = below.m_fUpperWidth;
    g_EditLayer.m_fLowerWidth = below.m_fUpperWidth;
    g_EditLayer.m_Mesh.Unset();
    g_EditLayer.m_Mesh.m_dShiftCenter = 0.0;
    g_EditLayer.m_Grating.SetDefault();
    g_EditLayer.m_strComment.clear();
    CollectEditLayerLabels(g_EditLayer.m_Labels);

    g_EditColumn.m_Contacts = column.m_Contacts;
    g_EditColumn.m_Mesh = column.m_Mesh;
    g_EditColumn.m_nTaperLine = column.m_nTaperLine;
    g_EditColumn.m_Labels = column.m_Labels;
    LoadZsegmentImage(segment);

    // The new layer joins row r + 1, whose vertical mesh column 0 holds. A row column 0 does not
    // have carries no mesh to join.
    const CColumnRec& first = segment.GetColumn(0);
    if (c > 0 && first.HasRow(r + 1)) {
        const CMeshSettings& rowMesh = first.GetLayer(r + 1).m_Mesh;
        if (rowMesh.m_nExtraLow >= -1 && rowMesh.m_nExtraLow <= 1)
            g_EditLayer.m_Mesh.TakeCounts(rowMesh);
    }
}

void CTessaronDoc::InsertNewLayer(int zseg, int c, int r)
{
    const bool resetViews = ApplyIsolatedLayerRule(static_cast<float>(g_EditZSegment.m_Params.m_dZFrom),
                                                   static_cast<float>(g_EditZSegment.m_Params.m_dZTo));
    CZSegment& segment = m_ZSegments[zseg];
    CColumnRec& column = segment.Column(c);
    column.m_nTaperLine = g_EditColumn.m_nTaperLine;
    StoreZsegmentImage(segment);
    column.m_Contacts = g_EditColumn.m_Contacts;
    PickLayerColour(g_EditLayer.m_Material, g_EditLayer.m_Doping, g_EditLayer.m_nColour, g_EditLayer.m_nPattern, -1,
                    -1, -1);

    // A column of rectangles stays one width when the new layer is a rectangle too.
    bool regular = g_EditLayer.m_fUpperWidth == g_EditLayer.m_fLowerWidth;
    for (const CLayerRec& layer : column.GetLayers())
        regular = regular && layer.m_fUpperWidth == layer.m_fLowerWidth;
    if (regular) {
        for (int j = 0; j < column.GetLayersInUse(); ++j) {
            column.Layer(j).m_fUpperWidth = g_EditLayer.m_fLowerWidth;
            column.Layer(j).m_fLowerWidth = g_EditLayer.m_fLowerWidth;
        }
    }

    CLayerRec layer = g_EditLayer;
    CRowPadding::FillBlanksAsReadBack(layer);
    layer.m_nRed = 0;
    layer.m_nWhite = 0;
    column.InsertLayer(r + 1, layer);
    column.m_nSelectedLayer = r + 1;
    ApplyEdgeWidthMarks(column.Layer(r + 1));
    PadRowsAsSaved(zseg, r + 1);
    SetSelection(zseg, c, r + 1);
    if (resetViews)
        UpdateAllViews(1);
    UpdateContacts();
    SetModifiedFlag(true);
    UpdateAllViews(0);
}
