// New Column: a column holding one layer goes in right after the reference column of the current
// z-segment, with the values the user enters in the layer property sheet. Also the steps the
// commands that build a device share: running their sheet, and the images a new column or layer
// starts from and is made of.

#include "document/TessaronDoc.h"

#include "model/RowPadding.h"
#include "platform/AppServices.h"
#include "platform/SheetRunner.h"

#include <algorithm>

namespace {

const float kNewLayerHeight = 2.4f;
const float kNewLayerWidth = 6.0f;
// A z-segment's block of column slots: made for its first column, grown when it is full.
const int kFirstColumnSlots = 15;
const int kColumnSlotGrowth = 10;

}  // namespace

void CTessaronDoc::OnNewColumn()
{
    if (!AppServices().Is3dMode() && g_nZSegCount == 0) {
        // The builder's device starts here: New z-segment makes z-segment 1 and runs this
        // command's sheet for its first column, under the one undo entry of the whole step.
        OnNewZsegment();
        return;
    }
    if (g_nZSegCount < 1 || m_ZSegments.empty())
        return;  // the 3-D editor's column needs a z-segment (the command is disabled then)
    CheckPoint();
    NewColumnSheet();
    if (!m_nLastSheetAccepted)
        DiscardLastCheckPoint();
}

void CTessaronDoc::NewColumnSheet()
{
    m_nLastSheetAccepted = 0;
    if (g_nCurZSeg < 1)
        g_nCurZSeg = 1;
    if (g_nCurZSeg > static_cast<int>(m_ZSegments.size()))
        return;
    const int zseg = g_nCurZSeg - 1;
    const CZSegment& before = m_ZSegments[zseg];
    const int n = before.GetColumnCount();

    PresetNewColumnImages(true);
    g_EditLayer.m_nZSeg = g_nCurZSeg;
    if (n > 0) {
        LoadZsegmentImage(before);
        // The taper points of the column right of the selected one; a column that is not in use
        // (right of the last, or nothing selected past the end) has none.
        const CColumnRec& right = before.GetColumn(before.m_nSelectedColumn + 1);
        g_EditColumn.m_fTaperPoint[0] = right.m_fTaperPoint[0];
        g_EditColumn.m_fTaperPoint[1] = right.m_fTaperPoint[1];
    }

    // The reference column: the selected one, or the last when nothing is selected.
    int c = n - 1;
    int r = 0;
    if (before.m_nSelectionKind != 0) {
        c = std::min(before.m_nSelectedColumn, n - 1);
        r = before.m_nSelectedRow;
    }
    const int p = c + 1;
    g_EditLayer.m_nColumn = p;

    // Row 0 keeps one vertical mesh across the columns: the reference column's first layer and the
    // new one take that of column 0. The reference column changes only when the sheet is accepted.
    CMeshSettings rowMesh;
    if (c >= 0 && before.HasLayer(c, 0) && before.HasLayer(0, 0)) {
        rowMesh = before.GetColumn(0).GetLayer(0).m_Mesh;
        g_EditLayer.m_Mesh.TakeCounts(rowMesh);
        g_EditLayer.m_Labels = before.GetColumn(c).GetLayer(0).m_Labels;
    }
    g_nLayerEditMode = 1;
    g_EditLayer.m_Grating.Edit().m_nColumn = p;
    g_EditLayer.m_nSolveWave = 1;

    if (!RunBuildSheet("New Column", true, zseg))
        return;

    CZSegment& segment = m_ZSegments[zseg];
    const bool resetViews = ApplyIsolatedLayerRule(static_cast<float>(g_EditZSegment.m_Params.m_dZFrom),
                                                   static_cast<float>(g_EditZSegment.m_Params.m_dZTo));
    m_nLastSheetAccepted = 1;
    if (c >= 0 && segment.HasLayer(c, 0) && segment.HasLayer(0, 0))
        segment.Column(c).Layer(0).m_Mesh.TakeCounts(rowMesh);
    if (segment.m_nSelectionKind == 1 && segment.HasLayer(c, r)) {
        segment.Column(c).Layer(r).m_nSelected = 0;
        segment.Column(c).m_nSelectedLayer = -1;
    }
    StoreZsegmentImage(segment);

    if (segment.m_nColumnSlots == 0 && n == 0)
        segment.m_nColumnSlots = kFirstColumnSlots;
    else if (segment.m_nColumnSlots <= n)
        segment.m_nColumnSlots += kColumnSlotGrowth;
    CColumnRec column = NewColumnFromImages();
    ApplyEdgeWidthMarks(column.Layer(0));
    segment.InsertColumn(p, column);

    TidyCurrentZsegment();
    PadRowsAsSaved(zseg, 0);
    if (m_ZSegments[zseg].GetColumnCount() == n + 1)
        SetSelection(zseg, p, 0);
    SetModifiedFlag(true);
    if (resetViews)
        UpdateAllViews(1);
    UpdateContacts();
    UpdateAllViews(0);
}

// ---------------------------------------------------------------------------------------------
// What the commands that build a device share

bool CTessaronDoc::RunBuildSheet(const char* caption, bool allPages, int zseg)
{
    std::vector<CContactList> groups;
    LayerSheetRequest request;
    request.caption = caption;
    request.allPages = allPages;
    request.contactUpdateMode = &m_nContactUpdateMode;
    request.contactGroups = &groups;
    if (!SheetRunner().RunLayerSheet(request))
        return false;
    if (request.contactGroupsFilled && zseg >= 0 && zseg < static_cast<int>(m_ZSegments.size()))
        m_ZSegments[zseg].m_SideContacts = groups;
    return true;
}

void CTessaronDoc::PresetNewColumnImages(bool clearLabels)
{
    g_EditLayer.m_nRow = 0;
    g_EditLayer.m_fHeight = kNewLayerHeight;
    g_EditLayer.m_fWidth = kNewLayerWidth;
    g_EditLayer.m_fUpperWidth = kNewLayerWidth;
    g_EditLayer.m_fLowerWidth = kNewLayerWidth;
    g_EditLayer.m_Mesh.Unset();
    g_EditLayer.m_nSolveWave = 1;
    g_EditColumn.m_Mesh.Unset();
    g_EditColumn.m_Mesh.m_dShiftCenter = 0.0;
    g_EditColumn.m_Contacts.Clear();
    g_EditColumn.m_nTaperLine = 0;
    if (clearLabels) {
        g_EditLayer.m_Labels.clear();
        g_EditColumn.m_Labels.clear();
    }
}

CColumnRec CTessaronDoc::NewColumnFromImages()
{
    CColumnRec column = CColumnRec::MakeNew();
    column.m_Size.m_fUpperWidth = g_EditLayer.m_fUpperWidth;
    column.m_Size.m_fLowerWidth = g_EditLayer.m_fLowerWidth;
    PickLayerColour(g_EditLayer.m_Material, g_EditLayer.m_Doping, g_EditLayer.m_nColour, g_EditLayer.m_nPattern, -1,
                    -1, -1);
    CLayerRec layer = g_EditLayer;
    CRowPadding::FillBlanksAsReadBack(layer);
    layer.m_nSelected = 1;
    column.AppendLayer(layer);
    column.m_Mesh = g_EditColumn.m_Mesh;
    column.m_fTaperPoint[0] = g_EditColumn.m_fTaperPoint[0];
    column.m_fTaperPoint[1] = g_EditColumn.m_fTaperPoint[1];
    column.m_Contacts = g_EditColumn.m_Contacts;
    column.m_nTaperLine = g_EditColumn.m_nTaperLine;
    return column;
}

void CTessaronDoc::LoadZsegmentImage(const CZSegment& segment)
{
    g_EditZSegment.m_nTotalXMesh = segment.m_nTotalXMesh;
    g_EditZSegment.m_nTotalYMesh = segment.m_nTotalYMesh;
    g_EditZSegment.m_Params.m_dZFrom = segment.m_Params.m_dZFrom;
    g_EditZSegment.m_Params.m_dZTo = segment.m_Params.m_dZTo;
    g_EditZSegment.m_Params.m_nZPlanes = segment.m_Params.m_nZPlanes;
    g_EditZSegment.m_Params.m_strTaperLink = segment.m_Params.m_strTaperLink;
}

void CTessaronDoc::StoreZsegmentImage(CZSegment& segment)
{
    const CZSegmentParams& image = g_EditZSegment.m_Params;
    segment.m_Params.m_strTaperLink = image.m_strTaperLink;
    segment.m_nTotalXMesh = g_EditZSegment.m_nTotalXMesh;
    segment.m_nTotalYMesh = g_EditZSegment.m_nTotalYMesh;
    segment.m_Params.m_dZFrom = image.m_dZFrom;
    segment.m_Params.m_dZTo = image.m_dZTo;
    segment.m_Params.m_nZPlanes = image.m_dZFrom == image.m_dZTo ? 1 : image.m_nZPlanes;
}

void CTessaronDoc::PadRowsAsSaved(int zseg, int newRow)
{
    if (zseg >= 0 && zseg < static_cast<int>(m_ZSegments.size()))
        CRowPadding::PadAsSaved(m_ZSegments[zseg], newRow);
}

void CTessaronDoc::ApplyEdgeWidthMarks(CLayerRec& layer)
{
    if (!g_CurLayerParams.m_bUpperWidthChanged || !g_CurLayerParams.m_bLowerWidthChanged)
        return;
    layer.m_fWidth = layer.m_fLowerWidth;
    g_CurLayerParams.m_bUpperWidthChanged = 0;
    g_CurLayerParams.m_bLowerWidthChanged = 0;
}
